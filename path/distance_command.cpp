// The distance command and its automatic start from the correspondent's locator field.
#include <utility>

#include "entry/locator_entry.hpp"
#include "geo/distance_azimuth.hpp"
#include "window/model/number_text.hpp"
#include "window/model/utf8.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kIdenticalLocators = "Erreur: les Locators sont identiques.";
constexpr std::string_view kUnknownOrigin =
    "Mon locator n'est pas encore calculé : la distance et l'azimut sont comptés depuis la "
    "latitude 0° et la longitude 0°.";

}  // namespace

// The result is said once it is whole, unless a command nested in the sweep showed a newer one
// or cleared it: that one has been said already, or there is nothing left to say.
void WinDurOzirozador::ComDistance_Click() {
  ++distanceCommands_;
  warnOfUnknownOrigin();
  Gest_Erreur();
  Calcul_Azi_Dist();
  pointAntennaAtCorrespondent();
  const long revision = pathRevision_;
  Dessine_Angle();
  Heure_du_correspondant();
  setFocus(Text_S_Loc);
  if (revision == pathRevision_) announcePath();
  if (--distanceCommands_ == 0) showAntennaFault();
}

// A distance from 0° N 0° E is plainly wrong shown as a real result: said once a run, on screen
// and with the first result that follows.
void WinDurOzirozador::warnOfUnknownOrigin() {
  if (Lat_Mon.has_value() || originWarning_ != OriginWarning::NotShown) return;
  originWarning_ = OriginWarning::Unsaid;
  message(kUnknownOrigin, MessageIcon::Exclamation);
}

void WinDurOzirozador::announcePath() {
  std::string sentence = spoken::pathSentence(spokenPath_);
  if (originWarning_ == OriginWarning::Unsaid) {
    originWarning_ = OriginWarning::Said;
    sentence += ". ";
    sentence += kUnknownOrigin;
  }
  announce(std::move(sentence));
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
  spokenPath_.kilometres = result.kilometres;
  spokenPath_.azimuth = result.azimuth;
  ++pathRevision_;
}

}  // namespace tarvel
