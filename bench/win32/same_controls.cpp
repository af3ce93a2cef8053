// The design's controls as standard Windows controls at their places, with the design's fonts and
// the globe beneath them, and none of the program's logic: the baseline its start is timed
// against.
#include <windows.h>

#include <string>

#include "window/model/design.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/fonts.hpp"
#include "window/win32/picture.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/utf16.hpp"

using namespace tarvel;
using namespace tarvel::win32;

namespace {

struct KindClass {
  ControlKind kind;
  const wchar_t* name;
  DWORD style;
};

constexpr KindClass kClasses[] = {
    {ControlKind::PushButton, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
    {ControlKind::CheckBox, L"BUTTON", BS_CHECKBOX | WS_TABSTOP},
    {ControlKind::TextField, L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {ControlKind::ComboBox, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP},
    {ControlKind::Label, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX},
};

const KindClass* classOf(ControlKind kind) {
  for (const KindClass& entry : kClasses)
    if (entry.kind == kind) return &entry;
  return nullptr;
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      const auto* globe =
          reinterpret_cast<const Picture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      HDC source = CreateCompatibleDC(dc);
      if (source && globe && globe->bitmap) {
        HGDIOBJ previous = SelectObject(source, globe->bitmap.get());
        BitBlt(dc, 0, 0, globe->size.cx, globe->size.cy, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
      }
      if (source) DeleteDC(source);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const Picture globe = loadPngResource(TARVEL_IDR_GLOBE_PNG);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(TARVEL_IDI_ICON));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"SameControls";
  if (!RegisterClassExW(&windowClass)) return 1;
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const SIZE client = clientSize(kDesignDpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  HWND window = CreateWindowExW(0, L"SameControls", L"Same-controls-Win32", kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&globe));
  try {
    const FontSet fonts(GetDpiForWindow(window), {});
    for (const ControlDesign& control : design::controls()) {
      const KindClass* kind = classOf(control.kind);
      if (!kind) continue;
      const RECT box = pixels(control.box, kDesignDpi);
      const DWORD visible = control.visible ? WS_VISIBLE : 0;
      HWND child = CreateWindowExW(0, kind->name, toUtf16(control.text).c_str(),
                                   WS_CHILD | WS_CLIPSIBLINGS | visible | kind->style, box.left,
                                   box.top, box.right - box.left, box.bottom - box.top, window,
                                   nullptr, instance, nullptr);
      if (!child) return 1;
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.fontOf(control.font)), FALSE);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (IsDialogMessageW(window, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  } catch (const CreationFailed&) {
    return 1;
  }
  return 0;
}
