#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvel {
class FileSystem;
}

namespace tarvel::settings {

// The program's folder when the user keeps his own copy there (a build tree, a folder in his
// home) and a file can be created in it; otherwise the user's own folder. An installed copy, under
// /usr or /opt, always uses the user's folder: run as root it could write into /usr/bin. Load and
// exit decide alike, so a locator kept in one place is read back from there.
std::filesystem::path settingsFolder(FileSystem& files, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder);

// True where installed programs live: on Linux /usr and /opt and every folder below them, where
// packages install programs; on Windows Program Files and the Windows folder.
bool isSystemLocation(const std::filesystem::path& folder);

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
