#pragma once

#include <windows.h>

#include "window/win32/creation.hpp"

// One C++ object per native window, in the shape of "Learn to Program for Windows": the window
// procedure finds its object through GWLP_USERDATA, stored at WM_NCCREATE, and forwards every
// message to `Derived::handleMessage`. From WM_NCDESTROY on the object no longer has a window, so
// nothing reaches a destroyed one.
namespace tarvel::win32 {

template <typename Derived>
class BaseWindow {
 public:
  BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;
  // The derived object is gone by now: the last messages of the window go to DefWindowProcW.
  ~BaseWindow() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }

  HWND handle() const { return hwnd_; }

 protected:
  struct Frame {
    DWORD style;
    DWORD extendedStyle;
    HICON icon;
  };

  // Throws CreationFailed when Windows makes neither the class nor the window.
  void create(const wchar_t* title, const Frame& frame, const Creation& creation = {}) {
    registerClass(frame.icon, creation);
    creation.createWindow(frame.extendedStyle, Derived::kClassName, title, frame.style,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                          nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) throw CreationFailed("sa fenêtre");
  }

  // Called by the derived destructor, so that the window's last messages still find it whole.
  void destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static void registerClass(HICON icon, const Creation& creation) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), Derived::kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = &BaseWindow::windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    windowClass.lpszClassName = Derived::kClassName;
    if (!creation.registerClass(&windowClass)) throw CreationFailed("la classe de sa fenêtre");
  }

  static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return static_cast<Derived*>(self)->handleMessage(message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace tarvel::win32
