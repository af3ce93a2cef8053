#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Windows only: the settings tests' child processes (tarvel_settings_child.exe).
namespace tarvel::test_support {

// tarvel_settings_child.exe beside the running test.
std::filesystem::path settingsChild();

// Starts `program` with `arguments` (each quoted): its process handle, null when it could not
// start.
void* startChild(const std::filesystem::path& program, const std::vector<std::wstring>& arguments);

// Waits at most `seconds` for the started child, then closes its handle: its exit code, or none
// when it could not start or had to be ended after the time limit.
std::optional<unsigned long> waitChild(void* process, int seconds);

// Both at once.
std::optional<unsigned long> runChild(const std::filesystem::path& program,
                                      const std::vector<std::wstring>& arguments, int seconds);

}  // namespace tarvel::test_support
