#pragma once

#include "settings/disk_file_system.hpp"
#include "window/model/platform.hpp"

namespace tarvel {

class DesktopPlatform;
class WinDurOzirozador;

// A real window's view of the model, as its platform drives it. A view that goes leaves its
// platform, which touches nothing of it afterwards.
class DesktopView {
 public:
  DesktopView(const DesktopView&) = delete;
  DesktopView& operator=(const DesktopView&) = delete;

  // Model to toolkit: the control's properties as the model holds them.
  virtual void sync(const Control& control) = 0;
  virtual void giveFocus(const Control& control) = 0;
  // Tells a screen reader of the bearing the needle now shows, as the rose's value.
  virtual void bearingShown(std::optional<int> bearing) = 0;
  // Redraws the rose and tells a screen reader of the antenna's new heading.
  virtual void antennaShown(std::optional<int> heading) = 0;
  // Has a screen reader say the sentence once, as a notification.
  virtual void announce(std::string_view sentence) = 0;
  // Paints the drawing now, not at the next idle moment: each step of a sweep is seen.
  virtual void paintNow() = 0;

 protected:
  DesktopView() = default;
  ~DesktopView();
  // The close now coming is attended by no one (the end of the session): see DesktopPlatform.
  void closeUnattended();

 private:
  friend class DesktopPlatform;
  DesktopPlatform* platform_ = nullptr;
};

// What every real window's platform does alike, whatever its toolkit: the local clock and date,
// the executable's folder, the user's settings folder and the disk, and the view it drives, which
// it no longer touches once the program is ending or the view is gone. A toolkit adds its message
// boxes, how it handles what is pending, and how it leaves its loops at the end.
class DesktopPlatform : public Platform {
 public:
  DesktopPlatform() = default;
  ~DesktopPlatform() override;
  DesktopPlatform(const DesktopPlatform&) = delete;
  DesktopPlatform& operator=(const DesktopPlatform&) = delete;

  // The view to drive, until it goes or another is attached.
  void attach(DesktopView& view);
  void detach(const DesktopView& view);

  // Paints the needle at once, then handles what is pending, the user's input included.
  void runEventLoopPass() override;
  void giveFocus(const Control& control) override;
  void controlChanged(const Control& control) override;
  void bearingShown(std::optional<int> bearing) override;
  void antennaShown(std::optional<int> heading) override;
  void announce(std::string_view sentence) override;

  TimeOfDay timeOfDay() override;
  CalendarDate today() override;
  std::filesystem::path programFolder() override;
  std::filesystem::path userSettingsFolder() override;
  FileSystem& fileSystem() override { return files_; }
  void endProgram() override;

  // The close now coming is attended by no one (a signal, the end of the session): its messages
  // go to standard error, never into a box that would wait for a click nobody gives.
  void closeUnattended() { unattended_ = true; }
  // The exit status after the event loop's `loopStatus`: 1 when an unattended close did not keep
  // the locator.
  int exitStatus(const WinDurOzirozador& window, int loopStatus) const;

 protected:
  // No control is touched once the program is ending.
  bool ending() const { return ending_; }
  // The attached view while it lasts, ending or not.
  DesktopView* view() const { return view_; }
  DesktopView* liveView() const { return ending_ ? nullptr : view_; }
  // True, once the message is on standard error, when no one attends the close.
  bool toldUnattended(std::string_view text) const;
  virtual void handlePendingEvents() = 0;
  // Leaves every running event loop, nested ones (a sweep's pass, a message box) included.
  virtual void leaveEventLoops() = 0;

 private:
  DiskFileSystem files_;
  DesktopView* view_ = nullptr;
  bool ending_ = false;
  bool unattended_ = false;
};

}  // namespace tarvel
