// Tarvel: locator, distance and azimuth between my station and the correspondent's.
#include <QApplication>
#include <optional>

#include "window/desktop/toolkit_platform.hpp"
#include "window/qt/close_on_signals.hpp"
#include "window/qt/command_line.hpp"
#include "window/qt/fonts.hpp"
#include "window/qt/rotator_socket.hpp"
#include "window/qt/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

int main(int argc, char** argv) {
  if (const auto status = tarvel::qt::answerCommandLine(argc, argv)) return *status;
  const auto rotatorChoice = tarvel::qt::rotatorOfCommandLine(argc, argv);
  if (const int* status = std::get_if<int>(&rotatorChoice)) return *status;
  const auto& rotatorAddress = std::get<std::optional<tarvel::rotator::Address>>(rotatorChoice);
  std::optional<tarvel::qt::DisplayCheck> displayCheck{std::in_place};
  QApplication application(argc, argv);
  displayCheck.reset();
  QApplication::setApplicationName(QStringLiteral("Tarvel"));
  // Docks and Wayland compositors match the window to its launcher and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarvel.tarvel"));
  tarvel::qt::installFontSubstitutes();

  tarvel::ToolkitPlatform platform;
  tarvel::WinDurOzirozador window(platform);
  std::optional<tarvel::qt::RotatorSocket> rotatorSocket;
  if (rotatorAddress) window.attachRotator(rotatorSocket.emplace(window), *rotatorAddress);
  tarvel::qt::WindowView view(window);
  platform.attach(view);
  const tarvel::qt::CloseOnSignals closeOnSignals([&platform, &view] {
    platform.closeUnattended();
    view.close();
  });
  window.Form_Load();
  if (window.ended()) return platform.exitStatus(window, 0);
  view.show();
  window.show();
  return platform.exitStatus(window, QApplication::exec());
}
