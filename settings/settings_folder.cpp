#include "settings/settings_folder.hpp"

#include "settings/file_system.hpp"

namespace tarvel::settings {

#ifndef _WIN32
// Windows has its own, with its known folders, in win32_file_system.cpp.
bool isSystemLocation(const std::filesystem::path& folder) {
  const std::filesystem::path normal = folder.lexically_normal();
  auto part = normal.begin();
  if (part == normal.end() || *part != "/") return false;
  ++part;
  return part != normal.end() && (*part == "usr" || *part == "opt");
}
#endif

std::filesystem::path settingsFolder(FileSystem& files, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder) {
  if (isSystemLocation(programFolder)) return userFolder;
  return files.canCreateFilesIn(programFolder) ? programFolder : userFolder;
}

std::filesystem::path userConfigFolder(const char* xdgConfigHome, const char* home) {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  if (xdgConfigHome && std::filesystem::path(xdgConfigHome).is_absolute())
    return std::filesystem::path(xdgConfigHome) / "tarvel";
  const std::filesystem::path homeFolder = home && *home ? home : "/";
  return homeFolder / ".config" / "tarvel";
}

std::string withSeparator(const std::filesystem::path& folder) {
  std::string text = pathText(folder);
  if (text.empty() || text.back() != std::filesystem::path::preferred_separator)
    text.push_back(std::filesystem::path::preferred_separator);
  return text;
}

std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path textPath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace tarvel::settings
