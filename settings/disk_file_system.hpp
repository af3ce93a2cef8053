#pragma once

#include "settings/file_system.hpp"

namespace tarvel {

// The real disk, every failure returned as a value. One implementation per system:
// posix_file_system.cpp on Linux, through POSIX calls; win32_file_system.cpp on Windows, through
// the W functions of Win32.
class DiskFileSystem : public FileSystem {
 public:
  ReadStatus read(const std::filesystem::path& file, const ReadBlock& consume) override;
  bool canCreateFilesIn(const std::filesystem::path& folder) override;
  bool exists(const std::filesystem::path& path) override;
  bool isFolder(const std::filesystem::path& path) override;
  bool createFolders(const std::filesystem::path& folder) override;
  bool isPlainFile(const std::filesystem::path& path) override;
  std::unique_ptr<AppendFile> openForAppend(const std::filesystem::path& file) override;
  bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool syncFolder(const std::filesystem::path& folder) override;
  bool remove(const std::filesystem::path& file) override;
  std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path& folder,
                                         std::chrono::milliseconds wait) override;
};

}  // namespace tarvel
