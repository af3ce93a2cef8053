#pragma once

#include <windows.h>

#include <vector>

#include "window/scene.hpp"
#include "window/win32/fonts.hpp"
#include "window/win32/picture.hpp"

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::win32 {

// What the window paints itself, beneath every child control: the scene of the model with GDI,
// and the labels' captions between the rose and the needle. Each paint is built in a buffer and
// copied at once, so that the turning needle does not flicker.
class Canvas {
 public:
  explicit Canvas(const WinDurOzirozador& window);

  void paint(HDC target, UINT dpi, FontSet& fonts);
  long paints() const { return paints_; }

 private:
  void drawPicture(HDC dc, UINT dpi);
  void draw(HDC dc, const std::vector<scene::Primitive>& primitives, UINT dpi);
  void drawLabels(HDC dc, UINT dpi, FontSet& fonts);

  const WinDurOzirozador& window_;
  Picture globe_;
  Picture denseGlobe_;  // read on the first paint at 150 % or more
  long paints_ = 0;
};

}  // namespace tarvel::win32
