#pragma once

#include <windows.h>

#include <cmath>

#include "window/design.hpp"

// The design's twips as pixels of a screen of `dpi` dots per inch: 15 twips a pixel at 96.
namespace tarvel::win32 {

inline constexpr UINT kDesignDpi = 96;
inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kPointsPerInch = 72;

inline int pixels(double twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline RECT pixels(const Box& box, UINT dpi) {
  const int left = pixels(box.left, dpi);
  const int top = pixels(box.top, dpi);
  return {left, top, left + pixels(box.width, dpi), top + pixels(box.height, dpi)};
}

inline SIZE clientSize(UINT dpi) {
  return {pixels(design::kClientWidth, dpi), pixels(design::kClientHeight, dpi)};
}

inline COLORREF toColorRef(const Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

}  // namespace tarvel::win32
