#pragma once

#include <filesystem>

// The folders of the Windows program, for the Win32 platform (window/win32) and the tests. The
// disk itself is DiskFileSystem (settings/disk_file_system.hpp), whose Windows implementation,
// win32_file_system.cpp, also holds these.
namespace tarvel::settings {

// The folder of the running executable, from GetModuleFileNameW (any length, UTF-16).
std::filesystem::path win32ProgramFolder();

// Tarvel's folder in the user's roaming application data: %APPDATA%\Tarvel, or, when the variable
// is unset, empty or relative, FOLDERID_RoamingAppData's own \Tarvel. Empty when neither exists.
// The same rule as ~/.config/tarvel on Linux.
std::filesystem::path win32UserSettingsFolder();

}  // namespace tarvel::settings
