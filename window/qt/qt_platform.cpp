#include "window/qt/qt_platform.hpp"

#include <QCoreApplication>
#include <QMessageBox>

#include "window/qt/window_view.hpp"

namespace tarvel::qt {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtPlatform::showMessage(std::string_view text, MessageIcon icon, std::string_view caption) {
  if (ending()) return;
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(boxIcon(icon), QString::fromUtf8(caption.data(), caption.size()), shown,
                  QMessageBox::Ok, view_.data());
  box.exec();
}

void QtPlatform::runEventLoopPass() {
  if (WindowView* view = liveView()) view->repaintDrawing();
  QCoreApplication::processEvents();
}

void QtPlatform::giveFocus(const Control& control) {
  if (WindowView* view = liveView()) view->focusWidgetOf(control);
}

void QtPlatform::controlChanged(const Control& control) {
  if (WindowView* view = liveView()) view->sync(control);
}

void QtPlatform::leaveEventLoops() {
  QCoreApplication::quit();
}

}  // namespace tarvel::qt
