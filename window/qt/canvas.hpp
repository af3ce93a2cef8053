#pragma once

#include <QPixmap>
#include <QWidget>

#include "window/desktop/scene.hpp"

class QPainter;

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::qt {

// The picture area beneath every other control: the scene of the model, painted with QPainter.
class Canvas : public QWidget {
 public:
  Canvas(const WinDurOzirozador& window, QWidget* parent);
  long paints() const { return paints_; }
  const WinDurOzirozador& window() const { return window_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QPixmap& globeFor(qreal devicePixelRatio);
  void paint(QPainter& painter, const scene::Primitive& primitive);

  const WinDurOzirozador& window_;
  QPixmap globe_;
  QPixmap denseGlobe_;  // loaded on the first paint on a dense screen
  long paints_ = 0;
};

}  // namespace tarvel::qt
