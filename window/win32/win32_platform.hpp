#pragma once

#include "settings/disk_file_system.hpp"
#include "window/platform.hpp"

namespace tarvel::win32 {

class WindowView;

// The platform of the real window: MessageBoxW, the thread's message queue, the local clock, the
// executable's folder and the real disk.
class Win32Platform : public Platform {
 public:
  void attach(WindowView& view) { view_ = &view; }

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
  // Paints the needle at once, then handles what is waiting, the user's input included.
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
  // No control is touched once the program is ending or the view is gone.
  WindowView* liveView() const { return ending_ ? nullptr : view_; }

 private:
  WindowView* view_ = nullptr;
  DiskFileSystem files_;
  bool ending_ = false;
};

}  // namespace tarvel::win32
