// What only the Windows build does with the settings: the program's folder from
// GetModuleFileNameW, %APPDATA%\Tarvel, and a program folder that Windows refuses to write into.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <knownfolders.h>
#include <sddl.h>
#include <shlobj.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "settings/disk_file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/system_folders.hpp"
#include "tests/settings/windows_child.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "tests/support/window_user.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

using test_support::readFile;
using test_support::TemporaryFolder;
using test_support::writeFile;

// The program folder a copy of the child finds for itself, as UTF-8.
std::optional<std::string> programFolderSeenBy(const std::filesystem::path& child,
                                               const std::filesystem::path& output) {
  const auto code = test_support::runChild(child, {L"program-folder", output.wstring()}, 60);
  if (code != 0ul) return std::nullopt;
  return readFile(output);
}

TEST(Win32ProgramFolder, IsTheFolderOfTheRunningExecutable) {
  TemporaryFolder root;
  EXPECT_EQ(programFolderSeenBy(test_support::settingsChild(), root.path() / "seen.txt"),
            settings::pathText(settings::programFolder()));
}

TEST(Win32ProgramFolder, FolderNamedWithAccentsAndOtherScriptsComesBackWhole) {
  TemporaryFolder root;
  const std::filesystem::path folder =
      root.path() / L"Radio\u00e9 \u0420\u0430\u0434\u0438\u043e \u7121\u7dda";
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  const auto copy = folder / L"tarvel_settings_child.exe";
  ASSERT_TRUE(::CopyFileW(test_support::settingsChild().c_str(), copy.c_str(), TRUE));
  EXPECT_EQ(programFolderSeenBy(copy, root.path() / "seen.txt"), settings::pathText(folder));
}

// Sets an environment variable for the test and puts the old value back after it. _wputenv_s
// changes the C runtime's copy, which _wgetenv reads, and the process's.
class ScopedVariable {
 public:
  ScopedVariable(const wchar_t* name, const wchar_t* value) : name_(name) {
    if (const wchar_t* old = ::_wgetenv(name)) old_ = old;
    ::_wputenv_s(name, value);
  }
  ~ScopedVariable() { ::_wputenv_s(name_, old_ ? old_->c_str() : L""); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const wchar_t* name_;
  std::optional<std::wstring> old_;
};

std::filesystem::path roamingAppData() {
  PWSTR known = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &known)))
    folder = known;
  ::CoTaskMemFree(known);
  return folder;
}

struct AppDataCase {
  std::string_view test;
  const wchar_t* appData;   // the variable's value, empty for unset
  const wchar_t* expected;  // null: the known folder's \Tarvel
};

void PrintTo(const AppDataCase& c, std::ostream* os) {
  *os << "APPDATA " << ::testing::PrintToString(std::wstring(c.appData)) << ": "
      << (c.expected ? ::testing::PrintToString(std::wstring(c.expected))
                     : std::string("the known folder"));
}

constexpr AppDataCase kAppDataCases[] = {
    {"Variable", L"C:\\Users\\F6ABC\\AppData\\Roaming",
     L"C:\\Users\\F6ABC\\AppData\\Roaming\\Tarvel"},
    {"VariableWithAccent", L"D:\\Profils\\Fr\u00e9d\u00e9ric",
     L"D:\\Profils\\Fr\u00e9d\u00e9ric\\Tarvel"},
    {"Unset", L"", nullptr},
    {"Relative", L"AppData\\Roaming", nullptr},
};

class Win32UserSettingsFolder : public ::testing::TestWithParam<AppDataCase> {};

TEST_P(Win32UserSettingsFolder, FollowsAppDataElseTheKnownFolder) {
  ScopedVariable appData(L"APPDATA", GetParam().appData);
  const std::filesystem::path expected = GetParam().expected
                                             ? std::filesystem::path(GetParam().expected)
                                             : roamingAppData() / L"Tarvel";
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(settings::userSettingsFolder().wstring(), expected.wstring());
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32UserSettingsFolder, ::testing::ValuesIn(kAppDataCases),
                         [](const auto& info) { return std::string(info.param.test); });

TEST(Win32FileSystemTest, CanCreateFilesInAnswersByTryingAndLeavesNothingBehind) {
  TemporaryFolder root;
  DiskFileSystem disk;
  EXPECT_TRUE(disk.canCreateFilesIn(root.path()));
  EXPECT_TRUE(std::filesystem::is_empty(root.path()));
  EXPECT_FALSE(disk.canCreateFilesIn(root.path() / "missing"));
  writeFile(root.path() / "file", "x");
  EXPECT_FALSE(disk.canCreateFilesIn(root.path() / "file"));
}

TEST(Win32FileSystemTest, ReplaceTakesThePlaceOfTheOldFileAndSyncFolderSucceeds) {
  TemporaryFolder root;
  DiskFileSystem disk;
  writeFile(root.path() / "SavLoc.ini", "old\r\n");
  writeFile(root.path() / "setting.tmp", "new\r\n");
  EXPECT_TRUE(disk.replace(root.path() / "setting.tmp", root.path() / "SavLoc.ini"));
  EXPECT_EQ(readFile(root.path() / "SavLoc.ini"), "new\r\n");
  EXPECT_FALSE(std::filesystem::exists(root.path() / "setting.tmp"));
  EXPECT_TRUE(disk.syncFolder(root.path()));
}

// A folder where the user may read but not create files, as Program Files is for an ordinary user:
// a protected DACL that allows everyone to read and to delete (so the test can clean up), nothing
// else.
bool denyCreation(const std::filesystem::path& folder) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(
          L"D:P(A;OICI;GRSDWD;;;WD)", SDDL_REVISION_1, &descriptor, nullptr))
    return false;
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  ::GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted);
  std::wstring name = folder.wstring();
  const bool set =
      ::SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
  ::LocalFree(descriptor);
  return set;
}

TEST(Win32ReadOnlyProgramFolder, SettingsGoToTheUserFolderAndComeBackFromThere) {
  TemporaryFolder root;
  const auto program = root.path() / "Program Files" / "Tarvel";
  const auto user = root.path() / "AppData" / "Roaming" / "Tarvel";
  std::filesystem::create_directories(program);
  DiskFileSystem disk;
  ASSERT_TRUE(denyCreation(program));
  if (disk.canCreateFilesIn(program))
    GTEST_SKIP() << "this disk ignores the folder's access rights (Wine run as root does)";

  {
    HeadlessPlatform platform(disk, program, user);
    WinDurOzirozador window(platform);
    window.Form_Load();
    EXPECT_EQ(window.folderPath, settings::pathText(user) + "\\");
    test_support::retypeMyLocator(window, "IO91WM");
    test_support::setKeepBox(window, true);
    test_support::closeWindow(window);
    EXPECT_TRUE(platform.messages.empty());
  }
  EXPECT_EQ(readFile(user / "SavLoc.ini"), "\"IO91WM\"\r\n");
  EXPECT_FALSE(std::filesystem::exists(program / "SavLoc.ini"));
  HeadlessPlatform platform(disk, program, user);
  WinDurOzirozador window(platform);
  window.Form_Load();
  EXPECT_EQ(window.Text_M_Loc.text(), "IO91WM");
}

}  // namespace
}  // namespace tarvel
