// Key filter and range check of the twelve coordinate fields, bound from one table.
#include "entry/coordinate_entry.hpp"

#include <string>

#include "window/model/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kDigitsOnly = "erreur : chiffre uniquement.";

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
  for (const StationRecord* station : {&Mon, &Son}) {
    for (std::size_t i = 0; i < kCoordinateRules.size(); ++i) {
      TextField& field = *station->coordinates[i];
      const CoordinateRule& rule = kCoordinateRules[i];
      const StationSide side = station->side;
      field.onKeyPress = [this, side, &field](std::int16_t& key) {
        coordinateKeyPress(side, field, key);
      };
      field.onChange = [this, &field, &rule] { coordinateRangeCheck(field, rule); };
    }
  }
}

// Every key, accepted or not, empties the station's locator, so that its next Calcul encodes
// the coordinates. While my locator is kept, my coordinates take no key at all.
void WinDurOzirozador::coordinateKeyPress(StationSide side, TextField& field, std::int16_t& key) {
  if (side == StationSide::M && Check_Sauve.value() == 1) {
    key = key::kSwallowed;
    return;
  }
  emptyLocator(station(side));
  if (key == key::kBackspace) return;
  if (!isDigit(key)) {
    message(kDigitsOnly, MessageIcon::None);
    key = key::kBackspace;
    field.setText("");
  }
}

void WinDurOzirozador::coordinateRangeCheck(TextField& field, const CoordinateRule& rule) {
  if (!exceedsLimit(field.text(), rule.limit)) return;
  message(rule.message, MessageIcon::Error);
  field.setText(rule.limit);
}

}  // namespace tarvel
