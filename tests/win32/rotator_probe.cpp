// The real Win32 window with a rotator, as tests/support/rotator_window_test.py drives it under
// Wine: my saved locator, a correspondent typed as WM_CHAR messages on the real edit control, a
// key just after, then the window's own message loop and clock for a while. It prints what it saw,
// a line each, as the Qt probe does.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "tests/runner/toolkit_backend.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/rotator_socket.hpp"
#include "window/win32/window_view.hpp"

namespace tarvel {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRunMilliseconds = 4000;

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
  const char* where = std::getenv("TARVEL_ROTATOR");
  const auto address = rotator::parseAddress(where ? where : "");
  if (!address || argc < 2) {
    std::fprintf(stderr, "usage: TARVEL_ROTATOR=HOST:PORT rotator_probe LOCATOR [MILLISECONDS]\n");
    return 2;
  }
  const int runTime = argc > 2 ? std::atoi(argv[2]) : kRunMilliseconds;
  test_support::TemporaryFolder folder;
  test_support::writeFile(folder.path() / "SavLoc.ini", "\"JN18EU\"\r\n");
  scenarios::ScriptedToolkitPlatform platform;
  platform.folders = {folder.path(), folder.path() / "user"};
  WinDurOzirozador window(platform);
  win32::RotatorSocket socket(window);
  window.attachRotator(socket, *address);
  win32::WindowView view(window);
  platform.attach(view);
  window.Form_Load();
  view.show(SW_SHOWNORMAL);
  window.show();

  // Only a sweep runs passes of the event loop from inside the window: the messages that came
  // after its first pass and before its last. One shown before it started is not in its middle.
  std::optional<std::size_t> beforeSweep;
  std::size_t duringSweep = 0;
  platform.onEventLoopPass = [&] {
    if (!beforeSweep) beforeSweep = platform.messages.size();
    duringSweep = std::max(duringSweep, platform.messages.size() - *beforeSweep);
  };
  const Clock::time_point start = Clock::now();
  typeInto(view, window.Text_S_Loc, argv[1]);
  std::printf("messages_during_sweep %zu\n", duringSweep);
  view.giveFocus(window.Text_S_Lat_Sec);
  SendMessageW(view.childOf(window.Text_S_Lat_Sec), EM_SETSEL, 0, -1);
  window.Text_S_Lat_Sec.select(0, window.Text_S_Lat_Sec.text().size());
  typeInto(view, window.Text_S_Lat_Sec, "5");
  if (window.Text_S_Lat_Sec.text() == "5") std::printf("key_ms %lld\n", millisecondsSince(start));
  std::printf("azimuth_label %s\n", window.LabelAzimut.caption().c_str());
  while (millisecondsSince(start) < runTime) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    win32::handlePendingMessages(view.handle());
  }
  for (const RecordedMessage& message : platform.messages)
    std::printf("message %s\n", message.text.c_str());
  for (const std::string& sentence : platform.announcements)
    std::printf("announced %s\n", sentence.c_str());
  std::printf("reading %s\n", window.antennaReading().c_str());
  std::printf("needle %s\n", window.antennaNeedle() ? "drawn" : "none");
  std::fflush(stdout);
  return 0;
}
