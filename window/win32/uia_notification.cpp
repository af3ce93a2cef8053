#include "window/win32/uia_notification.hpp"

#include <commctrl.h>

#include <memory>
#include <utility>

#include "window/win32/rose_accessible.hpp"
#include "window/win32/utf16.hpp"

namespace tarvel::win32 {
namespace {

constexpr UINT_PTR kNotificationSubclass = 1;
// Tells a screen reader's handler where the notification comes from.
constexpr const wchar_t* kActivity = L"Tarvel.Result";

struct StringDeleter {
  using pointer = BSTR;
  void operator()(BSTR text) const { SysFreeString(text); }
};
using UniqueString = std::unique_ptr<BSTR, StringDeleter>;

UniqueString bstr(std::wstring_view text) {
  return UniqueString(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

}  // namespace

UiaNotification::UiaNotification(HWND parent, const Creation& creation, UiaCore core)
    : core_(std::move(core)) {
  // Shown, so that UI Automation keeps it in its tree, yet drawing nothing over the picture.
  window_ = creation.createWindow(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, 1,
                                  1, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw CreationFailed("la fenêtre des annonces");
  if (!paintsNothing(window_)) ShowWindow(window_, SW_HIDE);
  provider_.Attach(new AnnouncementProvider(window_, entryPoints().hostProviderFromHwnd));
  SetWindowSubclass(window_, &UiaNotification::procedure, kNotificationSubclass,
                    reinterpret_cast<DWORD_PTR>(this));
}

// The window normally went with its parent already. The clients' references to the element are
// released now, out of any message, and a client still holding one is told it is gone.
UiaNotification::~UiaNotification() {
  if (window_) DestroyWindow(window_);
  if (entryPoints().disconnectProvider) entryPoints().disconnectProvider(provider_.Get());
}

void UiaNotification::announce(std::string_view sentence) {
  const std::wstring wide = toUtf16(sentence);
  provider_->setSentence(wide);
  const UiaEntryPoints& uia = entryPoints();
  if (uia.raiseNotificationEvent) {
    const UniqueString text = bstr(wide);
    const UniqueString activity = bstr(kActivity);
    if (text && activity)
      uia.raiseNotificationEvent(provider_.Get(), NotificationKind::Other,
                                 NotificationProcessing::MostRecent, text.get(), activity.get());
  } else if (uia.raiseAutomationEvent) {
    uia.raiseAutomationEvent(provider_.Get(), kLiveRegionChangedEventId);
  }
}

LRESULT CALLBACK UiaNotification::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &UiaNotification::procedure, kNotificationSubclass);
    auto* notification = reinterpret_cast<UiaNotification*>(self);
    notification->provider_->detach();
    notification->window_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return reinterpret_cast<UiaNotification*>(self)->handleMessage(message, wParam, lParam);
}

LRESULT UiaNotification::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const UiaEntryPoints& uia = entryPoints();
  if (message == WM_GETOBJECT && static_cast<long>(lParam) == kUiaRootObjectId &&
      uia.returnRawElementProvider)
    return uia.returnRawElementProvider(window_, wParam, lParam, provider_.Get());
  return DefSubclassProc(window_, message, wParam, lParam);
}

}  // namespace tarvel::win32
