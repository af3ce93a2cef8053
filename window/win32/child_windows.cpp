#include "window/win32/child_windows.hpp"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "window/model/control_visit.hpp"
#include "window/win32/handles.hpp"
#include "window/win32/utf16.hpp"

namespace tarvel::win32 {
namespace {

// One-line fields, the twelve coordinate fields centred. A one-line edit control pastes a text
// up to its first line break.
ChildClass editClassOf(const TextField& field) {
  const DWORD alignment = field.design().alignment == Alignment::Center ? ES_CENTER : ES_LEFT;
  return {WC_EDITW, alignment | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

std::vector<std::wstring> listOf(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index)
    items.push_back(listItem(combo, static_cast<WPARAM>(index)));
  return items;
}

}  // namespace

ChildClass childClassOf(const Control& control) {
  return visit(control,
               Overloaded{
                   [](const PushButton&) {
                     return ChildClass{WC_BUTTONW, BS_PUSHBUTTON | BS_NOTIFY};
                   },
                   // The model decides the value: the box does not toggle itself.
                   [](const CheckBox&) {
                     return ChildClass{WC_BUTTONW, BS_CHECKBOX | BS_NOTIFY};
                   },
                   [](const TextField& field) { return editClassOf(field); },
                   // A drop-down whose edit takes any text: nothing completes or matches it.
                   [](const ComboBox&) {
                     return ChildClass{WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
                   },
                   // Its text is in the window tree, where a screen reader finds it; a label that
                   // takes a click says so.
                   [](const Label& label) {
                     const DWORD alignment = label.design().alignment == Alignment::Center
                                                 ? SS_CENTER
                                                 : SS_LEFTNOWORDWRAP;
                     return ChildClass{WC_STATICW,
                                       alignment | SS_NOPREFIX | (label.onClick ? SS_NOTIFY : 0)};
                   },
                   // The rose, named for a screen reader: it shows nothing itself.
                   [](const Shape& shape) {
                     return shape.design().accessibleName.empty()
                                ? ChildClass{}
                                : ChildClass{WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX};
                   },
                   [](const auto&) { return ChildClass{}; },
               });
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring listItem(HWND combo, WPARAM index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<std::size_t>(length));
  return item;
}

void display(HWND edit, const TextField& field) {
  const std::wstring text = toUtf16(field.text());
  if (windowText(edit) != text) SetWindowTextW(edit, text.c_str());
  const EditBuffer& buffer = field.buffer();
  const std::size_t start = unitsBefore(text, buffer.selectionStart());
  const std::size_t end = unitsBefore(text, buffer.selectionStart() + buffer.selectionLength());
  const std::size_t caret = unitsBefore(text, buffer.caret());
  // The caret ends the selection; without one, it stands alone.
  if (buffer.selectionLength() > 0) {
    SendMessageW(edit, EM_SETSEL, start, end);
  } else {
    SendMessageW(edit, EM_SETSEL, caret, caret);
  }
}

// Setting a combo box's text with WM_SETTEXT leaves it exactly as given; CB_SELECTSTRING and the
// like would put the first item it prefixes in its place.
void display(HWND combo, const ComboBox& box) {
  std::vector<std::wstring> items;
  for (const std::string& item : box.list())
    items.push_back(toUtf16(item));
  if (listOf(combo) != items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);  // empties the edit too
    for (const std::wstring& item : items)
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  const std::wstring text = toUtf16(box.text());
  if (windowText(combo) != text) SetWindowTextW(combo, text.c_str());
}

void display(HWND button, const CheckBox& box) {
  SendMessageW(button, BM_SETCHECK, box.value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void display(HWND, const PushButton&) {}  // its caption never changes

// WM_SETTEXT: the system tells a screen reader that the label's name changed.
bool display(HWND label, const Label& model) {
  const std::wstring caption = toUtf16(model.caption());
  if (windowText(label) == caption) return false;
  SetWindowTextW(label, caption.c_str());
  return true;
}

// The label's box is its caption's, from the design's left edge or about the design's centre: a
// caption wider than its design box with another system's fonts shows in full, and the design's
// boxes that reach under a field, the check box or the next label (the clock's over "Nord") leave
// them uncovered: a label window paints its whole box.
RECT fittedBox(HWND label, RECT box, Alignment alignment) {
  SIZE text{};
  if (HDC dc = GetDC(label)) {
    const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring caption = windowText(label);
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    ReleaseDC(label, dc);
  }
  if (alignment == Alignment::Center) box.left = (box.left + box.right - text.cx) / 2;
  box.right = box.left + text.cx;
  box.bottom = box.top + text.cy;
  return box;
}

Selection selectionOf(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring text = windowText(edit);
  const std::size_t first = charactersBefore(text, start);
  return {first, charactersBefore(text, end) - first};
}

}  // namespace tarvel::win32
