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
  emptyLocator(Mon);
}
void WinDurOzirozador::Comb_M_EO_GotFocus() {
  emptyLocator(Mon);
}
void WinDurOzirozador::Comb_S_NS_GotFocus() {
  emptyLocator(Son);
}
void WinDurOzirozador::Comb_S_EO_GotFocus() {
  emptyLocator(Son);
}

// A sighted user sees the locator go; a blind one is told, once, when there was one to lose.
void WinDurOzirozador::emptyLocator(StationRecord& station) {
  const bool held = !station.locator.text().empty();
  station.locator.setText("");
  if (held) notify(spoken::emptiedSentence(station.side));
}

}  // namespace tarvel
