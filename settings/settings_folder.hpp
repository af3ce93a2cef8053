#pragma once

#include <filesystem>
#include <string>

namespace tarvel {
class FileSystem;
}

namespace tarvel::settings {

// The program's folder when a file can be created there, otherwise the user's own folder (an
// installed program's folder is not writable). Load and exit decide alike, so a locator kept in
// one place is read back from there.
std::filesystem::path settingsFolder(FileSystem& files, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder);

// Tarvel's folder in the user's configuration: $XDG_CONFIG_HOME/tarvel, by default
// ~/.config/tarvel. Either variable may be unset (null) or empty.
std::filesystem::path userConfigFolder(const char* xdgConfigHome, const char* home);

// The folder's path ending with the platform's separator, added only when missing.
std::string withSeparator(const std::filesystem::path& folder);

}  // namespace tarvel::settings
