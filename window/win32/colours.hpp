#pragma once

#include <windows.h>

#include <map>

#include "window/model/controls_fwd.hpp"
#include "window/win32/handles.hpp"

namespace tarvel {
struct Rgb;
}

namespace tarvel::win32 {

class Canvas;

// What a child is painted in when it asks its window (WM_CTLCOLOR...): the fields' colour, the
// check box's ground around its box, and the labels' text over the window's own ground, whose
// brush paints the picture and the rose beneath the label's box. The brushes are owned here.
class ChildColours {
 public:
  // Sets the child's colours into `dc` and answers the brush of its ground; none for a control
  // the design gives no colour of its own, which the system paints in its own.
  HBRUSH of(const Control& control, HDC dc, HWND child, HWND window, Canvas& canvas, UINT dpi);

 private:
  HBRUSH brushOf(const Rgb& colour);

  std::map<COLORREF, UniqueBrush> brushes_;
};

}  // namespace tarvel::win32
