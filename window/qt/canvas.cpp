#include "window/qt/canvas.hpp"

#include <QAccessible>
#include <QPainter>

#include "window/control_visit.hpp"
#include "window/qt/twips.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::qt {
namespace {

void drawLine(QPainter& painter, const Line& line) {
  const ControlDesign& design = line.design();
  const Rgb colour = design.foreground.value_or(Rgb{0, 0, 0});
  painter.setPen(QPen(toColor(colour), design.lineWidth));
  const LineEnds& ends = line.ends();
  painter.drawLine(pixels(ends.x1, ends.y1), pixels(ends.x2, ends.y2));
}

// The circle's outline only, so that the globe shows through inside the rose.
void drawCircle(QPainter& painter, const Shape& shape, bool filled) {
  const ControlDesign& design = shape.design();
  painter.setPen(QPen(toColor(design.foreground.value_or(Rgb{0, 0, 0})), 1));
  painter.setBrush(filled ? QBrush(toColor(design.background.value_or(Rgb{0, 0, 0})))
                          : QBrush(Qt::NoBrush));
  painter.drawEllipse(pixels(design.box));
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

// Without a screen reader the sweep does no more than before.
void Canvas::needleMoved() {
  if (!QAccessible::isActive()) return;
  const std::optional<int> bearing = window_.needleBearing();
  if (bearing == announcedBearing_) return;
  announcedBearing_ = bearing;
  QAccessibleValueChangeEvent event(this, bearing ? QVariant(*bearing) : QVariant());
  QAccessible::updateAccessibility(&event);
}

void Canvas::paintEvent(QPaintEvent*) {
  ++paints_;
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0, 0, 64));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(0, 0, globeFor(devicePixelRatioF()));
  painter.setRenderHint(QPainter::Antialiasing);
  drawCircle(painter, window_.Shape3, false);
  // The needle is drawn last, above the rose.
  for (const Control* control : window_.controls()) {
    visit(*control, Overloaded{[&](const Line& line) {
                                 if (&line != &window_.Li1 && line.visible())
                                   drawLine(painter, line);
                               },
                               [](const auto&) {}});
  }
  drawLine(painter, window_.Li1);
  drawCircle(painter, window_.Shape2, true);
}

}  // namespace tarvel::qt
