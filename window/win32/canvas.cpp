#include "window/win32/canvas.hpp"

#include <algorithm>

#include "window/control_visit.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/twips.hpp"
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

HBITMAP Canvas::ground(HDC compatible, UINT dpi) {
  if (ground_ && groundDpi_ == dpi) return ground_.get();
  const SIZE size = clientSize(dpi);
  ground_.reset(CreateCompatibleBitmap(compatible, size.cx, size.cy));
  groundBrush_.reset();
  groundDpi_ = dpi;
  if (!ground_) return nullptr;
  const UniqueMemoryDc dc(CreateCompatibleDC(compatible));
  if (!dc) return ground_.get();
  const SelectedObject selected(dc.get(), ground_.get());
  drawGround(dc.get(), dpi);
  return ground_.get();
}

HBRUSH Canvas::groundBrush(HDC compatible, UINT dpi) {
  HBITMAP bitmap = ground(compatible, dpi);
  if (!groundBrush_ && bitmap) groundBrush_.reset(CreatePatternBrush(bitmap));
  return groundBrush_ ? groundBrush_.get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void Canvas::drawGround(HDC dc, UINT dpi) {
  const SIZE size = clientSize(dpi);
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
}

void Canvas::paint(HDC target, UINT dpi) {
  ++paints_;
  const SIZE size = clientSize(dpi);
  const UniqueMemoryDc buffer(CreateCompatibleDC(target));
  const UniqueBitmap pixels(CreateCompatibleBitmap(target, size.cx, size.cy));
  if (!buffer || !pixels) return;
  const SelectedObject selected(buffer.get(), pixels.get());
  HDC dc = buffer.get();
  if (HBITMAP groundBitmap = ground(target, dpi)) {
    const UniqueMemoryDc source(CreateCompatibleDC(target));
    const SelectedObject selectedGround(source.get(), groundBitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  } else {
    drawGround(dc, dpi);
  }
  // The needle last but for its pivot: nothing hides it.
  drawLine(dc, window_.Li1, dpi);
  drawCircle(dc, window_.Shape2, dpi, true);
  BitBlt(target, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
}

}  // namespace tarvel::win32
