#include "geo/great_circle.hpp"

#include <cmath>

namespace tarvel::geo {
namespace {

constexpr double kRadiansPerDegree = kPi / kHalfTurn;

// atan2 gives (−180°, 180°]; a heading a hair west of north would round to 360 once turned.
double heading(double y, double x) {
  const double degrees = std::atan2(y, x) / kRadiansPerDegree;
  if (degrees >= 0) return degrees;
  const double turned = degrees + kFullTurn;
  return turned < kFullTurn ? turned : 0;
}

}  // namespace

// The central angle as the atan2 of its sine and cosine (Vincenty's formula on a sphere), exact
// near 0 and π alike, and it shares its sines and cosines with both headings.
GreatCircle greatCircle(Position from, Position to) {
  const double phi1 = from.latitude * kRadiansPerDegree;
  const double phi2 = to.latitude * kRadiansPerDegree;
  const double deltaLambda = (to.longitude - from.longitude) * kRadiansPerDegree;
  const double sin1 = std::sin(phi1), cos1 = std::cos(phi1);
  const double sin2 = std::sin(phi2), cos2 = std::cos(phi2);
  const double sinDelta = std::sin(deltaLambda), cosDelta = std::cos(deltaLambda);

  const double east = sinDelta * cos2;
  const double north = cos1 * sin2 - sin1 * cos2 * cosDelta;
  const double angle =
      std::atan2(std::sqrt(east * east + north * north), sin1 * sin2 + cos1 * cos2 * cosDelta);
  return {angle, heading(east, north),
          heading(-sinDelta * cos1, cos2 * sin1 - sin2 * cos1 * cosDelta)};
}

double longPathAzimuth(double azimuth) {
  const double turned = azimuth + kHalfTurn;
  return turned < kFullTurn ? turned : turned - kFullTurn;
}

}  // namespace tarvel::geo
