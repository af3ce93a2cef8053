#include "geo/great_circle.hpp"

#include <algorithm>
#include <cmath>

namespace tarvel::path {
namespace {

constexpr double kRadiansPerDegree = kPi / kHalfTurn;

double normalizedDegrees(double degrees) {
  const double turned = std::fmod(degrees, kFullTurn);
  return turned < 0 ? turned + kFullTurn : turned;
}

double initialBearing(double phi1, double phi2, double deltaLambda) {
  const double y = std::sin(deltaLambda) * std::cos(phi2);
  const double x =
      std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(deltaLambda);
  return normalizedDegrees(std::atan2(y, x) / kRadiansPerDegree);
}

}  // namespace

GreatCircle greatCircle(geo::Position from, geo::Position to) {
  const double phi1 = from.latitude * kRadiansPerDegree;
  const double phi2 = to.latitude * kRadiansPerDegree;
  const double deltaLambda = (to.longitude - from.longitude) * kRadiansPerDegree;
  const double sinHalfPhi = std::sin((phi2 - phi1) / 2);
  const double sinHalfLambda = std::sin(deltaLambda / 2);
  // Near the antipodes rounding can lift h a hair above 1, where the root of 1 − h is undefined.
  const double h = std::min(1.0, sinHalfPhi * sinHalfPhi + std::cos(phi1) * std::cos(phi2) *
                                                               sinHalfLambda * sinHalfLambda);
  const double angle = 2 * std::atan2(std::sqrt(h), std::sqrt(1 - h));
  return {angle, initialBearing(phi1, phi2, deltaLambda), initialBearing(phi2, phi1, -deltaLambda)};
}

double longPathAzimuth(double azimuth) {
  return normalizedDegrees(azimuth + kHalfTurn);
}

}  // namespace tarvel::path
