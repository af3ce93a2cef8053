#include "geo/distance_azimuth.hpp"

#include <algorithm>
#include <cmath>

namespace tarvel::geo {
namespace {

int kilometresOf(double centralAngle, double pi) {
  return static_cast<int>(std::floor(centralAngle * kEarthCircumference / 2 / pi + 0.5));
}

double arcCosine(double x, double pi) {
  return pi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

// Only the sign matters to the side rule; a difference within (−π, π) is kept bit for bit.
double reducedDifference(double lambdaSon, double lambdaMon, double pi) {
  double difference = lambdaSon - lambdaMon;
  if (difference > pi) difference -= 2 * pi;
  if (difference <= -pi) difference += 2 * pi;
  return difference;
}

}  // namespace

DistanceAzimuth distanceAndAzimuth(WestPositivePosition mon, WestPositivePosition son) {
  if (mon.latitude == son.latitude && mon.westLongitude == son.westLongitude) return {0, 0};

  const double pi = 4 * std::atan(1.0);
  const double phiM = mon.latitude * pi / 180;
  const double lambdaM = mon.westLongitude * pi / 180;
  const double phiS = son.latitude * pi / 180;
  const double lambdaS = son.westLongitude * pi / 180;

  const double c = std::cos(lambdaM - lambdaS) * std::sin(pi / 2 - phiS) * std::sin(pi / 2 - phiM) +
                   std::cos(pi / 2 - phiM) * std::cos(pi / 2 - phiS);
  if (c >= 1) return {0, 0};
  if (c <= -1) return {kilometresOf(pi, pi), 0};

  const double d = arcCosine(c, pi);
  const double a = std::clamp(
      (std::sin(phiS) - std::cos(d) * std::sin(phiM)) / (std::cos(phiM) * std::sin(d)), -1.0, 1.0);
  const int angle = static_cast<int>(std::floor(arcCosine(a, pi) * 180 / pi));
  const bool east = reducedDifference(lambdaS, lambdaM, pi) < 0;
  return {kilometresOf(d, pi), east ? angle : kFullTurn - angle};
}

}  // namespace tarvel::geo
