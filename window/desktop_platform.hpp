#pragma once

#include "settings/disk_file_system.hpp"
#include "window/platform.hpp"

namespace tarvel {

// What every real window's platform takes from the system alike, whatever its toolkit: the local
// clock and date, the executable's folder, the user's settings folder and the disk. A toolkit adds
// its message boxes, its event loop and its controls, and how to leave its loops at the end.
class DesktopPlatform : public Platform {
 public:
  TimeOfDay timeOfDay() override;
  CalendarDate today() override;
  std::filesystem::path programFolder() override;
  std::filesystem::path userSettingsFolder() override;
  FileSystem& fileSystem() override { return files_; }
  void endProgram() override;

 protected:
  // No control is touched once the program is ending.
  bool ending() const { return ending_; }
  // Leaves every running event loop, nested ones (a sweep's pass, a message box) included.
  virtual void leaveEventLoops() = 0;

 private:
  DiskFileSystem files_;
  bool ending_ = false;
};

}  // namespace tarvel
