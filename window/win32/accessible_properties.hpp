#pragma once

#include <oleacc.h>
#include <windows.h>
#include <wrl/client.h>

#include <string_view>
#include <vector>

#include "window/win32/com_scope.hpp"

namespace tarvel::win32 {

// The names and values that MSAA and UI Automation read for a child window before its own text
// or the static text before it, through the system's property service. Where the service is
// missing, the controls keep the names MSAA finds by itself.
class AccessibleProperties {
 public:
  AccessibleProperties();
  ~AccessibleProperties();
  AccessibleProperties(const AccessibleProperties&) = delete;
  AccessibleProperties& operator=(const AccessibleProperties&) = delete;

  // Each answers whether the service took the property.
  bool setName(HWND window, std::string_view name);
  bool setValue(HWND window, std::string_view value);

 private:
  bool set(HWND window, const MSAAPROPID& property, std::string_view text);

  ComScope com_;
  Microsoft::WRL::ComPtr<IAccPropServices> service_;
  std::vector<HWND> annotated_;
};

}  // namespace tarvel::win32
