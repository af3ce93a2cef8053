#pragma once

#include <windows.h>
// The interfaces and the property identifiers. Not uiautomationcoreapi.h, whose prototypes do not
// compile as C++ (a parameter named `new`).
#include <uiautomationclient.h>

#include <memory>

// UI Automation's provider functions, found at run time in UIAutomationCore.dll: mingw-w64 ships
// no import library for it, and a system without one of them (an older Windows, Wine) still runs
// the program, which then announces nothing. What mingw-w64's headers lack is declared here, with
// the values Microsoft documents.
namespace tarvel::win32 {

// uiautomationcoreapi.h's values.
inline constexpr long kUiaRootObjectId = -25;
inline constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);
// uiautomationcore.h's enumerations (Windows 10 1709 for the two kinds of notification) and
// identifiers.
enum class NotificationKind : int { Other = 4 };
enum class NotificationProcessing : int { MostRecent = 3 };
enum class LiveSetting : int { Off = 0, Polite = 1 };
inline constexpr EVENTID kLiveRegionChangedEventId = 20024;
inline constexpr CONTROLTYPEID kTextControlTypeId = 50020;

// The entry points, each null where the library lacks it.
struct UiaEntryPoints {
  using ReturnRawElementProvider = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM,
                                                    IRawElementProviderSimple*);
  using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
  using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, NotificationKind,
                                                  NotificationProcessing, BSTR, BSTR);
  using RaiseAutomationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, EVENTID);
  using DisconnectProvider = HRESULT(WINAPI*)(IRawElementProviderSimple*);

  ReturnRawElementProvider returnRawElementProvider = nullptr;
  HostProviderFromHwnd hostProviderFromHwnd = nullptr;
  RaiseNotificationEvent raiseNotificationEvent = nullptr;
  RaiseAutomationEvent raiseAutomationEvent = nullptr;
  DisconnectProvider disconnectProvider = nullptr;
};

struct LibraryDeleter {
  using pointer = HMODULE;
  void operator()(HMODULE library) const { FreeLibrary(library); }
};
using UniqueLibrary = std::unique_ptr<HMODULE, LibraryDeleter>;

inline constexpr const wchar_t* kUiaLibrary = L"UIAutomationCore.dll";

// The library, from the system folder only, and its entry points, for the life of the object.
class UiaCore {
 public:
  explicit UiaCore(const wchar_t* library = kUiaLibrary);
  // Entry points of the caller's, no library: a test's.
  explicit UiaCore(const UiaEntryPoints& given) : entryPoints_(given) {}

  const UiaEntryPoints& entryPoints() const { return entryPoints_; }

 private:
  UniqueLibrary library_;
  UiaEntryPoints entryPoints_;
};

}  // namespace tarvel::win32
