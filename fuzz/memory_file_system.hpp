#pragma once

#include <map>
#include <memory>
#include <string>

#include "settings/file_system.hpp"

namespace tarvel::fuzz {

// Files kept in memory, so that a fuzzing process runs thousands of windows without touching the
// disk. Folders always exist and can be written.
class MemoryFileSystem : public FileSystem {
 public:
  ReadStatus read(const std::filesystem::path& file, const ReadBlock& consume) override {
    const auto found = files.find(file.string());
    if (found == files.end()) return ReadStatus::Missing;
    consume(found->second);
    return ReadStatus::Ok;
  }
  bool canCreateFilesIn(const std::filesystem::path&) override { return true; }
  bool exists(const std::filesystem::path& path) override { return files.count(path.string()) > 0; }
  bool isFolder(const std::filesystem::path&) override { return false; }
  bool isPlainFile(const std::filesystem::path& path) override { return exists(path); }
  bool createFolders(const std::filesystem::path&) override { return true; }
  std::unique_ptr<AppendFile> openForAppend(const std::filesystem::path& file) override {
    return std::make_unique<MemoryAppendFile>(files[file.string()]);
  }
  bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    const auto found = files.find(from.string());
    if (found == files.end()) return false;
    std::string bytes = std::move(found->second);
    files.erase(found);
    files[to.string()] = std::move(bytes);
    return true;
  }
  bool syncFolder(const std::filesystem::path&) override { return true; }
  bool remove(const std::filesystem::path& file) override { return files.erase(file.string()) > 0; }
  // One process, one window at a time: there is nobody to take turns with.
  std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path&,
                                         std::chrono::milliseconds) override {
    return std::make_unique<FolderLock>();
  }

  std::map<std::string, std::string> files;

 private:
  class MemoryAppendFile : public AppendFile {
   public:
    explicit MemoryAppendFile(std::string& bytes) : bytes_(bytes) {}
    bool write(std::string_view bytes) override {
      bytes_.append(bytes);
      return true;
    }
    bool sync() override { return true; }
    bool close() override { return true; }

   private:
    std::string& bytes_;  // map nodes stay put while the map grows
  };
};

}  // namespace tarvel::fuzz
