#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/model/controls.hpp"
#include "window/model/platform.hpp"

namespace tarvel {

// The model of one window: its controls in design order, which of them holds the focus, the
// Tab order, and whether the window has ended. Controls report every change of a property to the
// platform through it.
class Form : public ControlOwner {
 public:
  explicit Form(Platform& platform) : platform_(platform) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Platform& platform() const { return platform_; }

  const std::vector<Control*>& controls() const { return controls_; }
  Control* find(std::string_view fullName) const;

  Control* focused() const { return focused_; }
  // SetFocus from code, or a click or a Tab from the user: a field gets its caret at the end, a
  // combo box that did not have the focus raises its got-focus event.
  void setFocus(Control& control);
  // The Tab key: the next control of the Tab order that can take the focus.
  void tab(bool forward);
  // Every control by its design's Tab index, in design order between equal indexes: the order in
  // which a real window creates its inputs, so that its own Tab key agrees with the model's.
  std::vector<Control*> byTabIndex() const;
  // Those of them that can take the focus.
  std::vector<Control*> tabOrder() const;

  // No event is handled and nothing is reported once the window has ended.
  void end() { ended_ = true; }
  bool ended() const override { return ended_; }

 private:
  void enrol(Control& control) override { controls_.push_back(&control); }
  void report(const Control& control) override;

  Platform& platform_;
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  bool ended_ = false;
};

}  // namespace tarvel
