// The real window's platform on Win32: MessageBoxW and the thread's message queue.
#include <windows.h>

#include "window/desktop/toolkit_platform.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_view.hpp"

namespace tarvel {
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
  for (const wchar_t unit : win32::toUtf16(text)) {
    shown.push_back(unit);
    if (unit == L'\r') shown.push_back(L'\n');
  }
  return shown;
}

HWND windowOf(DesktopView* view) {
  const auto* window = dynamic_cast<win32::WindowView*>(view);
  return window ? window->handle() : nullptr;
}

}  // namespace

void ToolkitPlatform::showMessage(std::string_view text, MessageIcon icon,
                                  std::string_view caption) {
  if (ending() || toldUnattended(text)) return;
  MessageBoxW(windowOf(view()), withLineBreaks(text).c_str(), win32::toUtf16(caption).c_str(),
              MB_OK | boxIcon(icon));
}

void ToolkitPlatform::handlePendingEvents() {
  win32::handlePendingMessages(windowOf(liveView()));
}

// Each nested loop puts WM_QUIT back for the one it is nested in.
void ToolkitPlatform::leaveEventLoops() {
  PostQuitMessage(0);
}

}  // namespace tarvel
