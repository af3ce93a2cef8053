#include "tests/settings/save_and_die.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include <ostream>

#include "settings/disk_file_system.hpp"
#include "settings/settings_writer.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/window_user.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::test_support {
namespace {

[[noreturn]] void dieAtOnce() {
#ifdef _WIN32
  ::TerminateProcess(::GetCurrentProcess(), kKilledExitCode);
#else
  ::raise(SIGKILL);
#endif
  for (;;) {
  }
}

[[noreturn]] void exitAtOnce(int status) {
#ifdef _WIN32
  ::ExitProcess(static_cast<UINT>(status));
#else
  ::_exit(status);
#endif
}

}  // namespace

std::size_t runWindowExit(FileSystem& files, const std::filesystem::path& folder,
                          std::string_view locator) {
  HeadlessPlatform platform(files, folder, folder / "user");
  WinDurOzirozador window(platform);
  window.Form_Load();
  window.show();
  retypeMyLocator(window, locator);
  setKeepBox(window, true);
  closeWindow(window);
  return platform.messages.size();
}

void saveAndDie(Route route, const std::filesystem::path& folder, std::string_view locator,
                KillPoint point) {
  DiskFileSystem disk;
  FaultyFileSystem files(disk);
  files.onStep = [point](SaveStep step, Moment moment) {
    if (step == point.step && moment == point.moment) dieAtOnce();
  };
  if (route == Route::Writer) {
    settings::saveSettingsLine(files, folder, settings::settingsLine(true, locator));
  } else {
    runWindowExit(files, folder, locator);
  }
  exitAtOnce(kSurvived);
}

void PrintTo(Route route, std::ostream* os) {
  *os << (route == Route::Writer ? "SettingsWriter" : "WindowExit");
}

}  // namespace tarvel::test_support
