#include "window/win32/focus_frame.hpp"

#include "window/win32/design_values.hpp"
#include "window/win32/handles.hpp"

namespace tarvel::win32 {

bool FocusFrame::follow(HWND focused) {
  if (focused == framed_) return false;
  framed_ = focused;
  return true;
}

// Inside the window: the check box touches its top edge.
RECT FocusFrame::around(HWND focused, HWND window, UINT dpi) {
  RECT frame{};
  GetWindowRect(focused, &frame);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&frame), 2);
  const int margin = MulDiv(design::kFocusFrameMargin, static_cast<int>(dpi), kDesignDpi);
  InflateRect(&frame, margin, margin);
  RECT client{};
  GetClientRect(window, &client);
  IntersectRect(&frame, &frame, &client);
  return frame;
}

// On the window's ground around the control, where the design's colours show it at once.
void FocusFrame::draw(HDC dc, const RECT& frame, UINT dpi) {
  const int width = MulDiv(design::kFocusFramePenWidth, static_cast<int>(dpi), kDesignDpi);
  const UniquePen pen(CreatePen(PS_INSIDEFRAME, width, toColorRef(design::kFocusFrame)));
  const SelectedObject selectedPen(dc, pen.get());
  const SelectedObject selectedBrush(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
}

}  // namespace tarvel::win32
