#pragma once

#include <filesystem>

// Where the system puts the program and the user's own settings. One implementation per system,
// beside its disk file system: posix_file_system.cpp and win32_file_system.cpp.
namespace tarvel::settings {

// The folder of the running executable.
std::filesystem::path programFolder();

// Tarvel's folder among the user's settings: $XDG_CONFIG_HOME/tarvel (by default
// ~/.config/tarvel, the home taken from the password database when HOME is unset) on Linux,
// %APPDATA%\Tarvel on Windows.
std::filesystem::path userSettingsFolder();

}  // namespace tarvel::settings
