#pragma once

namespace tarvel::geo {

// A position in the ISO 6709 convention of the command line: degrees, north and EAST positive
// (the window's west-positive longitude stays inside the window).
struct Position {
  double latitude;   // −90 to 90
  double longitude;  // −180 to 180
};

}  // namespace tarvel::geo
