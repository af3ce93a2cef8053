#include "rotator/range.hpp"

#include <algorithm>
#include <cmath>

namespace tarvel::rotator {
namespace {

constexpr double kFullTurn = 360;
constexpr double kTenthsPerTurn = 3600;
// Limits are read from decimal text ("450.000000"): a value on a limit is inside it.
constexpr double kOnLimit = 1e-6;

}  // namespace

// In tenths of a degree the values that point one way are n + 3600 k; the one nearest the
// heading is its own k clamped into those the limits hold.
std::optional<double> azimuthInRange(double bearing, Limits limits, double heading) {
  const double north = std::fmod(std::round(compassBearing(bearing) * 10), kTenthsPerTurn);
  const double lowest = std::ceil((limits.minAzimuth * 10 - kOnLimit - north) / kTenthsPerTurn);
  const double highest = std::floor((limits.maxAzimuth * 10 + kOnLimit - north) / kTenthsPerTurn);
  if (lowest > highest) return std::nullopt;
  const double nearest = std::round((heading * 10 - north) / kTenthsPerTurn);
  return (north + std::clamp(nearest, lowest, highest) * kTenthsPerTurn) / 10;
}

double compassBearing(double azimuth) {
  const double turned = std::fmod(azimuth, kFullTurn);
  const double bearing = turned < 0 ? turned + kFullTurn : turned;
  return bearing >= kFullTurn ? 0 : bearing;  // a hair below zero comes back as 360
}

double angleBetween(double first, double second) {
  const double apart = compassBearing(first - second);
  return apart > kFullTurn / 2 ? kFullTurn - apart : apart;
}

}  // namespace tarvel::rotator
