#include "window/win32/announcement_provider.hpp"

namespace tarvel::win32 {
namespace {

HRESULT integer(VARIANT* value, int number) {
  value->vt = VT_I4;
  value->lVal = number;
  return S_OK;
}

HRESULT text(VARIANT* value, const std::wstring& characters) {
  BSTR copy = SysAllocStringLen(characters.data(), static_cast<UINT>(characters.size()));
  if (!copy) return E_OUTOFMEMORY;
  value->vt = VT_BSTR;
  value->bstrVal = copy;
  return S_OK;
}

}  // namespace

AnnouncementProvider::AnnouncementProvider(HWND window, UiaEntryPoints::HostProviderFromHwnd hostOf)
    : window_(window), hostOf_(hostOf) {}

HRESULT AnnouncementProvider::QueryInterface(REFIID interfaceId, void** object) {
  if (!object) return E_POINTER;
  if (interfaceId == __uuidof(IUnknown) || interfaceId == __uuidof(IRawElementProviderSimple)) {
    *object = static_cast<IRawElementProviderSimple*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AnnouncementProvider::AddRef() {
  return ++references_;
}

ULONG AnnouncementProvider::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT AnnouncementProvider::get_ProviderOptions(ProviderOptions* options) {
  if (!options) return E_POINTER;
  *options = ProviderOptions_ServerSideProvider;
  return S_OK;
}

// No control pattern: a live region is read, never worked.
HRESULT AnnouncementProvider::GetPatternProvider(PATTERNID, IUnknown** provider) {
  if (!provider) return E_POINTER;
  *provider = nullptr;
  return S_OK;
}

HRESULT AnnouncementProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
  if (!value) return E_POINTER;
  value->vt = VT_EMPTY;
  if (!window_) return kElementNotAvailable;
  switch (property) {
    case UIA_NamePropertyId:
      return text(value, sentence_);
    case UIA_ControlTypePropertyId:
      return integer(value, kTextControlTypeId);
    case UIA_LiveSettingPropertyId:
      return integer(value, static_cast<int>(LiveSetting::Polite));
    default:
      return S_OK;  // the host provider's, or none
  }
}

HRESULT AnnouncementProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
  if (!host) return E_POINTER;
  *host = nullptr;
  if (!window_) return kElementNotAvailable;
  return hostOf_ ? hostOf_(window_, host) : S_OK;
}

}  // namespace tarvel::win32
