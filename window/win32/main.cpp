// Tarvel: locator, distance and azimuth between my station and the correspondent's.
#include <windows.h>

#include "window/win32/message_loop.hpp"
#include "window/win32/win32_platform.hpp"
#include "window/win32/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  tarvel::win32::Win32Platform platform;
  tarvel::WinDurOzirozador window(platform);
  tarvel::win32::WindowView view(window);
  platform.attach(view);
  window.Form_Load();
  if (window.ended()) return 0;
  view.show(show);
  window.show();
  return tarvel::win32::runMessageLoop(view.handle());
}
