#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "window/platform.hpp"

namespace tarvel {

struct RecordedMessage {
  std::string text;
  MessageIcon icon;
  std::string caption;
};

// The platform without a screen, for tests: message boxes are recorded and answered OK at once,
// the clock and date are whatever the test sets, and each pass of the event loop runs a hook.
class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform(FileSystem& files, std::filesystem::path programFolder,
                   std::filesystem::path userSettingsFolder);

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
  void runEventLoopPass() override;
  void giveFocus(const Control&) override {}
  void controlChanged(const Control&) override {}
  TimeOfDay timeOfDay() override { return time; }
  CalendarDate today() override { return date; }
  std::filesystem::path programFolder() override { return programFolder_; }
  std::filesystem::path userSettingsFolder() override { return userSettingsFolder_; }
  FileSystem& fileSystem() override { return files_; }
  void endProgram() override { programEnded = true; }

  std::vector<RecordedMessage> messages;
  TimeOfDay time;
  CalendarDate date{2026, 12, 6};
  // Run while a message box is "open", before it is answered.
  std::function<void(const RecordedMessage&)> onMessage;
  std::function<void()> onEventLoopPass;
  long eventLoopPasses = 0;
  bool programEnded = false;

 private:
  FileSystem& files_;
  std::filesystem::path programFolder_;
  std::filesystem::path userSettingsFolder_;
};

}  // namespace tarvel
