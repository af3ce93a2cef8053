#pragma once

#include "settings/file_system.hpp"

namespace tarvel {

// The real disk on Windows, through the W functions of Win32 on UTF-16 paths (a folder named with
// "é" or with non-Latin letters works); every failure is returned as a value.
class Win32FileSystem : public FileSystem {
 public:
  ReadStatus read(const std::filesystem::path& file, std::string& bytes) override;
  bool canCreateFilesIn(const std::filesystem::path& folder) override;
  bool createFolders(const std::filesystem::path& folder) override;
  std::unique_ptr<AppendFile> openForAppend(const std::filesystem::path& file) override;
  bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool syncFolder(const std::filesystem::path& folder) override;
  bool remove(const std::filesystem::path& file) override;
};

}  // namespace tarvel

namespace tarvel::settings {

// The folder of the running executable, from GetModuleFileNameW (any length, UTF-16).
std::filesystem::path win32ProgramFolder();

// Tarvel's folder in the user's roaming application data: %APPDATA%\Tarvel, or, when the variable
// is unset, empty or relative, FOLDERID_RoamingAppData's own \Tarvel. Empty when neither exists.
// The same rule as ~/.config/tarvel on Linux.
std::filesystem::path win32UserSettingsFolder();

}  // namespace tarvel::settings
