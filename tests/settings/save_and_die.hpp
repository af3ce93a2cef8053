#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string_view>

#include "tests/support/faulty_file_system.hpp"

namespace tarvel {
class FileSystem;
}

// The child's side of the crash test (save_kill_test.cpp): a save on the real disk that kills its
// own process just before or just after one step. On Linux it runs in a forked child; on Windows,
// which has no fork, in tarvel_settings_child.exe, started by the test with CreateProcessW.
namespace tarvel::test_support {

enum class Route { Writer, WindowExit };
// The route by its name in a test's log: SettingsWriter, WindowExit.
void PrintTo(Route route, std::ostream* os);

struct KillPoint {
  SaveStep step;
  Moment moment;
};

inline constexpr int kSurvived =
    3;  // the child's exit status when its kill point was never reached
inline constexpr int kKilledExitCode = 9;  // TerminateProcess's code on Windows, as for SIGKILL

// Load, retype my locator, check "Sauve" and close, as a user does. Answers how many messages
// the window showed.
std::size_t runWindowExit(FileSystem& files, const std::filesystem::path& folder,
                          std::string_view locator);

// Saves `locator` by `route` into `folder` and dies at `point`: SIGKILL on Linux, TerminateProcess
// on Windows, both without any cleanup of the process. Exits with kSurvived when the point never
// came.
[[noreturn]] void saveAndDie(Route route, const std::filesystem::path& folder,
                             std::string_view locator, KillPoint point);

}  // namespace tarvel::test_support
