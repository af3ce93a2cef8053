// A settings file that is there but cannot be read is not a missing one: the disk tells them
// apart, so that the window reports it and leaves it alone at exit.
#include <gtest/gtest.h>

#include <string>

#include "settings/disk_file_system.hpp"
#include "tests/support/temporary_folder.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarvel {
namespace {

using test_support::TemporaryFolder;
using test_support::writeFile;

ReadStatus readStatus(const std::filesystem::path& file) {
  DiskFileSystem disk;
  return disk.read(file, [](std::string_view) {});
}

#ifdef _WIN32
// Another program (a backup tool, an antivirus scan) holds the file open without sharing.
TEST(UnreadableSettingsFile, HeldWithoutSharingIsNotMissing) {
  TemporaryFolder folder;
  const auto file = folder.path() / "SavLoc.ini";
  writeFile(file, "\"JN23XX\"\r\n");
  HANDLE held = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(readStatus(file), ReadStatus::Failed);
  ::CloseHandle(held);
  EXPECT_EQ(readStatus(file), ReadStatus::Ok);
  EXPECT_EQ(readStatus(folder.path() / "absent.ini"), ReadStatus::Missing);
}
#else
// A file without read permission. Root reads it all the same, so the reading is done by a child
// that has become an ordinary user.
TEST(UnreadableSettingsFile, WithoutReadPermissionIsNotMissing) {
  constexpr uid_t kNobody = 65534;
  TemporaryFolder folder;
  ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
  const auto file = folder.path() / "SavLoc.ini";
  writeFile(file, "\"JN23XX\"\r\n");
  ASSERT_EQ(::chmod(file.c_str(), 0), 0);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    const bool told = readStatus(file) == ReadStatus::Failed &&
                      readStatus(folder.path() / "absent.ini") == ReadStatus::Missing;
    ::_exit(told ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

}  // namespace
}  // namespace tarvel
