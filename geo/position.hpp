#pragma once

// The two sign conventions of the arithmetic, each a type of its own, so that a longitude of one
// cannot be passed where the other is meant.
namespace tarvel::geo {

// ISO 6709, as on the command line: degrees, north and EAST positive.
struct Position {
  double latitude;   // −90 to 90
  double longitude;  // −180 to 180, east positive
};

// The six-character locator arithmetic and distanceAndAzimuth keep the window's design: degrees,
// north and WEST positive.
struct WestPositivePosition {
  double latitude;       // north positive
  double westLongitude;  // WEST positive
};

}  // namespace tarvel::geo
