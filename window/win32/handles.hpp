#pragma once

#include <windows.h>

#include <memory>

// Owned handles: each kind released by its own function, on every path, by its owner's
// destructor (in the manner of WIL's unique_hbrush).
namespace tarvel::win32 {

template <typename Handle>
struct GdiObjectDeleter {
  using pointer = Handle;
  void operator()(Handle handle) const { DeleteObject(handle); }
};
template <typename Handle>
using UniqueGdiObject = std::unique_ptr<Handle, GdiObjectDeleter<Handle>>;

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

struct MemoryDcDeleter {
  using pointer = HDC;
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<HDC, MemoryDcDeleter>;

struct IconDeleter {
  using pointer = HICON;
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<HICON, IconDeleter>;

struct WindowDeleter {
  using pointer = HWND;
  void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<HWND, WindowDeleter>;

// An object selected into a device context for a scope; the previous one comes back after.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tarvel::win32
