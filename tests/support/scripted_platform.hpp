#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/faulty_file_system.hpp"
#include "window/model/platform.hpp"

namespace tarvel {

struct RecordedMessage {
  std::string text;
  MessageIcon icon;
  std::string caption;
};

// What a test sets of a platform and reads back from it.
struct PlatformScript {
  virtual ~PlatformScript() = default;
  struct Folders {
    std::filesystem::path program, user;
  };

  std::vector<RecordedMessage> messages;
  TimeOfDay time;
  CalendarDate date{2026, 12, 6};
  Folders folders;
  // Run while a message box is "open", before it is answered.
  std::function<void(const RecordedMessage&)> onMessage;
  std::function<void()> onEventLoopPass;
  long eventLoopPasses = 0;
  // Every bearing the window told a screen reader of, in order.
  std::vector<std::optional<int>> bearingsShown;
  // Every antenna heading the rose was told of, in order.
  std::vector<std::optional<int>> antennaHeadings;
  // The sentences a screen reader was told, in order.
  std::vector<std::string> announcements;
  bool programEnded = false;

  // Files whose reading fails (their paths made lexically normal).
  virtual std::set<std::filesystem::path>& unreadableFiles() = 0;
};

// A platform under a test's control, on any toolkit: message boxes are recorded and answered OK
// at once, the clock, the date and the folders are the test's, the files it names cannot be read,
// each pass of the event loop runs the toolkit's own pass and then the test's hook, and the
// bearings told to a screen reader are recorded after the toolkit has told them.
template <typename Toolkit>
class Scripted : public Toolkit, public PlatformScript {
 public:
  using Toolkit::Toolkit;

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override {
    messages.push_back({std::string(text), icon, std::string(caption)});
    if (onMessage) onMessage(RecordedMessage(messages.back()));
  }
  void runEventLoopPass() override {
    Toolkit::runEventLoopPass();
    ++eventLoopPasses;
    if (onEventLoopPass) onEventLoopPass();
  }
  void bearingShown(std::optional<int> bearing) override {
    Toolkit::bearingShown(bearing);
    bearingsShown.push_back(bearing);
  }
  void antennaShown(std::optional<int> heading) override {
    Toolkit::antennaShown(heading);
    antennaHeadings.push_back(heading);
  }
  void announce(std::string_view sentence) override {
    Toolkit::announce(sentence);
    announcements.emplace_back(sentence);
  }
  TimeOfDay timeOfDay() override { return time; }
  CalendarDate today() override { return date; }
  std::filesystem::path programFolder() override { return folders.program; }
  std::filesystem::path userSettingsFolder() override { return folders.user; }
  void endProgram() override {
    Toolkit::endProgram();
    programEnded = true;
  }
  FileSystem& fileSystem() override { return disk_; }
  std::set<std::filesystem::path>& unreadableFiles() override { return disk_.unreadableFiles; }

 private:
  test_support::FaultyFileSystem disk_{Toolkit::fileSystem()};
};

}  // namespace tarvel
