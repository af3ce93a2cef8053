#include "window/win32/message_loop.hpp"

#include <optional>

#include "window/model/controls.hpp"

namespace tarvel::win32 {
namespace {

bool held(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

// The window's function key a key press is, with Shift or no modifier, or none.
std::optional<FunctionKey> functionKeyOf(const MSG& message) {
  if (message.message != WM_KEYDOWN || held(VK_CONTROL) || held(VK_MENU)) return std::nullopt;
  const bool shift = held(VK_SHIFT);
  if (message.wParam == VK_F1) return shift ? FunctionKey::ShiftF1 : FunctionKey::F1;
  if (message.wParam == VK_F2 && !shift) return FunctionKey::F2;
  if (message.wParam == VK_F7 && !shift) return FunctionKey::F7;
  if (message.wParam == VK_F8 && !shift) return FunctionKey::F8;
  return std::nullopt;
}

// A function key anywhere in the window goes to the window, once, and no further. F1 asks for
// help: Windows makes WM_HELP of it in the focused control's default procedure, Wine does not, so
// the request is made here; the other keys have a message of the window's own.
bool functionKeyPressed(HWND window, const MSG& message) {
  const std::optional<FunctionKey> key = functionKeyOf(message);
  if (!key) return false;
  if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
  if (*key == FunctionKey::F1) {
    SendMessageW(window, WM_HELP, 0, 0);
  } else {
    SendMessageW(window, kFunctionKeyMessage, static_cast<WPARAM>(*key), 0);
  }
  return true;
}

void dispatch(HWND window, MSG& message) {
  if (window && IsWindow(window) && functionKeyPressed(window, message)) return;
  if (window && IsWindow(window) && IsDialogMessageW(window, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

bool handlePendingMessages(HWND window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    dispatch(window, message);
  }
  return true;
}

int runMessageLoop(HWND window) {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0)
    dispatch(window, message);
  // -1: Windows could not read the queue (an invalid window or message pointer), and no WM_QUIT
  // came to give a status.
  return got == 0 ? static_cast<int>(message.wParam) : kQueueFailedStatus;
}

}  // namespace tarvel::win32
