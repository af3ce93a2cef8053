#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "geo/locator.hpp"
#include "geo/position.hpp"

// Maidenhead squares of 2 to 10 characters on ISO 6709 positions, for the command line; the
// window keeps its own six-character arithmetic (locator.hpp), untouched by this one.
// Pairs, longitude first: field A-R (20° by 10°), square 0-9 (2° by 1°), subsquare A-X (5' by
// 2.5'), extended square 0-9 (30" by 15"), extended subsquare A-X (1.25" by 0.625").
namespace tarvel::geo {

inline constexpr int kShortestSquare = 2;
inline constexpr int kLongestSquare = 10;
// The grid's origin of locator.hpp in ISO 6709 signs: its fields are the same.
inline constexpr Position kSouthWestOfGrid{-kOriginLatitude, -kOriginLongitude};

struct PairRule {
  char lowest, highest;  // capitals or digits; letters are read in either case
  int divisions;         // how many of this pair's cells span one cell of the pair before
};
inline constexpr std::array<PairRule, kLongestSquare / 2> kPairRules{
    {{'A', 'R', 18}, {'0', '9', 10}, {'A', 'X', 24}, {'0', '9', 10}, {'A', 'X', 24}}};

// The locator of `length` characters (even, 2 to 10) of a position in range. The north pole and
// the 180th meridian belong to the grid's last row and column, as the grid has no cell beyond.
std::string encodeSquare(Position position, int length);

struct SquareFault {
  enum class Kind { Length, Character } kind;
  int position;  // Length: the text's length; Character: 1 to 10
};

// The first fault of a text as a locator: a length that is odd or out of 2..10, else the first
// character outside its pair's range.
std::optional<SquareFault> checkSquare(std::string_view text);

struct Square {
  Position southWest;
  Position centre;
};

// The corners of a text that checkSquare accepted.
Square decodeSquare(std::string_view text);

}  // namespace tarvel::geo
