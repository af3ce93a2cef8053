#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "tests/runner/win32/win32_backend.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win32/child_windows.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/utf16.hpp"

namespace tarvel::win32 {

// The real window as the program opens it, on the scripted platform: message boxes are recorded,
// the folders are the test's. Input is real messages read by the program's own loop.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    platform.folders = {folder.path(), folder.path() / "user"};
    view.stopClock();
    platform.attach(view);
    window.Form_Load();
    view.show(SW_SHOWNORMAL);
    window.show();
    pump();
  }
  // A closed window's quit ends nothing of the next test's (a message box's loop would end on it).
  ~ViewTest() override {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  void pump() { handlePendingMessages(view.handle()); }

  HWND child(const Control& control) const { return view.childOf(control); }
  std::string shown(const Control& control) const { return toUtf8(windowText(child(control))); }
  std::string focusedName() const {
    const Control* focused = view.controlOf(GetFocus());
    return focused ? focused->fullName() : "no control";
  }

  void focus(const Control& control) {
    SetFocus(child(control));
    pump();
  }
  // A keyboard's character: what TranslateMessage would have made of its keys.
  void typeUnits(std::wstring_view units) {
    for (const wchar_t unit : units)
      PostMessageW(GetFocus(), WM_CHAR, unit, 1);
    pump();
  }
  void pressKey(UINT virtualKey) {
    PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, 1);
    PostMessageW(GetFocus(), WM_KEYUP, virtualKey, 1 | 0xC0000000);
    pump();
  }
  // With Shift held for this thread, as IsDialogMessageW and the edit controls read it.
  void pressShifted(UINT virtualKey) {
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    std::array<BYTE, 256> shifted = keys;
    shifted[VK_SHIFT] |= 0x80;
    SetKeyboardState(shifted.data());
    pressKey(virtualKey);
    SetKeyboardState(keys.data());
  }

  test_support::TemporaryFolder folder;
  scenarios::ScriptedToolkitPlatform platform;
  WinDurOzirozador window{platform};
  WindowView view{window};
};

}  // namespace tarvel::win32
