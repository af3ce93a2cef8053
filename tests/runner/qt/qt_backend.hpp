#pragma once

#include <QApplication>
#include <memory>

#include "tests/runner/backend.hpp"
#include "window/qt/qt_platform.hpp"
#include "window/qt/window_view.hpp"

namespace tarvel::scenarios {

// The Qt platform with what a scenario must control: message boxes are recorded instead of
// shown, and the clock, the date and the folders are the scenario's.
class ScriptedQtPlatform : public qt::QtPlatform {
 public:
  ScriptedQtPlatform(std::filesystem::path programFolder, std::filesystem::path userFolder,
                     CalendarDate date)
      : programFolder_(std::move(programFolder)), userFolder_(std::move(userFolder)), date_(date) {}

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override {
    messages.push_back({std::string(text), icon, std::string(caption)});
  }
  void runEventLoopPass() override {
    QtPlatform::runEventLoopPass();
    if (onEventLoopPass) onEventLoopPass();
  }
  TimeOfDay timeOfDay() override { return time; }
  CalendarDate today() override { return date_; }
  std::filesystem::path programFolder() override { return programFolder_; }
  std::filesystem::path userSettingsFolder() override { return userFolder_; }
  void endProgram() override {
    QtPlatform::endProgram();
    programEnded = true;
  }

  std::vector<RecordedMessage> messages;
  TimeOfDay time;
  std::function<void()> onEventLoopPass;
  bool programEnded = false;

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path userFolder_;
  CalendarDate date_;
};

// The real widgets: keys are key events sent to the focused widget, clicks are mouse clicks.
class QtBackend : public Backend {
 public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;

  void create(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
              const CalendarDate& date) override;
  void load() override;
  void unload() override;

  void type(Control& control, const std::vector<Key>& keys) override;
  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;
  void tick(const TimeOfDay& time) override;

  std::optional<std::string> widgetText(const Control& control) override;

  WinDurOzirozador& window() override { return *window_; }
  const std::vector<RecordedMessage>& messages() override { return platform_->messages; }
  bool programEnded() override { return platform_->programEnded; }
  void onEventLoopPass(std::function<void()> hook) override;

 private:
  void destroy();
  QWidget& widgetOf(const Control& control);
  void deliver(const Key& key);

  QApplication application_;
  std::unique_ptr<ScriptedQtPlatform> platform_;
  std::unique_ptr<WinDurOzirozador> window_;
  std::unique_ptr<qt::WindowView> view_;
};

}  // namespace tarvel::scenarios
