#pragma once

#include <windows.h>

#include "window/win32/fonts.hpp"
#include "window/win32/picture.hpp"

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::win32 {

// What the window paints itself, beneath every child control: the globe picture, the compass
// rose, the labels' captions over them (so that the picture shows through around the text), and
// the bearing needle above all of it. Each paint is built in a buffer and copied at once, so that
// the turning needle does not flicker.
class Canvas {
 public:
  explicit Canvas(const WinDurOzirozador& window);

  void paint(HDC target, UINT dpi, FontSet& fonts);
  long paints() const { return paints_; }

 private:
  void drawPicture(HDC dc, UINT dpi);

  const WinDurOzirozador& window_;
  Picture globe_;
  Picture denseGlobe_;  // read on the first paint at 150 % or more
  long paints_ = 0;
};

}  // namespace tarvel::win32
