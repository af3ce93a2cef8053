#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <set>
#include <string_view>

#include "settings/file_system.hpp"

namespace tarvel::test_support {

// The steps of a save, in the order the settings writer takes them.
enum class SaveStep { OpenTemporary, Write, Sync, Close, Replace, SyncFolder };

inline constexpr std::array kSaveSteps{SaveStep::OpenTemporary, SaveStep::Write,
                                       SaveStep::Sync,          SaveStep::Close,
                                       SaveStep::Replace,       SaveStep::SyncFolder};

std::string_view stepName(SaveStep step);
// The step by its name in a test's log.
void PrintTo(SaveStep step, std::ostream* os);

enum class Moment { Before, After };

// Passes every call to another file system, except that it can fail one step of a save the way a
// full or failing disk does, refuse to create anything in chosen folders (a read-only mount, which
// stops root too), and report each step to a callback just before it runs and just after it
// succeeded (a child process kills itself there), and fail the reading of chosen files.
class FaultyFileSystem : public FileSystem {
 public:
  explicit FaultyFileSystem(FileSystem& disk) : disk_(disk) {}

  std::optional<SaveStep> failingStep;
  std::function<void(SaveStep, Moment)> onStep;
  std::set<std::filesystem::path> readOnlyFolders;
  // There, but their reading fails, as when another program holds them without sharing.
  std::set<std::filesystem::path> unreadableFiles;

  // The steps of a save, each of which can be made to fail.
  std::unique_ptr<AppendFile> openForAppend(const std::filesystem::path& file) override;
  bool replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool syncFolder(const std::filesystem::path& folder) override;
  // Passed on to the disk; nothing is created or removed in a read-only folder.
  bool canCreateFilesIn(const std::filesystem::path& folder) override;
  bool exists(const std::filesystem::path& path) override;
  bool isFolder(const std::filesystem::path& path) override;
  bool isPlainFile(const std::filesystem::path& path) override;
  std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path& folder,
                                         std::chrono::milliseconds wait) override;
  bool createFolders(const std::filesystem::path& folder) override;
  ReadStatus read(const std::filesystem::path& file, const ReadBlock& consume) override;
  bool remove(const std::filesystem::path& file) override;

  // Runs one step: reports it, fails it when chosen, otherwise does it on the disk.
  bool step(SaveStep which, const std::function<bool()>& onDisk);
  bool fails(SaveStep which) const { return failingStep == which; }

 private:
  bool isReadOnly(const std::filesystem::path& path) const;
  void report(SaveStep which, Moment moment);

  FileSystem& disk_;
};

}  // namespace tarvel::test_support
