#pragma once

#include <QPointer>

#include "settings/disk_file_system.hpp"
#include "window/platform.hpp"

namespace tarvel::qt {

class WindowView;

// The platform of the real window: Qt's message boxes, event loop and clock, the executable's
// folder, the real disk.
class QtPlatform : public Platform {
 public:
  void attach(WindowView& view) { view_ = &view; }

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
  // Repaints the needle at once, then handles pending events, the user's included.
  void runEventLoopPass() override;
  void giveFocus(const Control& control) override;
  void controlChanged(const Control& control) override;
  TimeOfDay timeOfDay() override;
  CalendarDate today() override;
  std::filesystem::path programFolder() override;
  std::filesystem::path userSettingsFolder() override;
  FileSystem& fileSystem() override { return files_; }
  void endProgram() override;

 protected:
  // No widget is touched once the program is ending or the view is gone.
  WindowView* liveView() const { return ending_ ? nullptr : view_.data(); }

 private:
  QPointer<WindowView> view_;
  DiskFileSystem files_;
  bool ending_ = false;
};

}  // namespace tarvel::qt
