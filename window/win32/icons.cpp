#include "window/win32/icons.hpp"

#include <utility>

#include "window/win32/resource_ids.h"

namespace tarvel::win32 {
namespace {

using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

// mingw-w64's comctl32 import library lacks it: it is taken from the common controls 6 that the
// manifest loads.
LoadIconWithScaleDownFunction loadIconWithScaleDown() {
  HMODULE commonControls = GetModuleHandleW(L"comctl32.dll");
  if (!commonControls) return nullptr;
  const FARPROC found = GetProcAddress(commonControls, "LoadIconWithScaleDown");
  return reinterpret_cast<LoadIconWithScaleDownFunction>(reinterpret_cast<void (*)()>(found));
}

// The window lets go of the old icon before its owner destroys it; without a new one the class's
// icon stays.
void replaceIcon(HWND window, WPARAM which, UniqueIcon icon, UniqueIcon& owner) {
  if (!icon) return;
  SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
  owner = std::move(icon);
}

}  // namespace

UniqueIcon programIconAt(int widthMetric, int heightMetric, UINT dpi) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const int width = GetSystemMetricsForDpi(widthMetric, dpi);
  const int height = GetSystemMetricsForDpi(heightMetric, dpi);
  HICON icon = nullptr;
  if (const auto scaleDown = loadIconWithScaleDown();
      scaleDown &&
      SUCCEEDED(scaleDown(instance, MAKEINTRESOURCEW(TARVEL_IDI_ICON), width, height, &icon)))
    return UniqueIcon(icon);
  // Without common controls 6: the nearest image, scaled by the system either way.
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(TARVEL_IDI_ICON), IMAGE_ICON, width, height, 0)));
}

void WindowIcons::load(HWND window, UINT dpi) {
  replaceIcon(window, ICON_SMALL, programIconAt(SM_CXSMICON, SM_CYSMICON, dpi), small_);
  replaceIcon(window, ICON_BIG, programIconAt(SM_CXICON, SM_CYICON, dpi), large_);
}

}  // namespace tarvel::win32
