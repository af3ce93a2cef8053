#include "window/win32/colours.hpp"

#include "window/model/controls.hpp"
#include "window/win32/canvas.hpp"
#include "window/win32/design_values.hpp"

namespace tarvel::win32 {

HBRUSH ChildColours::of(const Control& control, HDC dc, HWND child, HWND window, Canvas& canvas,
                        UINT dpi) {
  const ControlDesign& design = control.design();
  if (control.kind() == ControlKind::Label) {
    SetTextColor(dc, toColorRef(design.foreground.value_or(Rgb{0, 0, 0})));
    SetBkMode(dc, TRANSPARENT);
    POINT origin{0, 0};
    MapWindowPoints(child, window, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return canvas.groundBrush(dc, dpi);
  }
  if (!design.background) return nullptr;
  SetBkColor(dc, toColorRef(*design.background));
  if (design.foreground) SetTextColor(dc, toColorRef(*design.foreground));
  return brushOf(*design.background);
}

HBRUSH ChildColours::brushOf(const Rgb& colour) {
  const COLORREF wanted = toColorRef(colour);
  auto& brush = brushes_[wanted];
  if (!brush) brush.reset(CreateSolidBrush(wanted));
  return brush.get();
}

}  // namespace tarvel::win32
