#pragma once

#include <string_view>

#include "window/station_record.hpp"

#include <array>

namespace tarvel {

// A coordinate field's highest admitted value, which is also the text put into the field when a
// typed value goes beyond it.
struct CoordinateRule {
  std::string_view limit;
  std::string_view message;
};

// The rules of a station's six coordinate fields, in the order of its record; both stations
// share them.
inline constexpr std::array<CoordinateRule, 6> kCoordinateRules{{
    {"89", "Erreur : Degrés Latitude de 0 à 89"},
    {"59", "Erreur : Minutes Latitude de 0 à 59"},
    {"59", "Erreur : Secondes Latitude de 0 à 59"},
    {"179", "Erreur : Degrés Longitude de 0 à 179"},
    {"59", "Erreur : Minutes Longitude de 0 à 59"},
    {"59", "Erreur : Secondes Longitude de 0 à 59"},
}};

// The range test: the text's leading digits, zero-padded to the limit's width ("7" reads "07"
// against "89"), compared with the limit as strings. A text without digits passes.
bool exceedsLimit(std::string_view text, std::string_view limit);

}  // namespace tarvel
