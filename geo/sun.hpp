#pragma once

#include <chrono>
#include <optional>

#include "geo/position.hpp"

// Sunrise and sunset: the Sun's upper edge on the horizon with standard refraction, that is its
// centre 0.833° below the horizon. The Sun's place comes from the Astronomical Almanac's low
// precision formulas (0.01° from 1950 to 2050), which keeps the times within half a minute.
namespace tarvel::geo {

inline constexpr double kSunriseAltitude = -0.833;  // degrees, the Sun's centre at rise and set

enum class Daylight { Normal, PolarDay, PolarNight };

struct SunTimes {
  Daylight daylight;
  // Minutes after 00:00 UTC, to the nearest, 0 to 1439; none when the event does not fall on
  // that UTC day (polar day or night, or a day the event skips near a polar circle).
  std::optional<int> sunrise;
  std::optional<int> sunset;
};

SunTimes sunTimes(Position position, std::chrono::sys_days date);

}  // namespace tarvel::geo
