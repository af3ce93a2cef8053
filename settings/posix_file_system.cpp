#include "settings/disk_file_system.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "settings/settings_folder.hpp"
#include "settings/system_folders.hpp"

namespace tarvel {
namespace {

class PosixAppendFile : public AppendFile {
 public:
  explicit PosixAppendFile(int descriptor) : descriptor_(descriptor) {}
  ~PosixAppendFile() override {
    if (descriptor_ >= 0) ::close(descriptor_);
  }

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }
  bool sync() override { return ::fsync(descriptor_) == 0; }
  bool close() override {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return ::close(descriptor) == 0;
  }

 private:
  int descriptor_;
};

// The file opened for reading, or why it could not be: Missing or Failed.
struct OpenedToRead {
  int descriptor;
  ReadStatus status;
};

bool isRegular(int descriptor, bool singleName) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
         (!singleName || status.st_nlink == 1);
}

// O_NONBLOCK: opening a FIFO would wait for a writer; the check after the opening then refuses it,
// and a device (a link to /dev/zero would be read without end) too.
OpenedToRead openToRead(const std::filesystem::path& file) {
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor >= 0) {
    if (isRegular(descriptor, false)) return {descriptor, ReadStatus::Ok};
    ::close(descriptor);
    return {-1, ReadStatus::Failed};
  }
  // ENOTDIR: a file stands in place of one of the folders, so this one cannot exist. EACCES and
  // the like: the file is there, it cannot be read.
  return {-1, errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed};
}

class PosixFolderLock : public FolderLock {
 public:
  explicit PosixFolderLock(int descriptor) : descriptor_(descriptor) {}
  ~PosixFolderLock() override { ::close(descriptor_); }  // which releases the lock
  PosixFolderLock(const PosixFolderLock&) = delete;
  PosixFolderLock& operator=(const PosixFolderLock&) = delete;

 private:
  int descriptor_;
};

bool tryLock(int descriptor) {
  int result = 0;
  while ((result = ::flock(descriptor, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  return result == 0;
}

ReadStatus readBlocks(int descriptor, const ReadBlock& consume) {
  char block[65536];
  ssize_t count = 0;
  while ((count = ::read(descriptor, block, sizeof block)) != 0) {
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return ReadStatus::Failed;
    consume(std::string_view(block, static_cast<std::size_t>(count)));
  }
  return ReadStatus::Ok;
}

}  // namespace

ReadStatus DiskFileSystem::read(const std::filesystem::path& file, const ReadBlock& consume) {
  const OpenedToRead opened = openToRead(file);
  if (opened.status != ReadStatus::Ok) return opened.status;
  const ReadStatus status = readBlocks(opened.descriptor, consume);
  ::close(opened.descriptor);
  return status;
}

bool DiskFileSystem::canCreateFilesIn(const std::filesystem::path& folder) {
  // access() also answers for a read-only mount, where even root cannot write.
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool DiskFileSystem::exists(const std::filesystem::path& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

bool DiskFileSystem::isFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool DiskFileSystem::createFolders(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error && std::filesystem::is_directory(folder, error);
}

bool DiskFileSystem::isPlainFile(const std::filesystem::path& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_nlink == 1;
}

// O_NOFOLLOW: a planted symbolic link is refused, never written through; O_NONBLOCK: a planted
// FIFO does not hold the close. A hard link is a regular file, refused by its count of names.
std::unique_ptr<AppendFile> DiskFileSystem::openForAppend(const std::filesystem::path& file) {
  const int descriptor = ::open(
      file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (descriptor < 0) return nullptr;
  if (!isRegular(descriptor, true)) {
    ::close(descriptor);
    return nullptr;
  }
  return std::make_unique<PosixAppendFile>(descriptor);
}

bool DiskFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool DiskFileSystem::syncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = ::fsync(descriptor) == 0;
  ::close(descriptor);
  return synced;
}

bool DiskFileSystem::remove(const std::filesystem::path& file) {
  return ::unlink(file.c_str()) == 0;
}

// An advisory lock on the folder itself, opened for reading: nothing new appears in it. The lock
// goes with the descriptor, when the lock ends or the process does, however it ends.
std::unique_ptr<FolderLock> DiskFileSystem::lockFolder(const std::filesystem::path& folder,
                                                       std::chrono::milliseconds wait) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (!tryLock(descriptor)) {
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
      ::close(descriptor);
      return nullptr;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::make_unique<PosixFolderLock>(descriptor);
}

namespace settings {

std::filesystem::path programFolder() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

namespace {

// The home folder the password database gives this user: HOME may be unset (a service, a cron
// job, `env -i`). Empty when the database has no answer.
std::string passwordHome() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE)
    buffer.resize(buffer.size() * 2);
  return found && found->pw_dir ? found->pw_dir : "";
}

}  // namespace

std::filesystem::path userSettingsFolder() {
  const char* home = std::getenv("HOME");
  const std::string fromDatabase = home && *home ? std::string() : passwordHome();
  return userConfigFolder(std::getenv("XDG_CONFIG_HOME"),
                          fromDatabase.empty() ? home : fromDatabase.c_str());
}

}  // namespace settings
}  // namespace tarvel
