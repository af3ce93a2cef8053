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

HWND windowOf(DesktopView* view) {
  const auto* window = dynamic_cast<WindowView*>(view);
  return window ? window->handle() : nullptr;
}

}  // namespace

void Win32Platform::showMessage(std::string_view text, MessageIcon icon, std::string_view caption) {
  if (ending()) return;
  MessageBoxW(windowOf(view()), withLineBreaks(text).c_str(), toUtf16(caption).c_str(),
              MB_OK | boxIcon(icon));
}

void Win32Platform::handlePendingEvents() {
  handlePendingMessages(windowOf(liveView()));
}

void Win32Platform::leaveEventLoops() {
  PostQuitMessage(0);
}

}  // namespace tarvel::win32
