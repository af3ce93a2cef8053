#include "settings/win32_file_system.hpp"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>
#include <system_error>

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

}  // namespace

ReadStatus Win32FileSystem::read(const std::filesystem::path& file, std::string& bytes) {
  // A folder opened without FILE_FLAG_BACKUP_SEMANTICS fails with "access denied": Failed.
  const auto handle = owned(::CreateFileW(file.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return isMissing(::GetLastError()) ? ReadStatus::Missing : ReadStatus::Failed;
  bytes.clear();
  char block[65536];
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(handle.get(), block, sizeof block, &count, nullptr)) return ReadStatus::Failed;
    if (count == 0) return ReadStatus::Ok;
    bytes.append(block, count);
  }
}

bool Win32FileSystem::canCreateFilesIn(const std::filesystem::path& folder) {
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

bool Win32FileSystem::createFolders(const std::filesystem::path& folder) {
  // std::filesystem on mingw-w64 works on the wchar_t path through the W functions.
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error && std::filesystem::is_directory(folder, error);
}

std::unique_ptr<AppendFile> Win32FileSystem::openForAppend(const std::filesystem::path& file) {
  // GENERIC_WRITE rather than FILE_APPEND_DATA alone, which FlushFileBuffers may refuse; the
  // pointer is put at the end once, and this process is the only writer.
  auto handle = owned(::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return nullptr;
  if (!::SetFilePointerEx(handle.get(), LARGE_INTEGER{}, nullptr, FILE_END)) return nullptr;
  return std::make_unique<Win32AppendFile>(std::move(handle));
}

bool Win32FileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  // The target is never deleted first: MoveFileExW replaces it in one step, and WRITE_THROUGH
  // returns only once the move is on the disk.
  return ::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::syncFolder(const std::filesystem::path&) {
  // Windows has no portable way to flush a folder (FlushFileBuffers wants a handle opened for
  // writing, which a folder's is not for an ordinary user). It needs none here: replace() moved
  // the file with MOVEFILE_WRITE_THROUGH, which returns only when the rename is durable.
  return true;
}

bool Win32FileSystem::remove(const std::filesystem::path& file) {
  return ::DeleteFileW(file.c_str()) != 0;
}

}  // namespace tarvel

namespace tarvel::settings {

std::filesystem::path win32ProgramFolder() {
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

std::filesystem::path win32UserSettingsFolder() {
  constexpr const wchar_t* kTarvel = L"Tarvel";
  if (const wchar_t* appData = ::_wgetenv(L"APPDATA")) {
    const std::filesystem::path folder(appData);
    if (folder.is_absolute()) return folder / kTarvel;
  }
  PWSTR known = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &known)))
    folder = std::filesystem::path(known) / kTarvel;
  ::CoTaskMemFree(known);
  return folder;
}

}  // namespace tarvel::settings
