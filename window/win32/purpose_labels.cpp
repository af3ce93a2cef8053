#include "window/win32/purpose_labels.hpp"

#include <commctrl.h>

#include <string>

#include "window/model/controls.hpp"
#include "window/win32/named_proxy.hpp"
#include "window/win32/utf16.hpp"

namespace tarvel::win32 {
namespace {

bool takesItsNameFromALabel(const Control& control) {
  const ControlKind kind = control.kind();
  return (kind == ControlKind::TextField || kind == ControlKind::ComboBox ||
          kind == ControlKind::CheckBox) &&
         !control.design().accessibleName.empty();
}

void labelOne(const Control& control, HWND input, const Creation& creation) {
  const std::wstring purpose = toUtf16(control.design().accessibleName);
  HWND parent = GetParent(input);
  HWND label = creation.createWindow(0, WC_STATICW, purpose.c_str(), WS_CHILD | SS_NOPREFIX, 0, 0,
                                     0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!label) throw CreationFailed("le nom du contrôle " + control.fullName());
  // Just after the window before the input, that is just before the input.
  HWND before = GetWindow(input, GW_HWNDPREV);
  // Left last in the order, it would name nothing rightly.
  if (!SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
                    SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW))
    DestroyWindow(label);
  // Not a field: a proxy that reads no label names it by its own text.
  if (control.kind() != ControlKind::TextField)
    nameByPurpose(input, control.design().accessibleName);
}

}  // namespace

void labelByPurpose(const ChildWindows& children, const Creation& creation) {
  for (const auto& [control, input] : children)
    if (takesItsNameFromALabel(*control)) labelOne(*control, input, creation);
}

}  // namespace tarvel::win32
