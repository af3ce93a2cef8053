#include "window/win32/canvas.hpp"

#include <algorithm>

#include "window/control_visit.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/twips.hpp"
#include "window/win32/utf16.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

// The ground of the picture, for the part of a larger screen it does not cover.
constexpr Rgb kGround{0, 0, 64};
constexpr Rgb kDefaultLine{0, 0, 0};
constexpr UINT kDenseDpi = 144;

void drawLine(HDC dc, const Line& line, UINT dpi) {
  const ControlDesign& design = line.design();
  const int width = std::max(1, static_cast<int>(design.lineWidth * dpi / kDesignDpi));
  const UniquePen pen(
      CreatePen(PS_SOLID, width, toColorRef(design.foreground.value_or(kDefaultLine))));
  const SelectedObject selected(dc, pen.get());
  const LineEnds& ends = line.ends();
  MoveToEx(dc, pixels(ends.x1, dpi), pixels(ends.y1, dpi), nullptr);
  LineTo(dc, pixels(ends.x2, dpi), pixels(ends.y2, dpi));
}

// The rose's circle shows its outline only, so that the globe shows through inside it.
void drawCircle(HDC dc, const Shape& shape, UINT dpi, bool filled) {
  const ControlDesign& design = shape.design();
  const UniquePen pen(CreatePen(PS_SOLID, 1, toColorRef(design.foreground.value_or(kDefaultLine))));
  const UniqueBrush fill(
      filled ? CreateSolidBrush(toColorRef(design.background.value_or(kDefaultLine))) : nullptr);
  const SelectedObject selectedPen(dc, pen.get());
  const SelectedObject selectedBrush(dc, fill ? fill.get() : GetStockObject(NULL_BRUSH));
  const RECT box = pixels(design.box, dpi);
  Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

// A caption may be wider than its box with another system's fonts: it is shown in full.
void drawLabel(HDC dc, const Label& label, UINT dpi, FontSet& fonts) {
  const ControlDesign& design = label.design();
  const SelectedObject selected(dc, fonts.fontOf(design.font));
  SetTextColor(dc, toColorRef(design.foreground.value_or(kDefaultLine)));
  RECT box = pixels(design.box, dpi);
  const UINT alignment = design.alignment == Alignment::Center ? DT_CENTER : DT_LEFT;
  const std::wstring caption = toUtf16(label.caption());
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
            alignment | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void fill(HDC dc, const RECT& area, const Rgb& colour) {
  const UniqueBrush brush(CreateSolidBrush(toColorRef(colour)));
  FillRect(dc, &area, brush.get());
}

}  // namespace

Canvas::Canvas(const WinDurOzirozador& window)
    : window_(window), globe_(loadPngResource(TARVEL_IDR_GLOBE_PNG)) {}

// Unscaled at 96 dots per inch and growing with the controls on a denser screen; from 150 % on
// from the double-size picture, drawn at the same place and size, so that the screen's own pixels
// show the picture's detail.
void Canvas::drawPicture(HDC dc, UINT dpi) {
  const bool dense = dpi >= kDenseDpi;
  if (dense && !denseGlobe_.bitmap) denseGlobe_ = loadPngResource(TARVEL_IDR_GLOBE_2X_PNG);
  const Picture& picture = dense && denseGlobe_.bitmap ? denseGlobe_ : globe_;
  if (!picture.bitmap) return;
  const UINT pictureDpi = &picture == &denseGlobe_ ? 2 * kDesignDpi : kDesignDpi;
  const int width = MulDiv(picture.size.cx, dpi, pictureDpi);
  const int height = MulDiv(picture.size.cy, dpi, pictureDpi);
  const UniqueMemoryDc source(CreateCompatibleDC(dc));
  const SelectedObject selected(source.get(), picture.bitmap.get());
  if (width == picture.size.cx && height == picture.size.cy) {
    BitBlt(dc, 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 0, 0, width, height, source.get(), 0, 0, picture.size.cx, picture.size.cy,
             SRCCOPY);
}

void Canvas::paint(HDC target, UINT dpi, FontSet& fonts) {
  ++paints_;
  const SIZE size = clientSize(dpi);
  const UniqueMemoryDc buffer(CreateCompatibleDC(target));
  const UniqueBitmap pixels(CreateCompatibleBitmap(target, size.cx, size.cy));
  const SelectedObject selected(buffer.get(), pixels.get());
  HDC dc = buffer.get();

  fill(dc, {0, 0, size.cx, size.cy}, kGround);
  drawPicture(dc, dpi);
  drawCircle(dc, window_.Shape3, dpi, false);
  for (const Control* control : window_.controls()) {
    visit(*control, Overloaded{[&](const Line& line) {
                                 if (&line != &window_.Li1 && line.visible())
                                   drawLine(dc, line, dpi);
                               },
                               [](const auto&) {}});
  }
  SetBkMode(dc, TRANSPARENT);
  for (const Control* control : window_.controls()) {
    visit(*control, Overloaded{[&](const Label& label) {
                                 if (label.visible()) drawLabel(dc, label, dpi, fonts);
                               },
                               [](const auto&) {}});
  }
  // The needle last but for its pivot: nothing hides it.
  drawLine(dc, window_.Li1, dpi);
  drawCircle(dc, window_.Shape2, dpi, true);
  BitBlt(target, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
}

}  // namespace tarvel::win32
