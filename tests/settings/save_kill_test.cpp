// Crash safety of the save: a child process saves my locator on a real folder and is killed
// (SIGKILL on Linux, TerminateProcess on Windows) just before or just after each step. Whatever the
// point, the settings file must hold the whole old line or the whole new one, the next start must
// read a locator, and the exit after the crash must still save.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "tests/settings/windows_child.hpp"
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <iostream>
#include <string>
#include <vector>

#include "settings/disk_file_system.hpp"
#include "settings/settings_writer.hpp"
#include "tests/settings/save_and_die.hpp"
#include "tests/support/faulty_file_system.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

using test_support::KillPoint;
using test_support::Moment;
using test_support::Route;
using test_support::runWindowExit;
using test_support::SaveStep;

#ifdef _WIN32
constexpr int kRepeats = 4;  // a process started under Wine costs some 50 ms: 96 starts a route
#else
constexpr int kRepeats = 8;
#endif
constexpr std::string_view kAfterCrashLocator = "PM95VQ";

struct Direction {
  std::string_view from, to;
};

constexpr Direction kDirections[] = {{"JN23XX", "IO91WM"}, {"IO91WM", "JN23XX"}};

std::string lineOf(std::string_view locator) {
  return settings::settingsLine(true, locator);
}

std::vector<KillPoint> everyKillPoint() {
  std::vector<KillPoint> points;
  for (const SaveStep step : test_support::kSaveSteps) {
    points.push_back({step, Moment::Before});
    points.push_back({step, Moment::After});
  }
  return points;
}

// The rename is the one step that changes what the folder holds.
bool newLineExpected(const KillPoint& point) {
  return point.step == SaveStep::SyncFolder ||
         (point.step == SaveStep::Replace && point.moment == Moment::After);
}

// Runs the save in a child process that dies at `point`: true when it was killed there.
bool saveInAChildKilledAt(Route route, const std::filesystem::path& folder,
                          std::string_view locator, KillPoint point) {
#ifdef _WIN32
  const auto code =
      test_support::runChild(test_support::settingsChild(),
                             {L"save-and-die", std::to_wstring(static_cast<int>(route)),
                              std::to_wstring(static_cast<int>(point.step)),
                              std::to_wstring(static_cast<int>(point.moment)), folder.wstring(),
                              std::wstring(locator.begin(), locator.end())},
                             60);
  return code == static_cast<unsigned long>(test_support::kKilledExitCode);
#else
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) test_support::saveAndDie(route, folder, locator, point);
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
#endif
}

// The locator a new window reads at its start.
std::string nextStartLocator(FileSystem& files, const std::filesystem::path& folder) {
  HeadlessPlatform platform(files, folder, folder / "user");
  WinDurOzirozador window(platform);
  window.Form_Load();
  return window.Text_M_Loc.text();
}

struct Tally {
  int kills = 0;
  int losses = 0;
};

class SaveKillTest : public ::testing::TestWithParam<Route> {
 protected:
  void killOnce(const Direction& direction, const KillPoint& point) {
    const auto settings = folder_.path() / "SavLoc.ini";
    std::filesystem::remove(folder_.path() / "setting.tmp");
    test_support::writeFile(settings, lineOf(direction.from));

    ASSERT_TRUE(saveInAChildKilledAt(GetParam(), folder_.path(), direction.to, point))
        << "the child was not killed at " << test_support::stepName(point.step);
    ++tally_.kills;

    const auto content = test_support::readFile(settings);
    const bool whole = content == lineOf(direction.from) || content == lineOf(direction.to);
    EXPECT_EQ(content, lineOf(newLineExpected(point) ? direction.to : direction.from))
        << "killed " << (point.moment == Moment::Before ? "before " : "after ")
        << test_support::stepName(point.step);
    const std::string read = nextStartLocator(disk_, folder_.path());
    const bool readable = read == direction.from || read == direction.to;
    EXPECT_TRUE(readable) << "next start read \"" << read << "\"";

    // What a crash leaves behind must not stop the next exit from saving.
    runWindowExit(disk_, folder_.path(), kAfterCrashLocator);
    const bool recovered = nextStartLocator(disk_, folder_.path()) == kAfterCrashLocator;
    EXPECT_TRUE(recovered) << "the exit after the crash did not save";
    if (!whole || !readable || !recovered) ++tally_.losses;
  }

  void report() {
    std::cout << "kills: " << tally_.kills << ", losses: " << tally_.losses << '\n';
    RecordProperty("kills", tally_.kills);
    RecordProperty("losses", tally_.losses);
  }

  test_support::TemporaryFolder folder_;
  DiskFileSystem disk_;
  Tally tally_;
};

TEST_P(SaveKillTest, KillAtEveryStepLosesNoLocator) {
  const std::vector<KillPoint> points = everyKillPoint();
  for (int repeat = 0; repeat < kRepeats; ++repeat) {
    for (const Direction& direction : kDirections) {
      for (const KillPoint& point : points)
        killOnce(direction, point);
    }
  }
  report();
  EXPECT_EQ(tally_.kills, kRepeats * 2 * static_cast<int>(points.size()));
  EXPECT_EQ(tally_.losses, 0);
}

INSTANTIATE_TEST_SUITE_P(BothRoutes, SaveKillTest,
                         ::testing::Values(Route::Writer, Route::WindowExit),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

}  // namespace
}  // namespace tarvel
