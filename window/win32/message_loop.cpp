#include "window/win32/message_loop.hpp"

namespace tarvel::win32 {
namespace {

void dispatch(HWND window, MSG& message) {
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
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0)
    dispatch(window, message);
  return static_cast<int>(message.wParam);
}

}  // namespace tarvel::win32
