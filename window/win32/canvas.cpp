#include "window/win32/canvas.hpp"

#include "window/model/control_visit.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/focus_frame.hpp"
#include "window/win32/resource_ids.h"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

constexpr UINT kDenseDpi = 144;

UniquePen penOf(const Rgb& colour, int width, UINT dpi) {
  return UniquePen(
      CreatePen(PS_SOLID, twips::penPixels(width, static_cast<int>(dpi)), toColorRef(colour)));
}

void fill(HDC dc, const RECT& area, const Rgb& colour) {
  const UniqueBrush brush(CreateSolidBrush(toColorRef(colour)));
  FillRect(dc, &area, brush.get());
}

void drawSegment(HDC dc, const scene::Segment& segment, UINT dpi) {
  const UniquePen pen = penOf(segment.colour, segment.penWidth, dpi);
  const SelectedObject selected(dc, pen.get());
  const LineEnds& ends = segment.ends;
  MoveToEx(dc, pixels(ends.x1, dpi), pixels(ends.y1, dpi), nullptr);
  LineTo(dc, pixels(ends.x2, dpi), pixels(ends.y2, dpi));
}

void drawCircle(HDC dc, const scene::Circle& circle, UINT dpi) {
  const UniquePen pen = penOf(circle.colour, circle.penWidth, dpi);
  const UniqueBrush fill(circle.fill ? CreateSolidBrush(toColorRef(*circle.fill)) : nullptr);
  const SelectedObject selectedPen(dc, pen.get());
  const SelectedObject selectedBrush(dc, fill ? fill.get() : GetStockObject(NULL_BRUSH));
  const RECT box = pixels(circle.box, dpi);
  Ellipse(dc, box.left, box.top, box.right, box.bottom);
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

void Canvas::draw(HDC dc, const std::vector<scene::Primitive>& primitives, UINT dpi) {
  for (const scene::Primitive& primitive : primitives) {
    std::visit(Overloaded{
                   [&](const scene::Ground& ground) {
                     const SIZE size = clientSize(dpi);
                     fill(dc, {0, 0, size.cx, size.cy}, ground.colour);
                   },
                   [&](const scene::Globe&) { drawPicture(dc, dpi); },
                   [&](const scene::Segment& segment) { drawSegment(dc, segment, dpi); },
                   [&](const scene::Circle& circle) { drawCircle(dc, circle, dpi); },
               },
               primitive);
  }
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
  draw(dc.get(), scene::of(window_).beneath, dpi);
  return ground_.get();
}

HBRUSH Canvas::groundBrush(HDC compatible, UINT dpi) {
  HBITMAP bitmap = ground(compatible, dpi);
  if (!groundBrush_ && bitmap) groundBrush_.reset(CreatePatternBrush(bitmap));
  return groundBrush_ ? groundBrush_.get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void Canvas::paint(HDC target, UINT dpi, const RECT* focusFrame) {
  ++paints_;
  const SIZE size = clientSize(dpi);
  const UniqueMemoryDc buffer(CreateCompatibleDC(target));
  const UniqueBitmap pixels(CreateCompatibleBitmap(target, size.cx, size.cy));
  if (!buffer || !pixels) return;
  const SelectedObject selected(buffer.get(), pixels.get());
  HDC dc = buffer.get();

  const scene::Scene shown = scene::of(window_);
  if (HBITMAP groundBitmap = ground(target, dpi)) {
    const UniqueMemoryDc source(CreateCompatibleDC(target));
    const SelectedObject selectedGround(source.get(), groundBitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  } else {
    draw(dc, shown.beneath, dpi);
  }
  draw(dc, shown.needle, dpi);
  if (focusFrame) FocusFrame::draw(dc, *focusFrame, dpi);
  BitBlt(target, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
}

}  // namespace tarvel::win32
