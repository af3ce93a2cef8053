// Two copies of the program sharing one settings folder close at the same moment, as a logout
// ends them: neither reports a failure that did not happen, the locator is one of theirs, whole,
// and both end. Without the folder's lock the second copy's rename found setting.tmp gone.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "tests/settings/windows_child.hpp"
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings/disk_file_system.hpp"
#endif

#include <array>
#include <iostream>
#include <optional>
#include <string>

#include "tests/settings/save_and_die.hpp"
#include "tests/support/temporary_folder.hpp"

namespace tarvel {
namespace {

using test_support::readFile;
using test_support::TemporaryFolder;
using test_support::writeFile;

constexpr int kRounds = 20;
constexpr std::array<std::string_view, 2> kLocators{"JN23XX", "IO91WM"};

#ifdef _WIN32
// Each copy waits for one event, set once both are started.
class Copies {
 public:
  explicit Copies(const std::filesystem::path& folder) {
    const std::wstring name = L"Local\\tarvel-close-together-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++round_);
    start_ = ::CreateEventW(nullptr, TRUE, FALSE, name.c_str());
    for (std::size_t i = 0; i < copies_.size(); ++i) {
      const std::string_view locator = kLocators[i];
      copies_[i] = test_support::startChild(
          test_support::settingsChild(),
          {L"close-at", name, folder.wstring(), std::wstring(locator.begin(), locator.end())});
    }
  }
  ~Copies() { ::CloseHandle(start_); }

  // The exit status of each copy, none for one that did not end in time.
  std::array<std::optional<int>, 2> closeBoth() {
    ::SetEvent(start_);
    std::array<std::optional<int>, 2> statuses;
    for (std::size_t i = 0; i < copies_.size(); ++i) {
      if (const auto code = test_support::waitChild(copies_[i], 60))
        statuses[i] = static_cast<int>(*code);
    }
    return statuses;
  }

 private:
  static inline int round_ = 0;
  HANDLE start_ = nullptr;
  std::array<void*, 2> copies_{};
};
#else
// Each copy, forked, waits for the end of one pipe, closed once both are started.
class Copies {
 public:
  explicit Copies(const std::filesystem::path& folder) {
    if (::pipe(start_) != 0) return;
    for (std::size_t i = 0; i < copies_.size(); ++i) {
      copies_[i] = ::fork();
      if (copies_[i] == 0) runCopy(folder, kLocators[i]);
    }
    ::close(start_[0]);
  }

  std::array<std::optional<int>, 2> closeBoth() {
    ::close(start_[1]);
    std::array<std::optional<int>, 2> statuses;
    for (std::size_t i = 0; i < copies_.size(); ++i) {
      int status = 0;
      if (copies_[i] > 0 && ::waitpid(copies_[i], &status, 0) == copies_[i] && WIFEXITED(status))
        statuses[i] = WEXITSTATUS(status);
    }
    return statuses;
  }

 private:
  [[noreturn]] void runCopy(const std::filesystem::path& folder, std::string_view locator) {
    ::close(start_[1]);
    char byte = 0;
    while (::read(start_[0], &byte, 1) < 0) {
    }
    DiskFileSystem disk;
    ::_exit(static_cast<int>(test_support::runWindowExit(disk, folder, locator)));
  }

  int start_[2] = {-1, -1};
  std::array<pid_t, 2> copies_{-1, -1};
};
#endif

TEST(TwoCopiesClosingTogether, NoFalseMessageAndOneWholeLocatorKept) {
  TemporaryFolder folder;
  int kept[2] = {0, 0};
  for (int round = 0; round < kRounds; ++round) {
    writeFile(folder.path() / "SavLoc.ini", "\"PM95VQ\"\r\n");
    Copies copies(folder.path());
    const auto statuses = copies.closeBoth();
    for (const auto& status : statuses) {
      ASSERT_TRUE(status) << "round " << round << ": a copy did not end";
      EXPECT_EQ(*status, 0) << "round " << round << ": messages of a copy";
    }
    const auto settings = readFile(folder.path() / "SavLoc.ini");
    ASSERT_TRUE(settings);
    const bool first = *settings == "\"JN23XX\"\r\n";
    EXPECT_TRUE(first || *settings == "\"IO91WM\"\r\n") << "round " << round << ": " << *settings;
    ++kept[first ? 0 : 1];
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "setting.tmp"));
  }
  std::cout << "kept: JN23XX " << kept[0] << ", IO91WM " << kept[1] << '\n';
}

}  // namespace
}  // namespace tarvel
