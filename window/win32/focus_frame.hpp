#pragma once

#include <windows.h>

namespace tarvel::win32 {

// A frame in the design's focus colour around the control that has the focus, drawn the same on
// fields, boxes, buttons and the check box, whatever the control draws of its own: the window
// paints it on its ground, around the control's window.
class FocusFrame {
 public:
  // The child that has the focus now, none when another window has it. Answers whether the frame
  // moved, when the window must paint it anew.
  bool follow(HWND focused);

  // A few pixels around `focused`, within the client area of `window`, its parent.
  static RECT around(HWND focused, HWND window, UINT dpi);
  static void draw(HDC dc, const RECT& frame, UINT dpi);

 private:
  HWND framed_ = nullptr;  // the control the frame was last painted around
};

}  // namespace tarvel::win32
