#include "tests/support/faulty_file_system.hpp"

#include <algorithm>
#include <array>
#include <ostream>

namespace tarvel::test_support {
namespace {

class FaultyAppendFile : public AppendFile {
 public:
  FaultyAppendFile(FaultyFileSystem& files, std::unique_ptr<AppendFile> file)
      : files_(files), file_(std::move(file)) {}

  // A full disk takes part of the line before it refuses the rest.
  bool write(std::string_view bytes) override {
    const bool failing = files_.fails(SaveStep::Write);
    const std::string_view taken = failing ? bytes.substr(0, bytes.size() / 2) : bytes;
    return files_.step(SaveStep::Write, [&] { return file_->write(taken) && !failing; });
  }
  bool sync() override {
    return files_.step(SaveStep::Sync,
                       [&] { return !files_.fails(SaveStep::Sync) && file_->sync(); });
  }
  // The descriptor is gone even when close reports an error, as with EIO from close(2).
  bool close() override {
    const bool failing = files_.fails(SaveStep::Close);
    return files_.step(SaveStep::Close, [&] { return file_->close() && !failing; });
  }

 private:
  FaultyFileSystem& files_;
  std::unique_ptr<AppendFile> file_;
};

}  // namespace

std::string_view stepName(SaveStep step) {
  // In the order of the enumeration.
  constexpr std::array<std::string_view, kSaveSteps.size()> kNames{
      "OpenTemporary", "Write", "Sync", "Close", "Replace", "SyncFolder"};
  return kNames[static_cast<std::size_t>(step)];
}

void PrintTo(SaveStep step, std::ostream* os) {
  *os << stepName(step);
}

void FaultyFileSystem::report(SaveStep which, Moment moment) {
  if (onStep) onStep(which, moment);
}

bool FaultyFileSystem::step(SaveStep which, const std::function<bool()>& onDisk) {
  report(which, Moment::Before);
  const bool done = onDisk();
  if (done) report(which, Moment::After);
  return done;
}

bool FaultyFileSystem::isReadOnly(const std::filesystem::path& path) const {
  const auto normal = path.lexically_normal();
  return std::any_of(readOnlyFolders.begin(), readOnlyFolders.end(), [&](const auto& folder) {
    const auto root = folder.lexically_normal();
    return std::mismatch(root.begin(), root.end(), normal.begin(), normal.end()).first ==
           root.end();
  });
}

ReadStatus FaultyFileSystem::read(const std::filesystem::path& file, const ReadBlock& consume) {
  if (unreadableFiles.count(file.lexically_normal()) > 0) return ReadStatus::Failed;
  return disk_.read(file, consume);
}

bool FaultyFileSystem::canCreateFilesIn(const std::filesystem::path& folder) {
  return !isReadOnly(folder) && disk_.canCreateFilesIn(folder);
}

bool FaultyFileSystem::exists(const std::filesystem::path& path) {
  return disk_.exists(path);
}

bool FaultyFileSystem::isFolder(const std::filesystem::path& path) {
  return disk_.isFolder(path);
}

bool FaultyFileSystem::isPlainFile(const std::filesystem::path& path) {
  return disk_.isPlainFile(path);
}

std::unique_ptr<FolderLock> FaultyFileSystem::lockFolder(const std::filesystem::path& folder,
                                                         std::chrono::milliseconds wait) {
  return disk_.lockFolder(folder, wait);
}

bool FaultyFileSystem::createFolders(const std::filesystem::path& folder) {
  std::error_code error;
  if (isReadOnly(folder) && !std::filesystem::is_directory(folder, error)) return false;
  return disk_.createFolders(folder);
}

std::unique_ptr<AppendFile> FaultyFileSystem::openForAppend(const std::filesystem::path& file) {
  std::unique_ptr<AppendFile> opened;
  const bool writable = !isReadOnly(file.parent_path());
  step(SaveStep::OpenTemporary, [&] {
    if (writable && !fails(SaveStep::OpenTemporary)) opened = disk_.openForAppend(file);
    return opened != nullptr;
  });
  if (!opened) return nullptr;
  return std::make_unique<FaultyAppendFile>(*this, std::move(opened));
}

bool FaultyFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return step(SaveStep::Replace, [&] {
    return !fails(SaveStep::Replace) && !isReadOnly(to.parent_path()) && disk_.replace(from, to);
  });
}

bool FaultyFileSystem::syncFolder(const std::filesystem::path& folder) {
  return step(SaveStep::SyncFolder,
              [&] { return !fails(SaveStep::SyncFolder) && disk_.syncFolder(folder); });
}

bool FaultyFileSystem::remove(const std::filesystem::path& file) {
  return !isReadOnly(file.parent_path()) && disk_.remove(file);
}

}  // namespace tarvel::test_support
