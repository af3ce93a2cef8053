#include "tests/runner/win32/win32_backend.hpp"

#include <commctrl.h>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "window/model/code_page.hpp"
#include "window/model/control_visit.hpp"
#include "window/win32/child_windows.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/utf16.hpp"

namespace tarvel::scenarios {
namespace {

// The key data a keyboard gives WM_KEYDOWN: one stroke, the key's scan code, and the extended
// flag of the keys beside the numeric keypad, which would otherwise read as its digits.
LPARAM keyData(UINT virtualKey) {
  constexpr LPARAM kExtended = 1 << 24;
  const bool extended = virtualKey == VK_DELETE || virtualKey == VK_HOME || virtualKey == VK_END ||
                        virtualKey == VK_LEFT || virtualKey == VK_RIGHT;
  return 1 | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16 |
         (extended ? kExtended : 0);
}

constexpr LPARAM kReleased = 0xC0000000;

void postKey(HWND target, UINT virtualKey) {
  PostMessageW(target, WM_KEYDOWN, virtualKey, keyData(virtualKey));
  PostMessageW(target, WM_KEYUP, virtualKey, keyData(virtualKey) | kReleased);
}

// The keys whose characters TranslateMessage makes from WM_KEYDOWN, through IsDialogMessageW;
// any other character comes as the WM_CHAR a keyboard layout would have made.
void postCharacter(HWND target, std::int16_t code) {
  switch (code) {
    case key::kBackspace:
      return postKey(target, VK_BACK);
    case key::kEnter:
      return postKey(target, VK_RETURN);
    case key::kEscape:
      return postKey(target, VK_ESCAPE);
    default:
      break;
  }
  const char32_t character = cp1252::toUnicode(static_cast<std::uint8_t>(code));
  PostMessageW(target, WM_CHAR, static_cast<WPARAM>(character), keyData(0));
}

UINT virtualKeyOf(EditKey key) {
  constexpr std::pair<EditKey, UINT> kKeys[] = {{EditKey::Delete, VK_DELETE},
                                                {EditKey::Home, VK_HOME},
                                                {EditKey::End, VK_END},
                                                {EditKey::Left, VK_LEFT},
                                                {EditKey::Right, VK_RIGHT}};
  for (const auto& [editing, virtualKey] : kKeys) {
    if (editing == key) return virtualKey;
  }
  return 0;
}

// Shift+F1 is F1 with Shift held.
UINT virtualKeyOf(FunctionKey key) {
  constexpr std::pair<FunctionKey, UINT> kKeys[] = {
      {FunctionKey::F2, VK_F2}, {FunctionKey::F7, VK_F7}, {FunctionKey::F8, VK_F8}};
  for (const auto& [function, virtualKey] : kKeys) {
    if (function == key) return virtualKey;
  }
  return VK_F1;
}

// Shift held down for this thread, as IsDialogMessageW reads it for Shift+Tab.
class ShiftHeld {
 public:
  ShiftHeld() {
    GetKeyboardState(saved_.data());
    std::array<BYTE, 256> held = saved_;
    held[VK_SHIFT] |= 0x80;
    held[VK_LSHIFT] |= 0x80;
    SetKeyboardState(held.data());
  }
  ~ShiftHeld() { SetKeyboardState(saved_.data()); }
  ShiftHeld(const ShiftHeld&) = delete;
  ShiftHeld& operator=(const ShiftHeld&) = delete;

