#include "window/qt/qt_platform.hpp"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

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
                  QMessageBox::Ok, dynamic_cast<QWidget*>(view()));
  box.exec();
}

void QtPlatform::handlePendingEvents() {
  QCoreApplication::processEvents();
}

void QtPlatform::leaveEventLoops() {
  QCoreApplication::quit();
}

}  // namespace tarvel::qt
