#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tests/runner/backend.hpp"
#include "tests/support/scripted_platform.hpp"
#include "window/win32/win32_platform.hpp"
#include "window/win32/window_view.hpp"

namespace tarvel::scenarios {

// The Win32 platform with what a scenario must control: message boxes are recorded instead of
// shown, and the clock, the date and the folders are the scenario's.
using ScriptedWin32Platform = Scripted<win32::Win32Platform>;

// The real Win32 controls. Keys are WM_KEYDOWN and WM_CHAR messages posted to the control that
// has the focus and read by the program's own message loop (IsDialogMessageW included); clicks
// are BM_CLICK and mouse messages, list picks a click in the open list. After every action the
// controls must show what the model holds.
class Win32Backend : public Backend {
 public:
  Win32Backend() = default;
  ~Win32Backend() override;

  void create(const PlatformScript::Folders& folders, const CalendarDate& date) override;
  void load() override;
  void unload() override;

  void type(Control& control, const std::vector<Key>& keys) override;
  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;
  std::string shownDifference() override;
  HWND childOf(const Control& control) const { return view_->childOf(control); }

 protected:
  PlatformScript& script() override { return *platform_; }

 private:
  void destroy();
  void deliver(const Key& key);
  // What the program's loop would do with everything waiting now.
  void settle();

  std::unique_ptr<ScriptedWin32Platform> platform_;
  std::unique_ptr<win32::WindowView> view_;
  bool closed_ = false;
};

}  // namespace tarvel::scenarios
