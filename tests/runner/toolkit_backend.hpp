#pragma once

#include <memory>
#include <vector>

#include "tests/runner/backend.hpp"
#include "tests/support/scripted_platform.hpp"
#include "window/desktop/toolkit_platform.hpp"

namespace tarvel::scenarios {

// The real window's platform with what a scenario must control: message boxes are recorded
// instead of shown, and the clock, the date and the folders are the scenario's.
using ScriptedToolkitPlatform = Scripted<ToolkitPlatform>;

// What a backend of real controls does alike on every toolkit: the window object and its `View`
// (the binding's WindowView) made anew for each scenario on the scripted platform, and the keys of
// a `type` command delivered one by one to the control that has the focus, as on a keyboard. The
// toolkit's backend delivers them and every other action as real input to its real controls.
template <typename View>
class ToolkitBackend : public Backend {
 public:
  void create(const PlatformScript::Folders& folders, const CalendarDate& date) override {
    destroy();
    platform_ = std::make_unique<ScriptedToolkitPlatform>();
    platform_->folders = folders;
    platform_->date = date;
    window_ = std::make_unique<WinDurOzirozador>(*platform_);
    view_ = std::make_unique<View>(*window_);
    // Ticks come from the scenario's clock commands only.
    view_->stopClock();
    platform_->attach(*view_);
  }

  void type(Control& control, const std::vector<Key>& keys) override {
    focus(control);
    for (const Key& key : keys)
      deliver(key);
  }

 protected:
  PlatformScript& script() override { return *platform_; }
  virtual void deliver(const Key& key) = 0;

  // The view goes first, then the window it shows, then their platform. A toolkit's backend calls
  // it from its own destructor, while the toolkit is still there.
  void destroy() {
    view_.reset();
    window_.reset();
    platform_.reset();
  }

  std::unique_ptr<ScriptedToolkitPlatform> platform_;
  std::unique_ptr<View> view_;
};

}  // namespace tarvel::scenarios
