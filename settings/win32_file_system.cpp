// DiskFileSystem on Windows: the W functions of Win32 on UTF-16 paths (a folder named with "é" or
// with non-Latin letters works), every failure returned as a value; and the Windows folders.
#include "settings/disk_file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/system_folders.hpp"

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace tarvel {
namespace {

// A file handle closed on every path out.
struct HandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle owned(HANDLE handle) {
  return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

class Win32AppendFile : public AppendFile {
 public:
  explicit Win32AppendFile(UniqueHandle file) : file_(std::move(file)) {}

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      // WriteFile takes a 32-bit count: a longer text goes in pieces.
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!::WriteFile(file_.get(), bytes.data(), piece, &written, nullptr) || written == 0)
        return false;
      bytes.remove_prefix(written);
    }
    return true;
  }
  bool sync() override { return ::FlushFileBuffers(file_.get()) != 0; }
  bool close() override { return ::CloseHandle(file_.release()) != 0; }

 private:
  UniqueHandle file_;
};

bool isMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Null when the file cannot be opened, GetLastError() saying why. A file held without sharing by
// another program (ERROR_SHARING_VIOLATION), one the user may not read, or a folder opened without
// FILE_FLAG_BACKUP_SEMANTICS (ERROR_ACCESS_DENIED) is there but cannot be read.
UniqueHandle openToRead(const std::filesystem::path& file) {
  return owned(::CreateFileW(file.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// A file on a disk, not a device or a pipe.
bool isDiskFile(HANDLE file) {
  return ::GetFileType(file) == FILE_TYPE_DISK;
}

// The handle is of a regular file with a single name: no reparse point (a symbolic link or a
// junction, opened as itself with FILE_FLAG_OPEN_REPARSE_POINT), no folder, no second hard link.
bool isPlainHandle(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!isDiskFile(file) || !::GetFileInformationByHandle(file, &information)) return false;
  constexpr DWORD kNotPlain = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
  return (information.dwFileAttributes & kNotPlain) == 0 && information.nNumberOfLinks == 1;
}

class Win32FolderLock : public FolderLock {
 public:
  explicit Win32FolderLock(UniqueHandle mutex) : mutex_(std::move(mutex)) {}
  ~Win32FolderLock() override { ::ReleaseMutex(mutex_.get()); }

 private:
  UniqueHandle mutex_;
};

// The mutex's name from the folder's full path, in capitals since Windows names files without
// case, and hashed (FNV-1a): a name may not hold a backslash and is at most MAX_PATH long.
std::wstring lockName(const std::filesystem::path& folder) {
  std::wstring full(32768, L'\0');
  const DWORD length = ::GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()),
                                          full.data(), nullptr);
  full.resize(length > 0 && length < full.size() ? length : 0);
  if (full.empty()) full = folder.native();
  while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/'))
    full.pop_back();
  ::CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t unit : full) {
    hash = (hash ^ static_cast<std::uint16_t>(unit == L'/' ? L'\\' : unit)) * 1099511628211ull;
  }
  wchar_t digits[17];
  ::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
  return L"Local\\Tarvel-settings-" + std::wstring(digits);
}

ReadStatus readBlocks(HANDLE file, const ReadBlock& consume) {
  char block[65536];
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(file, block, sizeof block, &count, nullptr)) return ReadStatus::Failed;
    if (count == 0) return ReadStatus::Ok;
    consume(std::string_view(block, count));
  }
}

}  // namespace

ReadStatus DiskFileSystem::read(const std::filesystem::path& file, const ReadBlock& consume) {
  const auto handle = openToRead(file);
  if (!handle) return isMissing(::GetLastError()) ? ReadStatus::Missing : ReadStatus::Failed;
  if (!isDiskFile(handle.get())) return ReadStatus::Failed;
  return readBlocks(handle.get(), consume);
}

