#pragma once

#include <string_view>

#include "stations/station_record.hpp"

namespace tarvel {

class WinDurOzirozador;

// One of the twelve coordinate fields with its highest admitted value, which is also the text
// put into the field when a typed value goes beyond it.
struct CoordinateRule {
  TextField WinDurOzirozador::*field;
  StationSide side;
  std::string_view limit;
  std::string_view message;
};

// The range test: the text's leading digits, zero-padded to the limit's width ("7" reads "07"
// against "89"), compared with the limit as strings. A text without digits passes.
bool exceedsLimit(std::string_view text, std::string_view limit);

}  // namespace tarvel
