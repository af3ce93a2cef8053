#pragma once

#include "geo/position.hpp"

// Great-circle distance and initial bearing from my station to the correspondent's, on a sphere,
// between positions in the window's convention (longitude WEST positive).
namespace tarvel::geo {

// The Earth's circumference in kilometres; the radius is this over 2π, about 6378.387 km.
inline constexpr double kEarthCircumference = 40076.59;
inline constexpr int kFullTurn = 360;

struct DistanceAzimuth {
  int kilometres;  // rounded to the nearest, a half up
  int azimuth;     // whole degrees clockwise from north, 0 to 360
};

// The law of cosines on colatitudes and the arc cosine written as π/2 − arctan(x/√(1−x²)),
// evaluated in exactly this order because the shown degrees depend on it. The azimuth's angle
// is truncated before the west side takes 360 minus it, so that side shows the next whole degree.
//
// Cases the formulas leave undefined are answered by name:
//  - the same position, or c rounding to 1 or above: 0 km and azimuth 0;
//  - antipodes, c at −1 or below: half the circumference and azimuth 0;
//  - the azimuth's cosine a hair outside [−1, 1] (both stations on one meridian) is clamped;
//  - the side of the meridian is taken on the longitude difference reduced into (−180°, 180°],
//    so that a path across the 180° meridian gets the bearing of the shorter way round.
DistanceAzimuth distanceAndAzimuth(WestPositivePosition mon, WestPositivePosition son);

}  // namespace tarvel::geo
