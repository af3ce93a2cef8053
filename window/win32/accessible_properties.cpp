#include "window/win32/accessible_properties.hpp"

#include <algorithm>
#include <array>

#include "window/win32/utf16.hpp"

namespace tarvel::win32 {

AccessibleProperties::AccessibleProperties() {
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices,
                              reinterpret_cast<void**>(service_.GetAddressOf()))))
    service_.Reset();
}

// The service keeps the properties of a window until they are cleared.
AccessibleProperties::~AccessibleProperties() {
  if (!service_) return;
  std::array<MSAAPROPID, 2> properties{PROPID_ACC_NAME, PROPID_ACC_VALUE};
  for (HWND window : annotated_)
    service_->ClearHwndProps(window, OBJID_CLIENT, CHILDID_SELF, properties.data(),
                             static_cast<int>(properties.size()));
}

bool AccessibleProperties::setName(HWND window, std::string_view name) {
  return set(window, PROPID_ACC_NAME, name);
}

bool AccessibleProperties::setValue(HWND window, std::string_view value) {
  return set(window, PROPID_ACC_VALUE, value);
}

bool AccessibleProperties::set(HWND window, const MSAAPROPID& property, std::string_view text) {
  if (!service_ || !window) return false;
  const std::wstring wide = toUtf16(text);
  if (FAILED(service_->SetHwndPropStr(window, OBJID_CLIENT, CHILDID_SELF, property, wide.c_str())))
    return false;
  if (std::find(annotated_.begin(), annotated_.end(), window) == annotated_.end())
    annotated_.push_back(window);
  return true;
}

}  // namespace tarvel::win32
