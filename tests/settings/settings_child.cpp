// tarvel_settings_child.exe: what the Windows settings tests run in a process of its own.
//   save-and-die ROUTE STEP MOMENT FOLDER LOCATOR   the crash test's child (save_and_die.hpp)
//   program-folder OUTPUT                           writes its own program folder, UTF-8, to OUTPUT
//   close-at EVENT FOLDER LOCATOR                   when EVENT is set, a window's close on the
//                                                   disk; exits with the number of its messages
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <fstream>
#include <string>
#include <vector>

#include "settings/disk_file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/system_folders.hpp"
#include "tests/settings/save_and_die.hpp"

namespace {

using namespace tarvel;

std::vector<std::wstring> arguments() {
  int count = 0;
  LPWSTR* list = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> result(list, list + count);
  ::LocalFree(list);
  return result;
}

std::string narrow(const std::wstring& text) {
  return settings::pathText(std::filesystem::path(text));
}

}  // namespace

int main() {
  const auto args = arguments();
  if (args.size() == 7 && args[1] == L"save-and-die") {
    const test_support::KillPoint point{static_cast<test_support::SaveStep>(std::stoi(args[3])),
                                        static_cast<test_support::Moment>(std::stoi(args[4]))};
    test_support::saveAndDie(static_cast<test_support::Route>(std::stoi(args[2])),
                             std::filesystem::path(args[5]), narrow(args[6]), point);
  }
  if (args.size() == 5 && args[1] == L"close-at") {
    const HANDLE start = ::OpenEventW(SYNCHRONIZE, FALSE, args[2].c_str());
    if (!start || ::WaitForSingleObject(start, 60000) != WAIT_OBJECT_0) return 100;
    DiskFileSystem disk;
    return static_cast<int>(
        test_support::runWindowExit(disk, std::filesystem::path(args[3]), narrow(args[4])));
  }
  if (args.size() == 3 && args[1] == L"program-folder") {
    std::ofstream(std::filesystem::path(args[2]), std::ios::binary)
        << settings::pathText(settings::programFolder());
    return 0;
  }
  return 2;
}
