#include "settings/settings_folder.hpp"

#include "settings/file_system.hpp"

namespace tarvel::settings {

std::filesystem::path settingsFolder(FileSystem& files, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder) {
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
  std::string text = folder.string();
  if (text.empty() || text.back() != std::filesystem::path::preferred_separator)
    text.push_back(std::filesystem::path::preferred_separator);
  return text;
}

}  // namespace tarvel::settings
