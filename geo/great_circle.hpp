#pragma once

#include <numbers>

#include "geo/distance_azimuth.hpp"
#include "geo/position.hpp"

// Both ways round the great circle between two ISO 6709 positions, on the window's sphere (the
// circumference of distance_azimuth.hpp), with angles kept in full precision for the command
// line. The window's own rounded figures stay in distanceAndAzimuth.
namespace tarvel::geo {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kEarthRadius = kEarthCircumference / (2 * kPi);  // kilometres
inline constexpr double kHalfTurn = 180;

struct GreatCircle {
  double centralAngle;    // radians, 0 to π: the short path
  double azimuth;         // degrees clockwise from true north at `from`, [0, 360)
  double reverseAzimuth;  // the same at `to`, pointing back to `from`
};

// Defined everywhere: coincident points get azimuths of 0 (atan2 of zeros); at a pole, where
// every direction is south (or north), the azimuth follows the other point's meridian.
GreatCircle greatCircle(Position from, Position to);

// The long path leaves the other way: the whole circle less the short one, the opposite heading.
inline double longPathAngle(double centralAngle) {
  return 2 * kPi - centralAngle;
}
double longPathAzimuth(double azimuth);

}  // namespace tarvel::geo
