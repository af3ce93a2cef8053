#include "tests/support/window_user.hpp"

#include <cctype>

#include "window/win_dur_ozirozador.hpp"

namespace tarvel::test_support {

void retypeMyLocator(WinDurOzirozador& window, std::string_view locator) {
  window.setFocus(window.Text_M_Loc);
  window.Text_M_Loc.pressKey(EditKey::End);
  while (!window.Text_M_Loc.text().empty()) {
    const auto before = window.Text_M_Loc.text().size();
    window.Text_M_Loc.typeKey(key::kBackspace);
    if (window.Text_M_Loc.text().size() == before) return;  // the field refuses: leave it so
  }
  for (const char character : locator)
    window.Text_M_Loc.typeKey(
        static_cast<std::int16_t>(std::tolower(static_cast<unsigned char>(character))));
}

void setKeepBox(WinDurOzirozador& window, bool keep) {
  if ((window.Check_Sauve.value() == 1) != keep) window.Check_Sauve.click();
}

void closeWindow(WinDurOzirozador& window) {
  int cancel = 0;
  window.Form_Unload(cancel);
}

}  // namespace tarvel::test_support
