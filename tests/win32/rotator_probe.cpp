// The real Win32 window with a rotator, as tests/support/rotator_window_test.py drives it under
// Wine: my saved locator, a correspondent typed as WM_CHAR messages on the real edit control, a
// key just after, then the window's own message loop and clock for a while. It prints what it saw,
// a line each, as the Qt probe does.
#include <windows.h>

#include <chrono>
#include <string_view>

#include "tests/support/rotator_probe.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/rotator_socket.hpp"
#include "window/win32/window_view.hpp"

namespace tarvel {
namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Each character as a keyboard gives it to the focused edit, and what follows from it handled.
void typeInto(win32::WindowView& view, const Control& control, std::string_view text) {
  view.giveFocus(control);
  for (const char character : text) {
    PostMessageW(view.childOf(control), WM_CHAR, static_cast<unsigned char>(character), 1);
    win32::handlePendingMessages(view.handle());
  }
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  using namespace tarvel;
  const auto given = probe::arguments(argc, argv);
  if (!given) return 2;
  probe::ProbedWindow<win32::RotatorSocket, win32::WindowView> probed(given->address);
  WinDurOzirozador& window = probed.window;
  win32::WindowView& view = *probed.view;
  view.show(SW_SHOWNORMAL);
  window.show();

  const Clock::time_point start = Clock::now();
  typeInto(view, window.Text_S_Loc, given->locator);
  std::printf("messages_during_sweep %zu\n", probed.messagesDuringSweep());
  view.giveFocus(window.Text_S_Lat_Sec);
  SendMessageW(view.childOf(window.Text_S_Lat_Sec), EM_SETSEL, 0, -1);
  window.Text_S_Lat_Sec.select(0, window.Text_S_Lat_Sec.text().size());
  typeInto(view, window.Text_S_Lat_Sec, "5");
  if (window.Text_S_Lat_Sec.text() == "5") std::printf("key_ms %lld\n", millisecondsSince(start));
  std::printf("azimuth_label %s\n", window.LabelAzimut.caption().c_str());
  while (millisecondsSince(start) < given->runMilliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    win32::handlePendingMessages(view.handle());
  }
  probed.printWhatItSaw();
  return 0;
}
