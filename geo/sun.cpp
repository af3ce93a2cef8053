#include "geo/sun.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvel::geo {
namespace {

using namespace std::chrono;

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kDegreesPerDay = 360;  // the hour angle's rate, one turn a solar day
constexpr int kMinutesPerDay = 1440;
constexpr int kRefinements = 5;  // the event moves by seconds after the third
// J2000.0, the formulas' epoch: 2000-01-01 at 12:00 UT, as days.
constexpr sys_days kJ2000Day = sys_days{year{2000} / January / 1};
constexpr double kJ2000Noon = 0.5;
constexpr double kHalfDay = 0.5;
constexpr double kQuarterDay = 0.25;  // from noon to a first guess of the rise or set

struct Equatorial {
  double rightAscension, declination;  // radians
};

double sine(double degrees) {
  return std::sin(degrees * kRadiansPerDegree);
}

// The Sun's apparent place, n days from J2000.0, by the Astronomical Almanac's low-precision
// formulas: mean longitude, mean anomaly, the equation of centre, the obliquity.
Equatorial sunAt(double n) {
  const double meanLongitude = 280.460 + 0.9856474 * n;
  const double meanAnomaly = 357.528 + 0.9856003 * n;
  const double eclipticLongitude =
      (meanLongitude + 1.915 * sine(meanAnomaly) + 0.020 * sine(2 * meanAnomaly)) *
      kRadiansPerDegree;
  const double obliquity = (23.439 - 0.0000004 * n) * kRadiansPerDegree;
  return {
      std::atan2(std::cos(obliquity) * std::sin(eclipticLongitude), std::cos(eclipticLongitude)),
      std::asin(std::sin(obliquity) * std::sin(eclipticLongitude))};
}

double siderealDegrees(double n) {
  return 280.46061837 + 360.98564736629 * n;
}

double wrapped(double degrees) {
  return std::remainder(degrees, 360.0);
}

// The cosine of the hour angle at which the Sun's centre stands at the horizon altitude: above 1
// it never rises that day, below −1 it never sets.
double horizonHourCosine(double latitude, double declination) {
  const double phi = latitude * kRadiansPerDegree;
  return (sine(kSunriseAltitude) - std::sin(phi) * std::sin(declination)) /
         (std::cos(phi) * std::cos(declination));
}

// The rise (side −1) or set (+1) nearest a first guess, in days from J2000.0, found by moving the
// guess until the Sun's hour angle is the horizon's; none if the Sun stays up or down there.
std::optional<double> event(Position p, double guess, int side) {
  double n = guess;
  for (int i = 0; i < kRefinements; ++i) {
    const Equatorial sun = sunAt(n);
    const double cosine = horizonHourCosine(p.latitude, sun.declination);
    if (cosine > 1 || cosine < -1) return std::nullopt;
    const double target = side * std::acos(cosine) / kRadiansPerDegree;
    const double hourAngle =
        siderealDegrees(n) + p.longitude - sun.rightAscension / kRadiansPerDegree;
    n += wrapped(target - hourAngle) / kDegreesPerDay;
  }
  return n;
}

// The event of that side falling on the UTC day starting at dayStart, as minutes after midnight:
// the local days before, of and after that date are tried, since far from Greenwich a local day's
// sunrise or sunset can fall on the neighbouring UTC date.
std::optional<int> eventOnDay(Position p, double dayStart, int side) {
  const double localNoon = dayStart + kHalfDay - p.longitude / kDegreesPerDay;
  for (int day = -1; day <= 1; ++day) {
    const auto n = event(p, localNoon + day + side * kQuarterDay, side);
    if (!n || *n < dayStart || *n >= dayStart + 1) continue;
    // An event in the day's last half minute reads 23:59 rather than the next day's 00:00.
    const double minutes = std::round((*n - dayStart) * kMinutesPerDay);
    return std::min(static_cast<int>(minutes), kMinutesPerDay - 1);
  }
  return std::nullopt;
}

// The altitude of the Sun's centre in degrees, n days from J2000.0.
double altitudeAt(Position p, double n) {
  const Equatorial sun = sunAt(n);
  const double phi = p.latitude * kRadiansPerDegree;
  const double hourAngle =
      (siderealDegrees(n) + p.longitude) * kRadiansPerDegree - sun.rightAscension;
  return std::asin(std::sin(phi) * std::sin(sun.declination) +
                   std::cos(phi) * std::cos(sun.declination) * std::cos(hourAngle)) /
         kRadiansPerDegree;
}

}  // namespace

SunTimes sunTimes(Position position, sys_days date) {
  const double dayStart = (date - kJ2000Day).count() - kJ2000Noon;
  SunTimes times{Daylight::Normal, eventOnDay(position, dayStart, -1),
                 eventOnDay(position, dayStart, +1)};
  // Neither event on that day: the Sun stays on one side of the horizon all day, and any moment
  // of it tells which.
  if (!times.sunrise && !times.sunset) {
    times.daylight = altitudeAt(position, dayStart + kHalfDay) > kSunriseAltitude
                         ? Daylight::PolarDay
                         : Daylight::PolarNight;
  }
  return times;
}

}  // namespace tarvel::geo
