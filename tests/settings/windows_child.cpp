#include "tests/settings/windows_child.hpp"

#include <windows.h>

#include "settings/system_folders.hpp"

namespace tarvel::test_support {

std::filesystem::path settingsChild() {
  return settings::programFolder() / L"tarvel_settings_child.exe";
}

void* startChild(const std::filesystem::path& program, const std::vector<std::wstring>& arguments) {
  std::wstring line = L"\"" + program.wstring() + L"\"";
  for (const auto& argument : arguments)
    line += L" \"" + argument + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    return nullptr;
  ::CloseHandle(process.hThread);
  return process.hProcess;
}

std::optional<unsigned long> waitChild(void* process, int seconds) {
  if (!process) return std::nullopt;
  std::optional<unsigned long> exitCode;
  if (::WaitForSingleObject(process, static_cast<DWORD>(seconds) * 1000) == WAIT_OBJECT_0) {
    DWORD code = 0;
    if (::GetExitCodeProcess(process, &code)) exitCode = code;
  } else {
    ::TerminateProcess(process, 1);
    ::WaitForSingleObject(process, INFINITE);
  }
  ::CloseHandle(process);
  return exitCode;
}

std::optional<unsigned long> runChild(const std::filesystem::path& program,
                                      const std::vector<std::wstring>& arguments, int seconds) {
  return waitChild(startChild(program, arguments), seconds);
}

}  // namespace tarvel::test_support
