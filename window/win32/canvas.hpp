#pragma once

#include <windows.h>

#include <vector>

#include "window/desktop/scene.hpp"
#include "window/win32/handles.hpp"
#include "window/win32/picture.hpp"

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::win32 {

// What the window paints itself, beneath every child control: the scene of the model with GDI,
// its ground (the globe picture and the compass rose, which never change) and the bearing needle
// over it. The labels are child windows that paint the same ground beneath their text, so that
// the picture shows through around it. Each paint is built in a buffer and copied at once, so
// that the turning needle does not flicker.
class Canvas {
 public:
  explicit Canvas(const WinDurOzirozador& window);

  // `focusFrame`: where the frame around the focused control goes, if one has the focus.
  void paint(HDC target, UINT dpi, const RECT* focusFrame = nullptr);
  // The ground as a brush, for a label to fill its box with; its origin is the caller's to align.
  HBRUSH groundBrush(HDC compatible, UINT dpi);
  long paints() const { return paints_; }

 private:
  HBITMAP ground(HDC compatible, UINT dpi);
  void drawPicture(HDC dc, UINT dpi);
  void draw(HDC dc, const std::vector<scene::Primitive>& primitives, UINT dpi);

  const WinDurOzirozador& window_;
  Picture globe_;
  Picture denseGlobe_;  // read on the first paint at 150 % or more
  // Built once per screen density.
  UINT groundDpi_ = 0;
  UniqueBitmap ground_;
  UniqueBrush groundBrush_;
  long paints_ = 0;
};

}  // namespace tarvel::win32
