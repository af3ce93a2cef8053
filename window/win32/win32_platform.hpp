#pragma once

#include "window/desktop_platform.hpp"

namespace tarvel::win32 {

class WindowView;

// The platform of the real window on Win32: MessageBoxW, the thread's message queue and the
// window's controls.
class Win32Platform : public DesktopPlatform {
 public:
  void attach(WindowView& view) { view_ = &view; }

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
  // Paints the needle at once, then handles what is waiting, the user's input included.
  void runEventLoopPass() override;
  void giveFocus(const Control& control) override;
  void controlChanged(const Control& control) override;

 protected:
  // No control is touched once the program is ending or the view is gone.
  WindowView* liveView() const { return ending() ? nullptr : view_; }
  // Each nested loop puts WM_QUIT back for the one it is nested in.
  void leaveEventLoops() override;

 private:
  WindowView* view_ = nullptr;
};

}  // namespace tarvel::win32
