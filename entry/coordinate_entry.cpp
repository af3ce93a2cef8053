// Key filter and range check of the twelve coordinate fields, bound from one table.
#include "entry/coordinate_entry.hpp"

#include <array>
#include <string>

#include "window/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kDigitsOnly = "erreur : chiffre uniquement.";

using W = WinDurOzirozador;
using enum StationSide;

constexpr std::array<CoordinateRule, 12> kRules{{
    {&W::Text_M_Lat_Deg, M, "89", "Erreur : Degrés Latitude de 0 à 89"},
    {&W::Text_M_Lat_Min, M, "59", "Erreur : Minutes Latitude de 0 à 59"},
    {&W::Text_M_Lat_Sec, M, "59", "Erreur : Secondes Latitude de 0 à 59"},
    {&W::Text_M_Lon_Deg, M, "179", "Erreur : Degrés Longitude de 0 à 179"},
    {&W::Text_M_Lon_Min, M, "59", "Erreur : Minutes Longitude de 0 à 59"},
    {&W::Text_M_Lon_Sec, M, "59", "Erreur : Secondes Longitude de 0 à 59"},
    {&W::Text_S_Lat_Deg, S, "89", "Erreur : Degrés Latitude de 0 à 89"},
    {&W::Text_S_Lat_Min, S, "59", "Erreur : Minutes Latitude de 0 à 59"},
    {&W::Text_S_Lat_Sec, S, "59", "Erreur : Secondes Latitude de 0 à 59"},
    {&W::Text_S_Lon_Deg, S, "179", "Erreur : Degrés Longitude de 0 à 179"},
    {&W::Text_S_Lon_Min, S, "59", "Erreur : Minutes Longitude de 0 à 59"},
    {&W::Text_S_Lon_Sec, S, "59", "Erreur : Secondes Longitude de 0 à 59"},
}};

bool isDigit(std::int16_t key) {
  return key >= '0' && key <= '9';
}

}  // namespace

bool exceedsLimit(std::string_view text, std::string_view limit) {
  std::string_view digits = number_text::leadingDigits(text);
  if (digits.empty()) return false;
  while (digits.size() > 1 && digits.front() == '0')
    digits.remove_prefix(1);
  std::string formatted(digits.size() < limit.size() ? limit.size() - digits.size() : 0, '0');
  formatted += digits;
  return formatted > limit;
}

void WinDurOzirozador::bindCoordinateFields() {
  for (const CoordinateRule& rule : kRules) {
    TextField& field = this->*rule.field;
    field.onKeyPress = [this, &rule](std::int16_t& key) { coordinateKeyPress(rule, key); };
    field.onChange = [this, &rule] { coordinateRangeCheck(rule); };
  }
}

// Every key, accepted or not, empties the station's locator, so that its next Calcul encodes
// the coordinates. While my locator is kept, my coordinates take no key at all.
void WinDurOzirozador::coordinateKeyPress(const CoordinateRule& rule, std::int16_t& key) {
  if (rule.side == StationSide::M && Check_Sauve.value() == 1) {
    key = key::kSwallowed;
    return;
  }
  station(rule.side).locator.setText("");
  if (key == key::kBackspace) return;
  if (!isDigit(key)) {
    message(kDigitsOnly, MessageIcon::None);
    key = key::kBackspace;
    (this->*rule.field).setText("");
  }
}

void WinDurOzirozador::coordinateRangeCheck(const CoordinateRule& rule) {
  TextField& field = this->*rule.field;
  if (!exceedsLimit(field.text(), rule.limit)) return;
  message(rule.message, MessageIcon::Error);
  field.setText(rule.limit);
}

}  // namespace tarvel
