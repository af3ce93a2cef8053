#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "geo/position.hpp"

// Maidenhead locators of six characters, AA00AA to RR99XX: a field of 20° of longitude by 10° of
// latitude (letters A to R), a square of 2° by 1° (digits 0 to 9) and a subsquare of 5' by 2.5'
// (letters A to X), longitude first in each pair.
//
// Signed positions are north and WEST positive (WestPositivePosition), as the window counts them.
// The arithmetic is IEEE double in exactly the order written, because the results at cell
// boundaries depend on it (1° N 0° E encodes as JJ00AX, not JJ01AA).
namespace tarvel::geo {

inline constexpr double kOriginLongitude = 180;  // the grid starts at 180° W ...
inline constexpr double kOriginLatitude = 90;    // ... and 90° S
inline constexpr double kFieldWidth = 20;        // degrees of longitude
inline constexpr double kFieldHeight = 10;       // degrees of latitude
inline constexpr double kSquareWidth = 2;
inline constexpr double kSquareHeight = 1;
inline constexpr double kSquaresPerField = 10;
inline constexpr double kSubsquaresPerSquare = 24;
inline constexpr double kSubsquaresPerDegreeOfLongitude = kSubsquaresPerSquare / kSquareWidth;
inline constexpr double kSubsquaresPerDegreeOfLatitude = kSubsquaresPerSquare / kSquareHeight;
// Decoding returns a reference point 0.6 of a subsquare from its west and south edges: codes
// minus 64.4 rather than the 64.5 of the centre. The double nearest 64.4 lies a hair above it.
inline constexpr double kReferencePointOffset = 64.4;
inline constexpr int kFirstLetter = 'A';
inline constexpr int kFirstDigit = '0';

enum class LatitudeHemisphere { North, South };
enum class LongitudeHemisphere { East, West };

// Six Windows-1252 character codes.
using LocatorCodes = std::array<int, 6>;

// A position as typed: unsigned degrees, minutes and seconds.
struct TypedPosition {
  double latitudeDegrees, latitudeMinutes, latitudeSeconds;
  double longitudeDegrees, longitudeMinutes, longitudeSeconds;
};

struct LocatorEncoding {
  LocatorCodes codes;
  WestPositivePosition position;
};

// Without a hemisphere (the box holds neither of its words) the unsigned value is used as it is,
// and the codes can then reach 244 (a degree count of up to 179 taken as a field index).
LocatorEncoding encodeLocator(const TypedPosition& position,
                              std::optional<LatitudeHemisphere> latitude,
                              std::optional<LongitudeHemisphere> longitude);

struct DegreesMinutesSeconds {
  int degrees, minutes, seconds;
};

struct LocatorDecoding {
  // No hemisphere when the value is exactly 0, which no verified locator gives.
  std::optional<LongitudeHemisphere> longitudeHemisphere;
  std::optional<LatitudeHemisphere> latitudeHemisphere;
  DegreesMinutesSeconds latitude;
  DegreesMinutesSeconds longitude;
};

// The reference point of a verified locator, every unit truncated: a component that lies a hair
// below a whole number reads one lower (JN33AA gives 43° 1' 29" N, 6° 2' 59" E).
LocatorDecoding decodeLocator(const LocatorCodes& codes);

// A character of the window's locator field that is out of its range, with the window's message.
struct LocatorFault {
  int position;  // 1 to 6
  std::string_view message;
};

// Checks the first six characters of a text by their Unicode code points; a missing character
// fails its position. At most one fault a position, in position order.
std::vector<LocatorFault> verifyLocator(std::u32string_view characters);

}  // namespace tarvel::geo
