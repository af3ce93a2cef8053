// Where the window keeps my locator: the program's folder for a copy the user keeps himself, the
// user's configuration folder for an installed copy, whatever the permissions say.
#include <gtest/gtest.h>

#include <string>

#include "fuzz/memory_file_system.hpp"
#include "settings/settings_folder.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/window_user.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

#ifdef _WIN32
constexpr const char* kUserFolder = "C:\\Users\\f6abc\\AppData\\Roaming\\Tarvel";
#else
constexpr const char* kUserFolder = "/home/f6abc/.config/tarvel";
#endif

// Files in memory, so that a wrong choice writes nothing into a real /usr/bin even as root.
class MemoryFolders : public fuzz::MemoryFileSystem {
 public:
  bool canCreateFilesIn(const std::filesystem::path&) override { return writable; }
  bool writable = true;
};

struct FolderCase {
  const char* name;
  const char* programFolder;
  bool writable;
  bool system;
  bool inProgramFolder;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
  *os << c.programFolder << (c.writable ? ", writable" : ", read-only")
      << (c.system ? ", a system folder" : "") << ": kept in the "
      << (c.inProgramFolder ? "program's folder" : "user's folder");
}

class SettingsFolderTest : public ::testing::TestWithParam<FolderCase> {};

// Regression: run as root, an installed copy wrote SavLoc.ini into /usr/bin because a file could
// be created there.
TEST_P(SettingsFolderTest, LoadReadsAndExitWritesInTheChosenFolderOnly) {
  const FolderCase& c = GetParam();
  const std::filesystem::path program = c.programFolder;
  const std::filesystem::path user = kUserFolder;
  EXPECT_EQ(settings::isSystemLocation(program), c.system);

  MemoryFolders files;
  files.writable = c.writable;
  files.files[(program / "SavLoc.ini").string()] = "\"JN23XX\"\r\n";
  files.files[(user / "SavLoc.ini").string()] = "\"IO91WM\"\r\n";
  const std::filesystem::path chosen = c.inProgramFolder ? program : user;
  const std::filesystem::path other = c.inProgramFolder ? user : program;

  HeadlessPlatform platform(files, program, user);
  WinDurOzirozador window(platform);
  window.Form_Load();
  window.show();
  EXPECT_EQ(window.folderPath, settings::withSeparator(chosen));
  EXPECT_EQ(window.Text_M_Loc.text(), c.inProgramFolder ? "JN23XX" : "IO91WM");

  test_support::retypeMyLocator(window, "PM95VQ");
  test_support::closeWindow(window);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(files.files[(chosen / "SavLoc.ini").string()], "\"PM95VQ\"\r\n");
  EXPECT_EQ(files.files[(other / "SavLoc.ini").string()],
            c.inProgramFolder ? "\"IO91WM\"\r\n" : "\"JN23XX\"\r\n");
  EXPECT_EQ(files.files.count((other / "setting.tmp").string()), 0u);
}

#ifdef _WIN32
// The known folders as Windows (and Wine) name them on a system installed on C:.
INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsFolderTest,
    ::testing::Values(
        // Installed copies: never their own folder, even when it can be written (elevated).
        FolderCase{"programFiles", "C:\\Program Files\\Tarvel", true, true, false},
        FolderCase{"programFilesX86", "C:\\Program Files (x86)\\Tarvel", true, true, false},
        FolderCase{"otherCase", "c:\\PROGRAM FILES\\tarvel", true, true, false},
        FolderCase{"forwardSlashes", "C:/Program Files/Tarvel", true, true, false},
        FolderCase{"windowsFolder", "C:\\Windows\\System32", true, true, false},
        FolderCase{"dotsLeadingIntoProgramFiles", "C:\\Users\\..\\Program Files\\Tarvel", true,
                   true, false},
        // The user's own copies: their folder when it can be written.
        FolderCase{"portableCopy", "C:\\Users\\f6abc\\Tarvel", true, false, true},
        FolderCase{"programFilesLookalike", "C:\\Program Files Radio\\Tarvel", true, false, true},
        FolderCase{"otherDrive", "D:\\Program Files\\Tarvel", true, false, true},
        FolderCase{"readOnlyCopy", "E:\\Tarvel", false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });
#else
INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsFolderTest,
    ::testing::Values(
        // Installed copies: never their own folder, even when it can be written.
        FolderCase{"usrBin", "/usr/bin", true, true, false},
        FolderCase{"usrLocalBin", "/usr/local/bin", true, true, false},
        FolderCase{"usrItself", "/usr", true, true, false},
        FolderCase{"optPackage", "/opt/tarvel/bin", true, true, false},
        FolderCase{"trailingSeparator", "/opt/", true, true, false},
        FolderCase{"dotsLeadingIntoUsr", "/home/f6abc/../../usr/bin", true, true, false},
        // The user's own copies: their folder when it can be written.
        FolderCase{"buildTree", "/home/f6abc/tarvel/build", true, false, true},
        FolderCase{"usrLookalike", "/usr2/bin", true, false, true},
        FolderCase{"optLookalike", "/optique/tarvel", true, false, true},
        FolderCase{"usrFurtherDown", "/home/f6abc/usr/bin", true, false, true},
        FolderCase{"dotsLeadingOutOfUsr", "/usr/../home/f6abc/tarvel", true, false, true},
        FolderCase{"readOnlyCopy", "/home/f6abc/tarvel", false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });
#endif

}  // namespace
}  // namespace tarvel
