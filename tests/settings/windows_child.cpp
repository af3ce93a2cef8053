#include "tests/settings/windows_child.hpp"

#include <windows.h>

#include "settings/system_folders.hpp"

namespace tarvel::test_support {

std::filesystem::path settingsChild() {
  return settings::programFolder() / L"tarvel_settings_child.exe";
}

std::optional<unsigned long> runChild(const std::filesystem::path& program,
                                      const std::vector<std::wstring>& arguments, int seconds) {
  std::wstring line = L"\"" + program.wstring() + L"\"";
  for (const auto& argument : arguments)
    line += L" \"" + argument + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    return std::nullopt;
  ::CloseHandle(process.hThread);
  std::optional<unsigned long> exitCode;
  if (::WaitForSingleObject(process.hProcess, static_cast<DWORD>(seconds) * 1000) ==
      WAIT_OBJECT_0) {
    DWORD code = 0;
    if (::GetExitCodeProcess(process.hProcess, &code)) exitCode = code;
  } else {
    ::TerminateProcess(process.hProcess, 1);
    ::WaitForSingleObject(process.hProcess, INFINITE);
  }
  ::CloseHandle(process.hProcess);
  return exitCode;
}

}  // namespace tarvel::test_support
