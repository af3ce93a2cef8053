#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <string_view>

#include "window/win32/announcement_provider.hpp"
#include "window/win32/creation.hpp"
#include "window/win32/uia_core.hpp"

namespace tarvel::win32 {

// A result told to a screen reader through UI Automation: a notification event (Windows 10 1709
// and later), or, where the system has none, the live region changed event of the element whose
// name is the sentence. Its element is a window of its own in the program's window, one pixel,
// disabled, out of the Tab order and painting nothing. Without UI Automation the program runs on
// and says nothing this way.
class UiaNotification {
 public:
  // Throws CreationFailed when Windows does not make the window.
  UiaNotification(HWND parent, const Creation& creation, UiaCore core = UiaCore());
  ~UiaNotification();
  UiaNotification(const UiaNotification&) = delete;
  UiaNotification& operator=(const UiaNotification&) = delete;

  void announce(std::string_view sentence);

  HWND window() const { return window_; }
  IRawElementProviderSimple* element() const { return provider_.Get(); }
  const UiaEntryPoints& entryPoints() const { return core_.entryPoints(); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  UiaCore core_;
  HWND window_ = nullptr;
  Microsoft::WRL::ComPtr<AnnouncementProvider> provider_;
};

}  // namespace tarvel::win32
