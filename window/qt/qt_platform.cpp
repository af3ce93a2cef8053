// The real window's platform on Qt: its message boxes and its event loop.
#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "window/desktop/toolkit_platform.hpp"

namespace tarvel {
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

void ToolkitPlatform::showMessage(std::string_view text, MessageIcon icon,
                                  std::string_view caption) {
  if (ending() || toldUnattended(text)) return;
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(boxIcon(icon), QString::fromUtf8(caption.data(), caption.size()), shown,
                  QMessageBox::Ok, dynamic_cast<QWidget*>(view()));
  box.exec();
}

void ToolkitPlatform::handlePendingEvents() {
  QCoreApplication::processEvents();
}

// exit() rather than quit(), which does nothing before the main loop runs: a close during the
// load (a signal taken by the message box of an unreadable file) ends the box's loop too.
void ToolkitPlatform::leaveEventLoops() {
  QCoreApplication::exit(0);
}

}  // namespace tarvel
