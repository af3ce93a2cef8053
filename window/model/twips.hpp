#pragma once

#include <algorithm>
#include <cmath>

#include "window/model/design.hpp"

// The design's twips as pixels of a screen of `dpi` dots per inch: 15 twips a pixel at 96, more
// on a denser screen. Qt asks at 96 and lets its painter and its widgets scale; Win32 asks at the
// window's own dpi.
namespace tarvel::twips {

inline constexpr int kDesignDpi = 96;
inline constexpr int kPerInch = design::kTwipsPerPixel * kDesignDpi;

struct PixelBox {
  int left, top, width, height;
};

inline double toPixels(double twips, int dpi) {
  return twips * dpi / kPerInch;
}

inline int pixels(double twips, int dpi) {
  return static_cast<int>(std::lround(toPixels(twips, dpi)));
}

// Each of the four rounded on its own, so that a box keeps its designed size wherever it lies.
inline PixelBox pixels(const Box& box, int dpi) {
  return {pixels(box.left, dpi), pixels(box.top, dpi), pixels(box.width, dpi),
          pixels(box.height, dpi)};
}

// A pen's width, given in pixels at 96 dpi, on the screen: never thinner than one pixel.
inline int penPixels(int width, int dpi) {
  return std::max(1, width * dpi / kDesignDpi);
}

}  // namespace tarvel::twips
