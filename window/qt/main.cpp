// Tarvel: locator, distance and azimuth between my station and the correspondent's.
#include <QApplication>

#include "window/qt/fonts.hpp"
#include "window/qt/qt_platform.hpp"
#include "window/qt/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvel"));
  tarvel::qt::installFontSubstitutes();

  tarvel::qt::QtPlatform platform;
  tarvel::WinDurOzirozador window(platform);
  tarvel::qt::WindowView view(window);
  platform.attach(view);
  window.Form_Load();
  if (window.ended()) return 0;
  view.show();
  window.show();
  return QApplication::exec();
}
