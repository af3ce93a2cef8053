#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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

// The folder's path, in UTF-8, ending with the platform's separator, added only when missing.
std::string withSeparator(const std::filesystem::path& folder);

// A path as UTF-8 text and back. On Linux both keep the bytes as they are; on Windows, whose paths
// are UTF-16, they convert, where path::string() and path(std::string) would take the ANSI code
// page and lose every letter outside it.
std::string pathText(const std::filesystem::path& path);
std::filesystem::path textPath(std::string_view utf8);

}  // namespace tarvel::settings
