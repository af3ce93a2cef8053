#include "window/win32/key_codes.hpp"

#include "window/model/code_page.hpp"

namespace tarvel::win32 {

std::optional<std::int16_t> characterCode(WPARAM unit) {
  if (IS_LOW_SURROGATE(unit)) return std::nullopt;
  if (IS_HIGH_SURROGATE(unit)) return cp1252::kQuestionMark;
  return cp1252::fromUnicode(static_cast<char32_t>(unit));
}

LRESULT fieldDialogCode(LRESULT editsOwnCode, const MSG* message) {
  if (!message || message->message != WM_KEYDOWN) return editsOwnCode;
  switch (message->wParam) {
    case VK_RETURN:
    case VK_ESCAPE:
      return editsOwnCode | DLGC_WANTALLKEYS;
    default:
      return editsOwnCode;
  }
}

}  // namespace tarvel::win32
