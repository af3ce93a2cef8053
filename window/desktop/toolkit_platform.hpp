#pragma once

#include "window/desktop/desktop_platform.hpp"

namespace tarvel {

// The platform of the real window: the desktop platform with its toolkit's message boxes and event
// loop. One implementation per binding, as a program has one: window/qt/qt_platform.cpp on Qt,
// window/win32/win32_platform.cpp with MessageBoxW and the thread's message queue.
class ToolkitPlatform : public DesktopPlatform {
 public:
  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;

 protected:
  void handlePendingEvents() override;
  void leaveEventLoops() override;
};

}  // namespace tarvel
