#include "geo/grid_square.hpp"

#include <algorithm>
#include <cmath>

namespace tarvel::geo {
namespace {

char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The smallest cells, those of the tenth character, in one field and in one degree: every cell
// edge of every length is a whole number of them.
constexpr int kFinestPerField = [] {
  int cells = 1;
  for (std::size_t i = 1; i < kPairRules.size(); ++i)
    cells *= kPairRules[i].divisions;
  return cells;
}();
constexpr double kFinestPerDegreeOfLongitude = kFinestPerField / kFieldWidth;
constexpr double kFinestPerDegreeOfLatitude = kFinestPerField / kFieldHeight;

// One axis as a whole count of the smallest cells from the grid's edge: one product and one floor,
// so that a position on a cell edge (the centre of a shorter square, 48° N) is not put in the
// cell below it by a rounding in a chain of products. The last cell takes the far edge.
long finestIndex(double degreesFromEdge, double cellsPerDegree) {
  const long last = static_cast<long>(kPairRules[0].divisions) * kFinestPerField - 1;
  return std::clamp(static_cast<long>(std::floor(degreesFromEdge * cellsPerDegree)), 0L, last);
}

// The characters of one axis, at even (longitude) or odd (latitude) places: the count of smallest
// cells taken apart pair by pair, from the last.
void writeAxis(std::string& text, long index, std::size_t offset) {
  std::array<long, kPairRules.size()> digits{};
  for (std::size_t i = kPairRules.size() - 1; i > 0; --i) {
    digits[i] = index % kPairRules[i].divisions;
    index /= kPairRules[i].divisions;
  }
  digits[0] = index;
  for (std::size_t i = 0; 2 * i + offset < text.size(); ++i) {
    text[2 * i + offset] = static_cast<char>(kPairRules[i].lowest + digits[i]);
  }
}

}  // namespace

std::string encodeSquare(Position position, int length) {
  std::string text(static_cast<std::size_t>(length), ' ');
  writeAxis(
      text,
      finestIndex(position.longitude - kSouthWestOfGrid.longitude, kFinestPerDegreeOfLongitude), 0);
  writeAxis(text,
            finestIndex(position.latitude - kSouthWestOfGrid.latitude, kFinestPerDegreeOfLatitude),
            1);
  return text;
}

std::optional<SquareFault> checkSquare(std::string_view text) {
  const int length = static_cast<int>(text.size());
  if (length < kShortestSquare || length > kLongestSquare || length % 2 != 0) {
    return SquareFault{SquareFault::Kind::Length, length};
  }
  for (int i = 0; i < length; ++i) {
    const PairRule& rule = kPairRules[i / 2];
    const char c = upper(text[i]);
    if (c < rule.lowest || c > rule.highest)
      return SquareFault{SquareFault::Kind::Character, i + 1};
  }
  return std::nullopt;
}

Square decodeSquare(std::string_view text) {
  // Corner and size in the smallest cells, whole numbers, then one division each.
  long longitude = 0, latitude = 0, size = kFinestPerField;
  for (std::size_t i = 0; i < kPairRules.size(); ++i) {
    const long divisions = i == 0 ? 1 : kPairRules[i].divisions;
    longitude *= divisions;
    latitude *= divisions;
    if (2 * i < text.size()) {
      size /= divisions;
      longitude += upper(text[2 * i]) - kPairRules[i].lowest;
      latitude += upper(text[2 * i + 1]) - kPairRules[i].lowest;
    }
  }
  const auto at = [&](long lonCells, long latCells) {
    return Position{kSouthWestOfGrid.latitude + latCells / (2 * kFinestPerDegreeOfLatitude),
                    kSouthWestOfGrid.longitude + lonCells / (2 * kFinestPerDegreeOfLongitude)};
  };
  return {at(2 * longitude, 2 * latitude), at(2 * longitude + size, 2 * latitude + size)};
}

}  // namespace tarvel::geo
