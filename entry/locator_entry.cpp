// My locator field's hooks and the hemisphere boxes' focus hooks.
#include "entry/locator_entry.hpp"

#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

void WinDurOzirozador::Text_M_Loc_KeyPress(std::int16_t& key) {
  key = upperCaseKey(key);
}

void WinDurOzirozador::Text_M_Loc_Change() {
  Gest_Erreur();
}

// Entering a hemisphere box counts as touching the coordinates: the station's next Calcul
// encodes them instead of decoding the old locator.
void WinDurOzirozador::Comb_M_NS_GotFocus() {
  Text_M_Loc.setText("");
}
void WinDurOzirozador::Comb_M_EO_GotFocus() {
  Text_M_Loc.setText("");
}
void WinDurOzirozador::Comb_S_NS_GotFocus() {
  Text_S_Loc.setText("");
}
void WinDurOzirozador::Comb_S_EO_GotFocus() {
  Text_S_Loc.setText("");
}

}  // namespace tarvel
