#include "window/qt/canvas.hpp"

#include <QPainter>

#include "window/desktop/scene.hpp"
#include "window/model/control_visit.hpp"
#include "window/qt/design_values.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::qt {
namespace {

// Pen widths are logical pixels: Qt scales them with everything else on a denser screen.
QPen penOf(const Rgb& colour, int width) {
  return QPen(toColor(colour), width);
}

}  // namespace

Canvas::Canvas(const WinDurOzirozador& window, QWidget* parent)
    : QWidget(parent), window_(window), globe_(QStringLiteral(":/globe.png")) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

// On a dense screen (200 %, or 150 % scaled down from it) the double-size picture, drawn in the
// same place at the screen's own pixels rather than the design picture blown up.
const QPixmap& Canvas::globeFor(qreal devicePixelRatio) {
  if (devicePixelRatio <= 1.0) return globe_;
  if (denseGlobe_.isNull()) {
    denseGlobe_.load(QStringLiteral(":/globe@2x.png"));
    denseGlobe_.setDevicePixelRatio(2.0);
  }
  return denseGlobe_;
}

void Canvas::paint(QPainter& painter, const scene::Primitive& primitive) {
  std::visit(
      Overloaded{
          [&](const scene::Ground& ground) { painter.fillRect(rect(), toColor(ground.colour)); },
          [&](const scene::Globe&) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(0, 0, globeFor(devicePixelRatioF()));
            // The rose and the needle above the picture have smooth edges.
            painter.setRenderHint(QPainter::Antialiasing);
          },
          [&](const scene::Segment& segment) {
            painter.setPen(penOf(segment.colour, segment.penWidth));
            const LineEnds& ends = segment.ends;
            painter.drawLine(logical(ends.x1, ends.y1), logical(ends.x2, ends.y2));
          },
          [&](const scene::Circle& circle) {
            painter.setPen(penOf(circle.colour, circle.penWidth));
            painter.setBrush(circle.fill ? QBrush(toColor(*circle.fill)) : QBrush(Qt::NoBrush));
            painter.drawEllipse(logical(circle.box));
          },
      },
      primitive);
}

void Canvas::paintEvent(QPaintEvent*) {
  ++paints_;
  QPainter painter(this);
  const scene::Scene shown = scene::of(window_);
  for (const auto& layer : {&shown.beneath, &shown.needle}) {
    for (const scene::Primitive& primitive : *layer)
      paint(painter, primitive);
  }
}

}  // namespace tarvel::qt
