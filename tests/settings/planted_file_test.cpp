// What another user can plant in a shared settings folder: a link or a FIFO as setting.tmp is
// never written through nor waited on, and SavLoc.ini stays the old file; a FIFO or a device as
// SavLoc.ini is an unreadable file at start, never a start that hangs.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <functional>
#include <string>

#include "settings/disk_file_system.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "tests/support/window_user.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

using test_support::readFile;
using test_support::TemporaryFolder;
using test_support::writeFile;

constexpr std::string_view kNotPlain =
    "Impossible d'enregistrer le locator : le fichier setting.tmp ne peut être écrit, c'est un "
    "lien ou un fichier spécial.";
constexpr std::string_view kUnreadable =
    "Impossible de lire le locator enregistré : le fichier SavLoc.ini n'a pas pu être lu. Il "
    "restera tel quel, sauf si vous cochez Sauve.";
const std::string kOldFile = "\"JN23XX\"\r\n";
const std::string kVictim = "the user's own file\n";

struct Plant {
  std::string_view name;
  // Plants `at`, pointing to `victim` where it is a link; false when the system refuses.
  std::function<bool(const std::filesystem::path& at, const std::filesystem::path& victim)> make;
};

void PrintTo(const Plant& plant, std::ostream* os) {
  *os << plant.name;
}

bool hardLink(const std::filesystem::path& at, const std::filesystem::path& victim) {
  std::error_code error;
  std::filesystem::create_hard_link(victim, at, error);
  return !error;
}

#ifdef _WIN32
// Wine makes hard links but no reparse point: a planted symbolic link rests on Windows' documented
// FILE_FLAG_OPEN_REPARSE_POINT and FILE_ATTRIBUTE_REPARSE_POINT, which this run cannot show.
const Plant kPlants[] = {{"HardLink", hardLink}};
#else
const Plant kPlants[] = {
    {"SymbolicLink",
     [](const auto& at, const auto& victim) { return ::symlink(victim.c_str(), at.c_str()) == 0; }},
    {"HardLink", hardLink},
    {"Fifo", [](const auto& at, const auto&) { return ::mkfifo(at.c_str(), 0644) == 0; }},
};
#endif

struct ProgramRun {
  ProgramRun(FileSystem& files, const std::filesystem::path& folder)
      : platform(files, folder, folder / "user") {
    window.Form_Load();
    window.show();
  }
  HeadlessPlatform platform;
  WinDurOzirozador window{platform};
};

class PlantedTemporary : public ::testing::TestWithParam<Plant> {};

TEST_P(PlantedTemporary, IsLeftAloneAndTheOldFileStays) {
  TemporaryFolder folder;
  const auto settings = folder.path() / "SavLoc.ini";
  const auto victim = folder.path() / "victim.txt";
  const auto temporary = folder.path() / "setting.tmp";
  writeFile(settings, kOldFile);
  writeFile(victim, kVictim);
  ASSERT_TRUE(GetParam().make(temporary, victim));

  DiskFileSystem disk;
  ProgramRun run(disk, folder.path());
  ASSERT_EQ(run.window.Text_M_Loc.text(), "JN23XX");
  test_support::retypeMyLocator(run.window, "IO91WM");
  test_support::setKeepBox(run.window, true);
  test_support::closeWindow(run.window);

  EXPECT_EQ(readFile(victim), kVictim);
  EXPECT_EQ(readFile(settings), kOldFile);
  EXPECT_TRUE(disk.isPlainFile(settings));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(temporary)));
  ASSERT_EQ(run.platform.messages.size(), 1u);
  EXPECT_EQ(run.platform.messages[0].text, kNotPlain);
  EXPECT_TRUE(run.window.saveFailed);
  EXPECT_TRUE(run.platform.programEnded);
}

INSTANTIATE_TEST_SUITE_P(Plants, PlantedTemporary, ::testing::ValuesIn(kPlants),
                         [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32
// Opened without O_NONBLOCK, the FIFO held the start in open() until someone wrote to it; a link
// to /dev/zero was read without end.
TEST(PlantedSettings, FifoOrDeviceIsAnUnreadableFileAtStart) {
  for (const bool fifo : {true, false}) {
    TemporaryFolder folder;
    const auto settings = folder.path() / "SavLoc.ini";
    ASSERT_EQ(fifo ? ::mkfifo(settings.c_str(), 0644) : ::symlink("/dev/zero", settings.c_str()),
              0);
    DiskFileSystem disk;
    ProgramRun run(disk, folder.path());
    ASSERT_EQ(run.platform.messages.size(), 1u) << (fifo ? "FIFO" : "/dev/zero");
    EXPECT_EQ(run.platform.messages[0].text, kUnreadable);
    EXPECT_EQ(run.window.Text_M_Loc.text(), "");
  }
}
#endif

}  // namespace
}  // namespace tarvel
