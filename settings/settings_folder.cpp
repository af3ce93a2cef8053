#include "settings/settings_folder.hpp"

#include "settings/file_system.hpp"

namespace tarvel::settings {

std::filesystem::path settingsFolder(FileSystem& files, const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder) {
  return files.canCreateFilesIn(programFolder) ? programFolder : userFolder;
}

std::string withSeparator(const std::filesystem::path& folder) {
  std::string text = folder.string();
  if (text.empty() || text.back() != std::filesystem::path::preferred_separator)
    text.push_back(std::filesystem::path::preferred_separator);
  return text;
}

}  // namespace tarvel::settings
