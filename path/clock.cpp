// The clock label and the correspondent's approximate local time.
#include <string>

#include "path/clock_text.hpp"
#include "stations/locator_text.hpp"
#include "window/model/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr int kHoursPerDay = 24;

// A piece of the clock label, empty where the label is shorter.
std::string_view piece(std::string_view text, std::size_t start, std::size_t length) {
  return start < text.size() ? text.substr(start, length) : std::string_view();
}

}  // namespace

void WinDurOzirozador::Timer1_Timer() {
  LabHeure.setCaption(path::hhmmss(platform().timeOfDay()));
  readAntenna();
}

void WinDurOzirozador::Decalage() {
  if (const auto offset = path::hourOffsetOf(Lon_Deg_Son)) Decal_Heure = offset;
}

// Reads the clock label, not the system clock: the time of the last tick.
void WinDurOzirozador::Heure_du_correspondant() {
  Lon_Deg_Son = Text_S_Lon_Deg.text();
  const std::string& clockText = LabHeure.caption();
  int hour = static_cast<int>(number_text::numericValue(piece(clockText, 0, 2)));
  const std::string minutes(piece(clockText, 3, 2));
  Decalage();
  const int offset = Decal_Heure.value_or(0);
  std::string offsetText;
  const auto hemisphere = locator::longitudeHemisphereOf(Comb_S_EO.text());
  if (hemisphere == geo::LongitudeHemisphere::East) {
    hour += offset;
    if (hour > kHoursPerDay - 1) hour -= kHoursPerDay;
    offsetText = "+" + number_text::wholeNumber(offset);
  }
  if (hemisphere == geo::LongitudeHemisphere::West) {
    hour -= offset;
    if (hour < 0) hour += kHoursPerDay;
    offsetText = "-" + number_text::wholeNumber(offset);
  }
  spokenPath_.hour = hour;
  spokenPath_.minutes = minutes;
  Lab_Heure_Cor.setCaption("Heure : " + number_text::wholeNumber(hour) + ":" + minutes + "  (" +
                           offsetText + ")");
}

}  // namespace tarvel
