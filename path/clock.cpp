// The clock label and the correspondent's approximate local time.
#include "path/clock.hpp"

#include <array>
#include <string>

#include "stations/locator.hpp"
#include "window/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr int kHoursPerDay = 24;

// A piece of the clock label, empty where the label is shorter.
std::string_view piece(std::string_view text, std::size_t start, std::size_t length) {
  return start < text.size() ? text.substr(start, length) : std::string_view();
}

}  // namespace

namespace path {
namespace {

struct Band {
  int lowest, highest, hours;
};

constexpr std::array<Band, 12> kBands{{{0, 15, 0},
                                       {16, 30, 1},
                                       {31, 45, 2},
                                       {46, 60, 3},
                                       {61, 75, 4},
                                       {76, 90, 5},
                                       {91, 105, 6},
                                       {106, 120, 7},
                                       {121, 135, 8},
                                       {136, 150, 9},
                                       {151, 165, 10},
                                       {166, 180, 11}}};

void appendTwoDigits(std::string& text, int value) {
  text.push_back(static_cast<char>('0' + value / 10 % 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::string hhmmss(const TimeOfDay& time) {
  std::string text;
  appendTwoDigits(text, time.hour);
  text.push_back(':');
  appendTwoDigits(text, time.minute);
  text.push_back(':');
  appendTwoDigits(text, time.second);
  return text;
}

std::optional<int> hourOffset(std::string_view longitudeDegrees) {
  if (number_text::leadingDigits(longitudeDegrees).empty()) return std::nullopt;
  const double degrees = number_text::numericValue(longitudeDegrees);
  for (const Band& band : kBands) {
    if (band.lowest <= degrees && degrees <= band.highest) return band.hours;
  }
  return std::nullopt;
}

}  // namespace path

void WinDurOzirozador::Timer1_Timer() {
  LabHeure.setCaption(path::hhmmss(platform().timeOfDay()));
}

void WinDurOzirozador::Decalage() {
  if (const auto offset = path::hourOffset(Lon_Deg_Son)) Decal_Heure = offset;
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
  if (Comb_S_EO.text() == locator::kEast) {
    hour += offset;
    if (hour > kHoursPerDay - 1) hour -= kHoursPerDay;
    offsetText = "+" + number_text::wholeNumber(offset);
  }
  if (Comb_S_EO.text() == locator::kWest) {
    hour -= offset;
    if (hour < 0) hour += kHoursPerDay;
    offsetText = "-" + number_text::wholeNumber(offset);
  }
  Lab_Heure_Cor.setCaption("Heure : " + number_text::wholeNumber(hour) + ":" + minutes + "  (" +
                           offsetText + ")");
}

}  // namespace tarvel
