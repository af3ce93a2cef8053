#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>

#include <array>
#include <filesystem>
#include <vector>

#include "calc/console.hpp"
#include "calc/log_file.hpp"

namespace tarvel::calc {
namespace {

struct Reason {
  DWORD error;
  std::string_view text;
};
constexpr std::array<Reason, 10> kReasons{{
    {ERROR_FILE_NOT_FOUND, "fichier introuvable"},
    {ERROR_PATH_NOT_FOUND, "dossier introuvable"},
    {ERROR_ACCESS_DENIED, "accès refusé"},
    {ERROR_SHARING_VIOLATION, "le fichier est ouvert par un autre programme"},
    {ERROR_LOCK_VIOLATION, "le fichier est verrouillé par un autre programme"},
    {ERROR_DISK_FULL, "plus de place sur le disque"},
    {ERROR_HANDLE_DISK_FULL, "plus de place sur le disque"},
    {ERROR_WRITE_PROTECT, "support protégé en écriture"},
    {ERROR_BROKEN_PIPE, "tube fermé"},
    {ERROR_NO_DATA, "tube fermé"},
}};

// The system's reason, in French; its number for one a log seldom meets.
std::string reason(DWORD error) {
  for (const Reason& known : kReasons) {
    if (known.error == error) return std::string(known.text);
  }
  return "erreur système " + std::to_string(error);
}

std::string lastReason() {
  return reason(::GetLastError());
}

std::filesystem::path pathOf(std::string_view utf8) {
  return std::filesystem::path(
      std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string named(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return "« " + std::string(utf8.begin(), utf8.end()) + " »";
}

struct HandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle owned(HANDLE handle) {
  return Handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// false, with the system's error left, when a write failed.
bool writeAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
    DWORD written = 0;
    if (!::WriteFile(handle, bytes.data(), size, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

// The length of `bytes` less a UTF-8 character its end cuts short, which the next block completes.
std::size_t wholeCharacters(std::string_view bytes) {
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, bytes.size()); ++back) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const std::size_t size = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return size > back ? bytes.size() - back : bytes.size();
  }
  return bytes.size();
}

// A unique empty file in `folder`, made by the system.
std::filesystem::path uniqueFile(const std::filesystem::path& folder) {
  std::array<wchar_t, MAX_PATH> name{};
  if (!::GetTempFileNameW(folder.c_str(), L"tvl", 0, name.data())) {
    throw WriteFailed("fichier temporaire impossible dans " + named(folder) + " : " + lastReason());
  }
  return name.data();
}

struct LocalFreer {
  void operator()(void* memory) const { ::LocalFree(memory); }
};

// The log's access list onto the new file, inherited or its own as the log's was.
void copyPermissions(const std::filesystem::path& from, HANDLE to) {
  PACL list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS) {
    throw WriteFailed("les permissions de " + named(from) + " ne peuvent être lues");
  }
  const std::unique_ptr<void, LocalFreer> owner(descriptor);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  if (!::GetSecurityDescriptorControl(descriptor, &control, &revision))
    throw WriteFailed("les permissions de " + named(from) + " ne peuvent être lues");
  const SECURITY_INFORMATION which =
      DACL_SECURITY_INFORMATION |
      ((control & SE_DACL_PROTECTED) ? PROTECTED_DACL_SECURITY_INFORMATION
                                     : UNPROTECTED_DACL_SECURITY_INFORMATION);
  if (::SetSecurityInfo(to, SE_FILE_OBJECT, which, nullptr, nullptr, list, nullptr) !=
      ERROR_SUCCESS) {
    throw WriteFailed("les permissions de " + named(from) + " ne peuvent être gardées");
  }
}

}  // namespace

void readLog(const std::string& path, const std::function<void(std::string_view)>& consume) {
  const std::string name = path.empty() ? "l'entrée standard" : named(pathOf(path));
  Handle file;
  HANDLE handle = ::GetStdHandle(STD_INPUT_HANDLE);
  if (!path.empty()) {
    file =
        owned(::CreateFileW(pathOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) throw ReadFailed("lecture de " + name + " impossible : " + lastReason());
    handle = file.get();
  }
  std::vector<char> block(kLogBlock);
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(handle, block.data(), static_cast<DWORD>(block.size()), &count, nullptr)) {
      // A pipe whose writer is done ends so.
      if (::GetLastError() == ERROR_BROKEN_PIPE) return;
      throw ReadFailed("lecture de " + name + " impossible : " + lastReason());
    }
    if (count == 0) return;
    consume(std::string_view(block.data(), count));
  }
}

// A console shows UTF-16 (console.hpp): a block goes there in whole characters. Files and pipes
// get the log's bytes, never the C runtime's text mode, which would double a CR before each LF.
void StandardOutput::writeThrough(std::string_view bytes) {
  const HANDLE handle = ::GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (::GetConsoleMode(handle, &mode)) {
    pending_.append(bytes);
    const std::size_t whole = wholeCharacters(pending_);
    const bool written = writeText(Stream::Output, std::string_view(pending_).substr(0, whole));
    pending_.erase(0, whole);
    if (written) return;
  } else if (writeAll(handle, bytes)) {
    return;
  }
  throw WriteFailed("écriture impossible sur la sortie standard : " + lastReason());
}

// Its destructor, not the writer's, removes the temporary file: it also runs when the writer's
// constructor throws after the file was made.
struct LogReplacement::File {
  std::filesystem::path log, temporary;
  Handle handle;
  bool committed = false;
  ~File() {
    handle.reset();
    if (!committed && !temporary.empty()) ::DeleteFileW(temporary.c_str());
  }
};

LogReplacement::LogReplacement(const std::string& log) : file_(std::make_unique<File>()) {
  std::error_code error;
  file_->log = std::filesystem::absolute(pathOf(log), error);
  const DWORD attributes = ::GetFileAttributesW(file_->log.c_str());
  if (error || attributes == INVALID_FILE_ATTRIBUTES)
    throw ReadFailed("lecture de " + named(pathOf(log)) + " impossible : " + lastReason());
  if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    throw WriteFailed(named(file_->log) +
                      " n'est pas un fichier ordinaire : il ne peut être remplacé");
  if (attributes & FILE_ATTRIBUTE_READONLY)
    throw WriteFailed(named(file_->log) + " ne peut être modifié : il est en lecture seule");
  file_->temporary = uniqueFile(file_->log.parent_path());
  file_->handle = owned(::CreateFileW(file_->temporary.c_str(), GENERIC_WRITE | WRITE_DAC, 0,
                                      nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_->handle)
    throw WriteFailed("écriture de " + named(file_->temporary) + " impossible : " + lastReason());
  copyPermissions(file_->log, file_->handle.get());
}

LogReplacement::~LogReplacement() = default;

void LogReplacement::writeThrough(std::string_view bytes) {
  if (!writeAll(file_->handle.get(), bytes))
    throw WriteFailed("écriture de " + named(file_->temporary) + " impossible : " + lastReason());
}

void LogReplacement::commit() {
  flush();
  if (!::FlushFileBuffers(file_->handle.get()))
    throw WriteFailed("écriture de " + named(file_->temporary) + " impossible : " + lastReason());
  file_->handle.reset();
  // The log is never deleted first: MoveFileExW replaces it in one step, and WRITE_THROUGH
  // returns only once the move is on the disk.
  if (!::MoveFileExW(file_->temporary.c_str(), file_->log.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    throw WriteFailed(named(file_->log) + " ne peut être remplacé : " + lastReason());
  }
  file_->committed = true;
}

struct OverflowFile::File {
  Handle handle;
  std::uint64_t size = 0;
};

OverflowFile::OverflowFile() : file_(std::make_unique<File>()) {}

OverflowFile::~OverflowFile() = default;

void OverflowFile::append(std::string_view bytes) {
  if (!file_->handle) {
    std::array<wchar_t, MAX_PATH + 1> folder{};
    if (!::GetTempPathW(static_cast<DWORD>(folder.size()), folder.data()))
      throw WriteFailed("dossier temporaire introuvable : " + lastReason());
    const std::filesystem::path name = uniqueFile(folder.data());
    // Deleted by the system when the program ends, however it ends.
    file_->handle =
        owned(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!file_->handle) {
      const std::string why = lastReason();
      ::DeleteFileW(name.c_str());
      throw WriteFailed("fichier temporaire " + named(name) + " : " + why);
    }
  }
  if (!writeAll(file_->handle.get(), bytes))
    throw WriteFailed("écriture du fichier temporaire impossible : " + lastReason());
  file_->size += bytes.size();
}

void OverflowFile::release(adif::Sink& out, std::uint64_t skip) {
  const HANDLE handle = file_->handle.get();
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(skip);
  if (!::SetFilePointerEx(handle, at, nullptr, FILE_BEGIN))
    throw WriteFailed("lecture du fichier temporaire impossible : " + lastReason());
  std::vector<char> block(kLogBlock);
  for (std::uint64_t left = file_->size - skip; left > 0;) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::uint64_t>(left, block.size()));
    if (!::ReadFile(handle, block.data(), wanted, &count, nullptr) || count == 0)
      throw WriteFailed("lecture du fichier temporaire impossible : " + lastReason());
    out.write(std::string_view(block.data(), count));
    left -= count;
  }
  file_->size = 0;
  if (!::SetFilePointerEx(handle, LARGE_INTEGER{}, nullptr, FILE_BEGIN) || !::SetEndOfFile(handle))
    throw WriteFailed("fichier temporaire : " + lastReason());
}

}  // namespace tarvel::calc
