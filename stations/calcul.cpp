// The Calcul command of each station and its steps, each written once for a station record. The
// named procedures of each side forward to them, for the handlers that call them by name.
#include <array>

#include "stations/locator_text.hpp"
#include "window/model/number_text.hpp"
#include "window/model/utf8.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kTooLongMessage = "4 Caractéres Minimum";
constexpr std::string_view kLocatorCompletion = "AA";

}  // namespace

void WinDurOzirozador::Com_M_Click() {
  calcul(Mon);
}
void WinDurOzirozador::Com_S_Click() {
  calcul(Son);
}
void WinDurOzirozador::Comp_M_Loc() {
  completeFields(Mon);
}
void WinDurOzirozador::Comp_S_Loc() {
  completeFields(Son);
}
void WinDurOzirozador::Calc_Mon_Locator() {
  encode(Mon);
}
void WinDurOzirozador::Calc_Son_Locator() {
  encode(Son);
}
void WinDurOzirozador::Calcul_Mon_Coord() {
  decode(Mon);
}
void WinDurOzirozador::Calcul_Son_Coord() {
  decode(Son);
}
void WinDurOzirozador::verif_M_Coord() {
  verify(Mon);
}
void WinDurOzirozador::verif_S_Coord() {
  verify(Son);
}

// The locator field says which way to compute: from the locator when it holds text, from the
// coordinates when the user has emptied it by touching them.
WinDurOzirozador::CalculWrote WinDurOzirozador::calcul(StationRecord& station) {
  Loc_Valide = true;
  CalculWrote wrote = CalculWrote::Nothing;
  if (!station.locator.text().empty()) {
    if (station.side == StationSide::M && utf8::length(station.locator.text()) == 4) {
      Complete_Loc4();
    }
    verify(station);
    if (!Loc_Valide) return wrote;
    if (decode(station)) wrote = CalculWrote::Coordinates;
  }
  if (!station.latitudeDegrees().text().empty()) {
    encode(station);
    if (wrote == CalculWrote::Nothing) wrote = CalculWrote::Locator;
  }
  Gest_Erreur();
  return wrote;
}

// When the locator written starts the distance command, its result is what is heard.
void WinDurOzirozador::calculClicked(StationRecord& station) {
  const long revision = pathRevision_;
  const CalculWrote wrote = calcul(station);
  if (revision != pathRevision_) return;
  if (wrote == CalculWrote::Locator)
    announce(spoken::locatorSentence(station.side, station.locator.text()));
  if (wrote == CalculWrote::Coordinates) {
    spoken::ShownPosition shown{
        {}, station.latitudeHemisphere.text(), station.longitudeHemisphere.text()};
    for (std::size_t i = 0; i < shown.fields.size(); ++i)
      shown.fields[i] = station.coordinates[i]->text();
    announce(spoken::positionSentence(station.side, shown));
  }
}

void WinDurOzirozador::Complete_Loc4() {
  Text_M_Loc.setText(Text_M_Loc.text() + std::string(kLocatorCompletion));
}

void WinDurOzirozador::completeFields(StationRecord& station) {
  for (TextField* field : station.coordinates) {
    if (field->text().empty()) field->setText("0");
  }
}

void WinDurOzirozador::encode(StationRecord& station) {
  completeFields(station);
  std::array<double, 6> values{};
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = number_text::numericValue(station.coordinates[i]->text());
  const geo::TypedPosition typed{values[0], values[1], values[2], values[3], values[4], values[5]};
  const geo::LocatorEncoding encoding =
      geo::encodeLocator(typed, locator::latitudeHemisphereOf(station.latitudeHemisphere.text()),
                         locator::longitudeHemisphereOf(station.longitudeHemisphere.text()));
  station.signedLongitude = encoding.position.westLongitude;
  station.signedLatitude = encoding.position.latitude;
  // Writing the locator may run the field's change handler, which reads the values just stored.
  station.locator.setText(locator::textOf(encoding.codes));
}

// False when my locator is not six characters long: the message says so, nothing is written.
bool WinDurOzirozador::decode(StationRecord& station) {
  if (station.side == StationSide::M && utf8::length(station.locator.text()) != 6) {
    message(kTooLongMessage, MessageIcon::Error);
    return false;
  }
  const geo::LocatorDecoding decoded = geo::decodeLocator(locator::codesOf(station.locator.text()));
  if (decoded.longitudeHemisphere)
    station.longitudeHemisphere.setText(locator::wordOf(*decoded.longitudeHemisphere));
  if (decoded.latitudeHemisphere)
    station.latitudeHemisphere.setText(locator::wordOf(*decoded.latitudeHemisphere));
  const geo::DegreesMinutesSeconds& lat = decoded.latitude;
  const geo::DegreesMinutesSeconds& lon = decoded.longitude;
  const std::array<int, 6> values{lat.degrees, lat.minutes, lat.seconds,
                                  lon.degrees, lon.minutes, lon.seconds};
  for (std::size_t i = 0; i < values.size(); ++i)
    station.coordinates[i]->setText(number_text::wholeNumber(values[i]));
  return true;
}

void WinDurOzirozador::verify(StationRecord& station) {
  const std::string text = station.locator.text();
  if (text.empty()) return;
  for (const geo::LocatorFault& fault : geo::verifyLocator(utf8::decode(text))) {
    message(fault.message, MessageIcon::None);
    Loc_Valide = false;
  }
  if (station.side == StationSide::S && !Loc_Valide) needleAtRest();
}

}  // namespace tarvel
