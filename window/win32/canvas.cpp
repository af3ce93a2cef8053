#include "window/win32/canvas.hpp"

#include "window/control_visit.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/utf16.hpp"
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

// A caption may be wider than its box with another system's fonts: it is shown in full.
void drawLabel(HDC dc, const Label& label, UINT dpi, FontSet& fonts) {
  const ControlDesign& design = label.design();
  const SelectedObject selected(dc, fonts.fontOf(design.font));
  SetTextColor(dc, toColorRef(design.foreground.value_or(Rgb{0, 0, 0})));
  RECT box = pixels(design.box, dpi);
  const UINT alignment = design.alignment == Alignment::Center ? DT_CENTER : DT_LEFT;
  const std::wstring caption = toUtf16(label.caption());
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
            alignment | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
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

// The labels' captions, over the rose so that the picture shows through around the text.
void Canvas::drawLabels(HDC dc, UINT dpi, FontSet& fonts) {
  SetBkMode(dc, TRANSPARENT);
  for (const Control* control : window_.controls()) {
    visit(*control, Overloaded{[&](const Label& label) {
                                 if (label.visible()) drawLabel(dc, label, dpi, fonts);
                               },
                               [](const auto&) {}});
  }
}

void Canvas::paint(HDC target, UINT dpi, FontSet& fonts) {
  ++paints_;
  const SIZE size = clientSize(dpi);
  const UniqueMemoryDc buffer(CreateCompatibleDC(target));
  const UniqueBitmap pixels(CreateCompatibleBitmap(target, size.cx, size.cy));
  const SelectedObject selected(buffer.get(), pixels.get());
  HDC dc = buffer.get();

  const scene::Scene shown = scene::of(window_);
  draw(dc, shown.beneath, dpi);
  drawLabels(dc, dpi, fonts);
  draw(dc, shown.needle, dpi);
  BitBlt(target, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
}

}  // namespace tarvel::win32
