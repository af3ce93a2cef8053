#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "calc/log_file.hpp"

namespace tarvel::calc {
namespace {

struct Reason {
  int error;
  std::string_view text;
};
constexpr std::array<Reason, 11> kReasons{{
    {ENOENT, "fichier ou dossier introuvable"},
    {ENOTDIR, "un fichier se trouve à la place d'un dossier"},
    {EACCES, "permission refusée"},
    {EPERM, "opération interdite"},
    {EISDIR, "c'est un dossier"},
    {ENOSPC, "plus de place sur le disque"},
    {EFBIG, "fichier trop grand"},
    {EDQUOT, "quota de disque dépassé"},
    {EROFS, "système de fichiers en lecture seule"},
    {EIO, "erreur d'entrée-sortie"},
    {EPIPE, "tube fermé"},
}};

// The system's reason, in French; its number for one a log seldom meets.
std::string reason(int error) {
  for (const Reason& known : kReasons) {
    if (known.error == error) return std::string(known.text);
  }
  return "erreur système " + std::to_string(error);
}

std::string named(const std::filesystem::path& path) {
  return "« " + path.string() + " »";
}

// 0, or the errno of the write that failed.
int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ > STDERR_FILENO) ::close(descriptor_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return descriptor_; }

 private:
  int descriptor_;
};

// A file of our own in `folder`, named from `stem` and made unique by mkostemp.
int uniqueFile(const std::filesystem::path& folder, const std::string& stem,
               std::filesystem::path& made) {
  std::string pattern = (folder / (stem + ".XXXXXX")).string();
  const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (descriptor < 0) {
    throw WriteFailed("fichier temporaire impossible dans " + named(folder) + " : " +
                      reason(errno));
  }
  made = pattern;
  return descriptor;
}

}  // namespace

void readLog(const std::string& path, const std::function<void(std::string_view)>& consume) {
  const std::string name = path.empty() ? "l'entrée standard" : named(path);
  const Descriptor file(path.empty() ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) throw ReadFailed("lecture de " + name + " impossible : " + reason(errno));
  std::vector<char> block(kLogBlock);
  for (;;) {
    const ssize_t count = ::read(file.get(), block.data(), block.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) throw ReadFailed("lecture de " + name + " impossible : " + reason(errno));
    if (count == 0) return;
    consume(std::string_view(block.data(), static_cast<std::size_t>(count)));
  }
}

void StandardOutput::writeThrough(std::string_view bytes) {
  if (const int error = writeAll(STDOUT_FILENO, bytes)) {
    throw WriteFailed("écriture impossible sur la sortie standard : " + reason(error));
  }
}

// Its destructor, not the writer's, removes the temporary file: it also runs when the writer's
// constructor throws after the file was made.
struct LogReplacement::File {
  std::filesystem::path log, temporary;
  int descriptor = -1;
  bool committed = false;
  ~File() {
    if (committed) return;
    if (descriptor >= 0) ::close(descriptor);
    if (!temporary.empty()) ::unlink(temporary.c_str());
  }
};

LogReplacement::LogReplacement(const std::string& log) : file_(std::make_unique<File>()) {
  std::error_code error;
  file_->log = std::filesystem::canonical(log, error);
  if (error)
    throw ReadFailed("lecture de " + named(log) + " impossible : " + reason(error.value()));
  struct stat status {};
  if (::stat(file_->log.c_str(), &status) != 0)
    throw ReadFailed("lecture de " + named(log) + " impossible : " + reason(errno));
  if (!S_ISREG(status.st_mode))
    throw WriteFailed(named(log) + " n'est pas un fichier ordinaire : il ne peut être remplacé");
  // A log its owner made read-only is not to be changed, although its folder would allow it.
  if (::access(file_->log.c_str(), W_OK) != 0)
    throw WriteFailed(named(log) + " ne peut être modifié : " + reason(errno));
  file_->descriptor =
      uniqueFile(file_->log.parent_path(), "." + file_->log.filename().string(), file_->temporary);
  // The owner first: a change of owner may clear the mode's special bits.
  const bool foreign = status.st_uid != ::geteuid() || status.st_gid != ::getegid();
  if (foreign && ::fchown(file_->descriptor, status.st_uid, status.st_gid) != 0)
    throw WriteFailed("le propriétaire de " + named(log) +
                      " ne peut être gardé : " + reason(errno));
  if (::fchmod(file_->descriptor, status.st_mode & 07777) != 0)
    throw WriteFailed("les permissions de " + named(log) +
                      " ne peuvent être gardées : " + reason(errno));
}

LogReplacement::~LogReplacement() = default;

void LogReplacement::writeThrough(std::string_view bytes) {
  if (const int error = writeAll(file_->descriptor, bytes))
    throw WriteFailed("écriture de " + named(file_->temporary) + " impossible : " + reason(error));
}

void LogReplacement::commit() {
  flush();
  const std::string failed = "écriture de " + named(file_->temporary) + " impossible : ";
  if (::fsync(file_->descriptor) != 0) throw WriteFailed(failed + reason(errno));
  const int descriptor = file_->descriptor;
  file_->descriptor = -1;
  if (::close(descriptor) != 0) throw WriteFailed(failed + reason(errno));
  if (std::rename(file_->temporary.c_str(), file_->log.c_str()) != 0)
    throw WriteFailed(named(file_->log) + " ne peut être remplacé : " + reason(errno));
  file_->committed = true;
  // The new name on the disk too; the log is whole either way, so a failure here changes nothing.
  const Descriptor folder(
      ::open(file_->log.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) (void)::fsync(folder.get());
}

struct OverflowFile::File {
  int descriptor = -1;
  std::uint64_t size = 0;
  ~File() {
    if (descriptor >= 0) ::close(descriptor);
  }
};

OverflowFile::OverflowFile() : file_(std::make_unique<File>()) {}

OverflowFile::~OverflowFile() = default;

void OverflowFile::append(std::string_view bytes) {
  if (file_->descriptor < 0) {
    const char* folder = std::getenv("TMPDIR");
    const std::filesystem::path where = folder && folder[0] == '/' ? folder : "/tmp";
    std::filesystem::path made;
    file_->descriptor = uniqueFile(where, "tarvel-calc", made);
    // Nameless from now on: it goes with the program, however it ends.
    if (::unlink(made.c_str()) != 0)
      throw WriteFailed("fichier temporaire " + named(made) + " : " + reason(errno));
  }
  if (const int error = writeAll(file_->descriptor, bytes))
    throw WriteFailed("écriture du fichier temporaire impossible : " + reason(error));
  file_->size += bytes.size();
}

void OverflowFile::release(adif::Sink& out, std::uint64_t skip) {
  std::vector<char> block(kLogBlock);
  for (std::uint64_t at = skip; at < file_->size;) {
    const ssize_t count =
        ::pread(file_->descriptor, block.data(), block.size(), static_cast<off_t>(at));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0)
      throw WriteFailed("lecture du fichier temporaire impossible : " +
                        reason(count < 0 ? errno : EIO));
    out.write(std::string_view(block.data(), static_cast<std::size_t>(count)));
    at += static_cast<std::uint64_t>(count);
  }
  file_->size = 0;
  if (::ftruncate(file_->descriptor, 0) != 0 || ::lseek(file_->descriptor, 0, SEEK_SET) != 0)
    throw WriteFailed("fichier temporaire : " + reason(errno));
}

}  // namespace tarvel::calc