bool DiskFileSystem::canCreateFilesIn(const std::filesystem::path& folder) {
  // Only trying answers truly on Windows: access rights (an installed copy under Program Files for
  // an ordinary user: asInvoker, so no virtual store hides the refusal), read-only media and
  // network shares all decide at creation. The probe has a name of its own, never "setting.tmp"
  // (a stale one must keep its content), and the system deletes it when its handle closes, even
  // when the process is killed in between.
  const auto probe =
      folder / (L"tarvel-probe-" + std::to_wstring(::GetCurrentProcessId()) + L".tmp");
  const auto handle = owned(::CreateFileW(
      probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return handle != nullptr;
}

bool DiskFileSystem::exists(const std::filesystem::path& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DiskFileSystem::isFolder(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DiskFileSystem::createFolders(const std::filesystem::path& folder) {
  // std::filesystem on mingw-w64 works on the wchar_t path through the W functions.
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error && std::filesystem::is_directory(folder, error);
}

bool DiskFileSystem::isPlainFile(const std::filesystem::path& path) {
  // No access asked: the attributes and the count of names are read all the same.
  const auto handle = owned(::CreateFileW(
      path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return handle && isPlainHandle(handle.get());
}

std::unique_ptr<AppendFile> DiskFileSystem::openForAppend(const std::filesystem::path& file) {
  // GENERIC_WRITE rather than FILE_APPEND_DATA alone, which FlushFileBuffers may refuse; the
  // pointer is put at the end once, and this process is the only writer. A reparse point (a
  // symbolic link planted there) is opened as itself, never followed, and then refused with any
  // other file that is not plain.
  auto handle = owned(::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!handle || !isPlainHandle(handle.get())) return nullptr;
  if (!::SetFilePointerEx(handle.get(), LARGE_INTEGER{}, nullptr, FILE_END)) return nullptr;
  return std::make_unique<Win32AppendFile>(std::move(handle));
}

bool DiskFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  // The target is never deleted first: MoveFileExW replaces it in one step, and WRITE_THROUGH
  // returns only once the move is on the disk.
  return ::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool DiskFileSystem::syncFolder(const std::filesystem::path&) {
  // Windows has no portable way to flush a folder (FlushFileBuffers wants a handle opened for
  // writing, which a folder's is not for an ordinary user). It needs none here: replace() moved
  // the file with MOVEFILE_WRITE_THROUGH, which returns only when the rename is durable.
  return true;
}

bool DiskFileSystem::remove(const std::filesystem::path& file) {
  return ::DeleteFileW(file.c_str()) != 0;
}

// A named mutex rather than a lock file: nothing new appears in the folder, and Windows releases
// the mutex of a process that ends without releasing it (the next owner sees WAIT_ABANDONED).
std::unique_ptr<FolderLock> DiskFileSystem::lockFolder(const std::filesystem::path& folder,
                                                       std::chrono::milliseconds wait) {
  auto mutex = UniqueHandle(::CreateMutexW(nullptr, FALSE, lockName(folder).c_str()));
  if (!mutex) return nullptr;
  const DWORD waited = ::WaitForSingleObject(mutex.get(), static_cast<DWORD>(wait.count()));
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) return nullptr;
  return std::make_unique<Win32FolderLock>(std::move(mutex));
}

}  // namespace tarvel

namespace tarvel::settings {
namespace {

std::filesystem::path knownFolder(REFKNOWNFOLDERID id) {
  PWSTR known = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &known))) folder = known;
  ::CoTaskMemFree(known);
  return folder;
}

// Windows compares names without case: "c:\program files" is "C:\Program Files".
bool sameName(const std::filesystem::path& a, const std::filesystem::path& b) {
  const std::wstring& x = a.native();
  const std::wstring& y = b.native();
  return ::CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                                static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}

// Whether `folder` is `root` or lies below it, name by name (an empty last name is a trailing
// separator; "\" and "/" are one root directory).
bool isWithin(const std::filesystem::path& folder, const std::filesystem::path& root) {
  auto names = [](const std::filesystem::path& path) {
    std::vector<std::filesystem::path> result;
    for (const auto& name : path.lexically_normal()) {
      if (name.empty()) continue;
      result.push_back(name == L"/" ? std::filesystem::path(L"\\") : name);
    }
    return result;
  };
  const auto inside = names(folder);
  const auto top = names(root);
  if (top.empty() || inside.size() < top.size()) return false;
  return std::equal(top.begin(), top.end(), inside.begin(), sameName);
}

}  // namespace

// Program Files (64-bit and x86) and the Windows folder, where installers put programs. A copy
// there always keeps its settings in %APPDATA%\Tarvel: run elevated (or under Wine, where every
// user may write everywhere) it could write beside itself, and the next ordinary run would not
// find the file there.
bool isSystemLocation(const std::filesystem::path& folder) {
  for (const KNOWNFOLDERID* id :
       {&FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86, &FOLDERID_Windows}) {
    const auto root = knownFolder(*id);
    if (!root.empty() && isWithin(folder, root)) return true;
  }
  return false;
}

std::filesystem::path programFolder() {
  // The buffer grows until the whole path fits: a long path (\\?\ prefixed) exceeds MAX_PATH.
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

std::filesystem::path userSettingsFolder() {
  constexpr const wchar_t* kTarvel = L"Tarvel";
  if (const wchar_t* appData = ::_wgetenv(L"APPDATA")) {
    const std::filesystem::path folder(appData);
    if (folder.is_absolute()) return folder / kTarvel;
  }
  const auto roaming = knownFolder(FOLDERID_RoamingAppData);
  return roaming.empty() ? roaming : roaming / kTarvel;
}

}  // namespace tarvel::settings
