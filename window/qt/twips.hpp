#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>

#include "window/design.hpp"

// The design's twips as the widgets' pixels (15 twips a pixel; Qt scales on a denser screen).
namespace tarvel::qt {

inline int pixels(int twips) {
  return (twips + design::kTwipsPerPixel / 2) / design::kTwipsPerPixel;
}
inline QPointF pixels(float x, float y) {
  return {x / design::kTwipsPerPixel, y / design::kTwipsPerPixel};
}
inline QRect pixels(const Box& box) {
  return {pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height)};
}
inline QColor toColor(const Rgb& rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace tarvel::qt
