#pragma once

#include <QPointer>

#include "window/desktop_platform.hpp"

namespace tarvel::qt {

class WindowView;

// The platform of the real window on Qt: its message boxes, its event loop and its widgets.
class QtPlatform : public DesktopPlatform {
 public:
  void attach(WindowView& view) { view_ = &view; }

  void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
  // Repaints the needle at once, then handles pending events, the user's included.
  void runEventLoopPass() override;
  void giveFocus(const Control& control) override;
  void controlChanged(const Control& control) override;

 protected:
  // No widget is touched once the program is ending or the view is gone.
  WindowView* liveView() const { return ending() ? nullptr : view_.data(); }
  void leaveEventLoops() override;

 private:
  QPointer<WindowView> view_;
};

}  // namespace tarvel::qt
