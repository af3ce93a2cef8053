#pragma once

#include "window/desktop/desktop_platform.hpp"

namespace tarvel::qt {

// The platform of the real window on Qt: its message boxes and its event loop.
class QtPlatform : public DesktopPlatform {
 public:
  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;

 protected:
  void handlePendingEvents() override;
  void leaveEventLoops() override;
};

}  // namespace tarvel::qt
