#include "window/qt/focus_frame.hpp"

#include <QPainter>

#include "window/qt/design_values.hpp"

namespace tarvel::qt {
namespace {

constexpr int kMargin = design::kFocusFrameMargin;
constexpr int kPenWidth = design::kFocusFramePenWidth;

}  // namespace

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

// Inside the window: the check box touches its top edge.
void FocusFrame::surround(const QWidget& control) {
  const QRect around = control.geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin);
  setGeometry(around & parentWidget()->rect());
  raise();
  show();
}

void FocusFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(toColor(design::kFocusFrame), kPenWidth));
  const int inset = kPenWidth / 2;
  painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
}

}  // namespace tarvel::qt
