// The distance command and its automatic start from the correspondent's locator field.
#include "entry/locator_entry.hpp"
#include "geo/distance_azimuth.hpp"
#include "window/model/number_text.hpp"
#include "window/model/utf8.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kIdenticalLocators = "Erreur: les Locators sont identiques.";

}  // namespace

void WinDurOzirozador::ComDistance_Click() {
  Gest_Erreur();
  Calcul_Azi_Dist();
  Dessine_Angle();
  Heure_du_correspondant();
  setFocus(Text_S_Loc);
}

// Runs the distance command even when the check in Com_S_Click refused the locator: it then
// shows the previous correspondent again (0° N 0° E if none was ever computed).
void WinDurOzirozador::Text_S_Loc_Change() {
  if (utf8::length(Text_S_Loc.text()) != 6) return;
  if (Text_S_Loc.text() == Text_M_Loc.text()) {
    message(kIdenticalLocators, MessageIcon::None);
    return;
  }
  Com_S_Click();
  ComDistance_Click();
}

void WinDurOzirozador::Text_S_Loc_KeyPress(std::int16_t& key) {
  key = upperCaseKey(key);
  if (key == key::kEnter) Com_S_Raz_Click();
  if (key == key::kBackspace) needleAtRest();
}

void WinDurOzirozador::Calcul_Azi_Dist() {
  const geo::DistanceAzimuth result = geo::distanceAndAzimuth(
      {.latitude = Lat_Mon.value_or(0), .westLongitude = Lon_Mon.value_or(0)},
      {.latitude = Lat_Son.value_or(0), .westLongitude = Lon_Son.value_or(0)});
  LabelDistance.setCaption("Distance: " + number_text::wholeNumber(result.kilometres) + " Km");
  Azimut = result.azimuth;
  LabelAzimut.setCaption("Azimut: " + number_text::wholeNumber(result.azimuth) + "°");
}

}  // namespace tarvel
