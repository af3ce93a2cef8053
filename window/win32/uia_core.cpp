#include "window/win32/uia_core.hpp"

namespace tarvel::win32 {
namespace {

template <typename Function>
Function entryPoint(HMODULE library, const char* name) {
  // GetProcAddress's FARPROC stands for any function; the documented signature is restored here.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

UiaCore::UiaCore(const wchar_t* library)
    : library_(LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
  HMODULE loaded = library_.get();
  if (!loaded) return;
  using E = UiaEntryPoints;
  entryPoints_.returnRawElementProvider =
      entryPoint<E::ReturnRawElementProvider>(loaded, "UiaReturnRawElementProvider");
  entryPoints_.hostProviderFromHwnd =
      entryPoint<E::HostProviderFromHwnd>(loaded, "UiaHostProviderFromHwnd");
  entryPoints_.raiseNotificationEvent =
      entryPoint<E::RaiseNotificationEvent>(loaded, "UiaRaiseNotificationEvent");
  entryPoints_.raiseAutomationEvent =
      entryPoint<E::RaiseAutomationEvent>(loaded, "UiaRaiseAutomationEvent");
  entryPoints_.disconnectProvider =
      entryPoint<E::DisconnectProvider>(loaded, "UiaDisconnectProvider");
}

}  // namespace tarvel::win32
