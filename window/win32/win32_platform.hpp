#pragma once

#include "window/desktop/desktop_platform.hpp"

namespace tarvel::win32 {

// The platform of the real window on Win32: MessageBoxW and the thread's message queue.
class Win32Platform : public DesktopPlatform {
 public:
  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;

 protected:
  void handlePendingEvents() override;
  // Each nested loop puts WM_QUIT back for the one it is nested in.
  void leaveEventLoops() override;
};

}  // namespace tarvel::win32