 private:
  std::array<BYTE, 256> saved_{};
};

// What the context menu's Paste takes: the text on the clipboard.
void putOnClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

bool isShown(HWND child) {
  return (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The quit of the last scenario's window ends nothing of the next one.
void discardQuit() {
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

std::string quoted(const std::wstring& text) {
  return "\"" + win32::toUtf8(text) + "\"";
}

std::string listText(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items)
    text += "\"" + item + "\" ";
  return text;
}

std::string listShown(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index)
    items.push_back(win32::toUtf8(win32::listItem(combo, static_cast<WPARAM>(index))));
  return listText(items);
}

// What a child window shows that its control does not hold; empty when they agree.
std::string differenceOf(const Control& control, HWND child) {
  if ((IsWindowEnabled(child) != FALSE) != control.enabled()) return "enabled flag differs";
  if (isShown(child) != control.visible()) return "visibility differs";
  const std::wstring text = win32::windowText(child);
  return visit(control,
               Overloaded{
                   [&](const TextField& field) {
                     return text == win32::toUtf16(field.text()) ? std::string()
                                                                 : "shows " + quoted(text);
                   },
                   [&](const ComboBox& box) {
                     if (text != win32::toUtf16(box.text())) return "shows " + quoted(text);
                     const std::string shown = listShown(child);
                     return shown == listText(box.list()) ? std::string() : "lists " + shown;
                   },
                   [&](const CheckBox& box) {
                     const bool checked = SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
                     return checked == (box.value() == 1) ? std::string() : "check mark differs";
                   },
                   // A screen reader reads a label only as the text of a static window.
                   [&](const Label& label) {
                     std::array<wchar_t, 16> className{};
                     GetClassNameW(child, className.data(), static_cast<int>(className.size()));
                     if (lstrcmpiW(className.data(), WC_STATICW) != 0)
                       return std::string("not static text");
                     return text == win32::toUtf16(label.caption()) ? std::string()
                                                                    : "shows " + quoted(text);
                   },
                   [](const auto&) { return std::string(); },
               });
}

}  // namespace

Win32Backend::~Win32Backend() {
  destroy();
  discardQuit();
}

void Win32Backend::create(const PlatformScript::Folders& folders, const CalendarDate& date) {
  ToolkitBackend::create(folders, date);
  closed_ = false;
  discardQuit();
}

void Win32Backend::load() {
  window_->Form_Load();
  view_->show(SW_SHOWNORMAL);
  window_->show();
  settle();
}

// The close box of the title bar.
void Win32Backend::unload() {
  PostMessageW(view_->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  settle();
  closed_ = true;
}

void Win32Backend::settle() {
  win32::handlePendingMessages(view_->handle());
}

// Keys go to the window that has the focus, as on a keyboard.
void Win32Backend::deliver(const Key& key) {
  HWND target = GetFocus();
  if (!target || window_->ended()) return;
  switch (key.kind) {
    case Key::Kind::Character:
      postCharacter(target, key.code);
      break;
    case Key::Kind::Editing:
      postKey(target, virtualKeyOf(key.editing));
      break;
    case Key::Kind::Tab:
      postKey(target, VK_TAB);
      break;
    case Key::Kind::Function:
      if (key.function == FunctionKey::ShiftF1) {
        const ShiftHeld shift;
        postKey(target, VK_F1);
        settle();
        return;
      }
      postKey(target, virtualKeyOf(key.function));
      break;
    case Key::Kind::BackTab: {
      const ShiftHeld shift;
      postKey(target, VK_TAB);
      settle();
      return;
    }
  }
  settle();
}

void Win32Backend::paste(TextField& field, std::string_view text) {
  focus(field);
  putOnClipboard(view_->handle(), win32::toUtf16(text));
  PostMessageW(view_->childOf(field), WM_PASTE, 0, 0);
  settle();
}

void Win32Backend::focus(Control& control) {
  if (HWND child = view_->childOf(control)) SetFocus(child);
  settle();
}

// A click on the item in the open list.
bool Win32Backend::pick(ComboBox& box, std::string_view item) {
  focus(box);
  HWND combo = view_->childOf(box);
  const std::wstring wanted = win32::toUtf16(item);
  const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(wanted.c_str()));
  // The search ignores case; the list's items must match exactly.
  if (index == CB_ERR || win32::listItem(combo, static_cast<WPARAM>(index)) != wanted) return false;
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  GetComboBoxInfo(combo, &parts);
  RECT row{};
  SendMessageW(parts.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&row));
  const LPARAM at = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
  PostMessageW(parts.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(parts.hwndList, WM_LBUTTONUP, 0, at);
  settle();
  return true;
}

bool Win32Backend::click(Control& control) {
  const auto pressButton = [this](const Control& button) {
    HWND child = view_->childOf(button);
    if (!child || !IsWindowEnabled(child) || !isShown(child)) return false;
    PostMessageW(child, BM_CLICK, 0, 0);
    settle();
    return true;
  };
  return visit(control, Overloaded{
                            [&](PushButton& button) { return pressButton(button); },
                            [&](CheckBox& box) { return pressButton(box); },
                            [&](Label& label) {
                              HWND child = view_->childOf(label);
                              if (!child) return false;
                              PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
                              PostMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
                              settle();
                              return true;
                            },
                            [](auto&) { return false; },
                        });
}

std::string Win32Backend::shownDifference() {
  if (!view_ || closed_ || window_->ended()) return {};
  for (const Control* control : window_->controls()) {
    HWND child = view_->childOf(*control);
    if (!child) {
      if (control->kind() == ControlKind::Label) return control->fullName() + ": no window";
      continue;
    }
    const std::string difference = differenceOf(*control, child);
    if (!difference.empty()) return control->fullName() + ": " + difference;
  }
  const Control* focused = window_->focused();
  const Control* shown = view_->controlOf(GetFocus());
  if (focused && shown != focused)
    return "the focus in " + (shown ? shown->fullName() : std::string("no control")) +
           ", the model's in " + focused->fullName();
  return {};
}

}  // namespace tarvel::scenarios
