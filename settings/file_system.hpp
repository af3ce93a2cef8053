#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tarvel {

// Missing: nothing stands at the path. Failed: a file stands there but cannot be read (no
// permission, held without sharing by another program, a folder, a FIFO or a device, which are
// never waited on nor read without end), or reading it failed midway.
enum class ReadStatus { Ok, Missing, Failed };

// Takes a file's bytes a block at a time, so that no file is ever held whole.
using ReadBlock = std::function<void(std::string_view)>;

// A file opened for appending. Each step answers whether it succeeded; none throws.
class AppendFile {
 public:
  virtual ~AppendFile() = default;
  virtual bool write(std::string_view bytes) = 0;
  virtual bool sync() = 0;  // the bytes are on the disk when this returns true
  virtual bool close() = 0;
};

// Held while it lives: no other copy of the program holding the same folder's lock meanwhile.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

// What the settings file needs of a file system. Every failure comes back as a value, so that no
// error of the disk can stop the window.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual ReadStatus read(const std::filesystem::path& file, const ReadBlock& consume) = 0;
  virtual bool canCreateFilesIn(const std::filesystem::path& folder) = 0;
  // Something (a file, a folder) stands at this path.
  virtual bool exists(const std::filesystem::path& path) = 0;
  // A folder stands at this path (a file of that name cannot be written there).
  virtual bool isFolder(const std::filesystem::path& path) = 0;
  virtual bool createFolders(const std::filesystem::path& folder) = 0;
  // A regular file with a single name stands at this path itself, not a link (symbolic or hard),
  // a folder or a special file (a FIFO, a device).
  virtual bool isPlainFile(const std::filesystem::path& path) = 0;
  // Created when absent; null when it cannot be opened, or when what stands there is not a plain
  // file (a link is never followed, a FIFO never waited on): the program writes into nothing but
  // its own file.
  virtual std::unique_ptr<AppendFile> openForAppend(const std::filesystem::path& file) = 0;
  // Puts `from` in the place of `to` in one atomic step.
  virtual bool replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual bool syncFolder(const std::filesystem::path& folder) = 0;
  virtual bool remove(const std::filesystem::path& file) = 0;
  // The folder's lock, shared by every copy of the program that saves there, waited for at most
  // `wait`; null when it was not had in time or cannot be had at all.
  virtual std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path& folder,
                                                 std::chrono::milliseconds wait) = 0;
};

}  // namespace tarvel
