#include "geo/grid_square.hpp"

#include <algorithm>
#include <cmath>

namespace tarvel::grid {
namespace {

char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// One axis: the offset from the grid's edge in units of a field, peeled pair by pair.
template <typename Put>
void peel(double fields, int pairs, Put put) {
  for (int i = 0; i < pairs; ++i) {
    const int divisions = kPairRules[i].divisions;
    const double scaled = i == 0 ? fields : fields * divisions;
    const int index = std::clamp(static_cast<int>(std::floor(scaled)), 0, divisions - 1);
    put(i, index);
    fields = scaled - index;
  }
}

}  // namespace

std::string encodeSquare(geo::Position position, int length) {
  std::string text(static_cast<std::size_t>(length), ' ');
  const int pairs = length / 2;
  peel((position.longitude - kSouthWestOfGrid.longitude) / kFieldWidth, pairs,
       [&](int i, int index) { text[2 * i] = static_cast<char>(kPairRules[i].lowest + index); });
  peel(
      (position.latitude - kSouthWestOfGrid.latitude) / kFieldHeight, pairs,
      [&](int i, int index) { text[2 * i + 1] = static_cast<char>(kPairRules[i].lowest + index); });
  return text;
}

std::optional<Fault> checkSquare(std::string_view text) {
  const int length = static_cast<int>(text.size());
  if (length < kShortest || length > kLongest || length % 2 != 0) {
    return Fault{Fault::Kind::Length, length};
  }
  for (int i = 0; i < length; ++i) {
    const PairRule& rule = kPairRules[i / 2];
    const char c = upper(text[i]);
    if (c < rule.lowest || c > rule.highest) return Fault{Fault::Kind::Character, i + 1};
  }
  return std::nullopt;
}

Square decodeSquare(std::string_view text) {
  geo::Position corner = kSouthWestOfGrid;
  double width = kFieldWidth;
  double height = kFieldHeight;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const PairRule& rule = kPairRules[i / 2];
    if (i > 0) {
      width /= rule.divisions;
      height /= rule.divisions;
    }
    corner.longitude += (upper(text[i]) - rule.lowest) * width;
    corner.latitude += (upper(text[i + 1]) - rule.lowest) * height;
  }
  return {corner, {corner.latitude + height / 2, corner.longitude + width / 2}};
}

}  // namespace tarvel::grid
