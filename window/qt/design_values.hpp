#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>

#include "window/model/twips.hpp"

// The design's values as Qt takes them: colours, and twips as the widgets' logical pixels, which
// Qt itself scales on a denser screen.
namespace tarvel::qt {

inline int logical(int twips) {
  return twips::pixels(twips, twips::kDesignDpi);
}
inline QPointF logical(float x, float y) {
  return {twips::toPixels(x, twips::kDesignDpi), twips::toPixels(y, twips::kDesignDpi)};
}
inline QRect logical(const Box& box) {
  const twips::PixelBox shown = twips::pixels(box, twips::kDesignDpi);
  return {shown.left, shown.top, shown.width, shown.height};
}
inline QColor toColor(const Rgb& rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace tarvel::qt
