#include "window/win32/message_loop.hpp"

namespace tarvel::win32 {
namespace {

// F1 anywhere in the window asks the window for help. Windows makes WM_HELP of it in the focused
// control's default procedure, Wine does not: the key is turned into the request here, once, and
// goes no further.
bool helpRequested(HWND window, const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_F1) return false;
  if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
  SendMessageW(window, WM_HELP, 0, 0);
  return true;
}

void dispatch(HWND window, MSG& message) {
  if (window && IsWindow(window) && helpRequested(window, message)) return;
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
