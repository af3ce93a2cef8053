#pragma once

#include <atomic>
#include <string>

#include "window/win32/uia_core.hpp"

namespace tarvel::win32 {

// The announcement window's UI Automation element: a text, polite live region, whose name is the
// last sentence announced. The window's own element (its host provider) gives the rest. UI
// Automation calls it on the window's thread, the provider not asking for COM's threading.
class AnnouncementProvider final : public IRawElementProviderSimple {
 public:
  // Owned by its references: the first is the caller's.
  AnnouncementProvider(HWND window, UiaEntryPoints::HostProviderFromHwnd hostOf);
  AnnouncementProvider(const AnnouncementProvider&) = delete;
  AnnouncementProvider& operator=(const AnnouncementProvider&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

  void setSentence(std::wstring sentence) { sentence_ = std::move(sentence); }
  // The window is going: from now on every client is told the element is no longer there.
  void detach() { window_ = nullptr; }

 private:
  ~AnnouncementProvider() = default;

  std::atomic<ULONG> references_{1};
  HWND window_;
  UiaEntryPoints::HostProviderFromHwnd hostOf_;
  std::wstring sentence_;
};

}  // namespace tarvel::win32
