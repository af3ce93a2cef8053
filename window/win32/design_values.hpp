#pragma once

#include <windows.h>

#include "window/model/twips.hpp"

// The design's values as GDI takes them: colours, and twips as the pixels of a screen of `dpi`
// dots per inch.
namespace tarvel::win32 {

inline constexpr UINT kDesignDpi = twips::kDesignDpi;

inline int pixels(double twips, UINT dpi) {
  return twips::pixels(twips, static_cast<int>(dpi));
}

inline RECT pixels(const Box& box, UINT dpi) {
  const twips::PixelBox shown = twips::pixels(box, static_cast<int>(dpi));
  return {shown.left, shown.top, shown.left + shown.width, shown.top + shown.height};
}

inline SIZE clientSize(UINT dpi) {
  return {pixels(design::kClientWidth, dpi), pixels(design::kClientHeight, dpi)};
}

inline COLORREF toColorRef(const Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

}  // namespace tarvel::win32
