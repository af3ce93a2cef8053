#include "geo/hour_offset.hpp"

#include <array>

namespace tarvel::geo {
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

}  // namespace

std::optional<int> hourOffset(double longitudeDegrees) {
  for (const Band& band : kBands) {
    if (band.lowest <= longitudeDegrees && longitudeDegrees <= band.highest) return band.hours;
  }
  return std::nullopt;
}

}  // namespace tarvel::geo
