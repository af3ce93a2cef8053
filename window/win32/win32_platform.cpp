#include "window/win32/win32_platform.hpp"

#include <windows.h>

#include "window/win32/message_loop.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_view.hpp"

namespace tarvel::win32 {
namespace {

UINT boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return MB_ICONERROR;
    case MessageIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::None:
      break;
  }
  return 0;
}

// Character 13 alone ends a line of the program's texts; a message box wants CR LF.
std::wstring withLineBreaks(std::string_view text) {
  std::wstring shown;
  for (const wchar_t unit : toUtf16(text)) {
    shown.push_back(unit);
    if (unit == L'\r') shown.push_back(L'\n');
  }
  return shown;
}

}  // namespace

void Win32Platform::showMessage(std::string_view text, MessageIcon icon, std::string_view caption) {
  if (ending()) return;
  HWND owner = view_ ? view_->handle() : nullptr;
  MessageBoxW(owner, withLineBreaks(text).c_str(), toUtf16(caption).c_str(), MB_OK | boxIcon(icon));
}

void Win32Platform::runEventLoopPass() {
  WindowView* view = liveView();
  if (view) view->paintNow();
  handlePendingMessages(view ? view->handle() : nullptr);
}

void Win32Platform::giveFocus(const Control& control) {
  if (WindowView* view = liveView()) view->focusChildOf(control);
}

void Win32Platform::controlChanged(const Control& control) {
  if (WindowView* view = liveView()) view->sync(control);
}

void Win32Platform::leaveEventLoops() {
  PostQuitMessage(0);
}

}  // namespace tarvel::win32
