#pragma once

#include <windows.h>

#include <string>

#include "tests/runner/toolkit_backend.hpp"
#include "window/win32/window_view.hpp"

namespace tarvel::scenarios {

// The real Win32 controls. Keys are WM_KEYDOWN and WM_CHAR messages posted to the control that
// has the focus and read by the program's own message loop (IsDialogMessageW included); clicks
// are BM_CLICK and mouse messages, list picks a click in the open list. After every action the
// controls must show what the model holds.
class Win32Backend : public ToolkitBackend<win32::WindowView> {
 public:
  Win32Backend() = default;
  ~Win32Backend() override;

  void create(const PlatformScript::Folders& folders, const CalendarDate& date) override;
  void load() override;
  void unload() override;

  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;
  std::string shownDifference() override;
  HWND childOf(const Control& control) const { return view_->childOf(control); }

 private:
  void deliver(const Key& key) override;
  // What the program's loop would do with everything waiting now.
  void settle();

  bool closed_ = false;
};

}  // namespace tarvel::scenarios
