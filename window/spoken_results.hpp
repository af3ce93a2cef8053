#pragma once

#include <array>
#include <string>
#include <string_view>

#include "window/station_record.hpp"

// The window's results as a screen reader says them: whole French words a speech synthesizer
// reads well ("kilomètres", "degrés", "9 h 26"), where the labels have abbreviations and signs.
// Built from the values the window has just shown, so that what is heard is what is seen.
namespace tarvel::spoken {

// What the distance command showed: the distance and azimuth labels' numbers, and the
// correspondent's hour and minutes as his time label has them.
struct PathResult {
  int kilometres = 0;
  int azimuth = 0;
  int hour = 0;
  std::string minutes;
};

// A station's position as its coordinate fields and hemisphere boxes show it: latitude degrees,
// minutes, seconds, then longitude degrees, minutes, seconds, in the order of its record.
struct ShownPosition {
  std::array<std::string_view, 6> fields;
  std::string_view latitudeHemisphere;
  std::string_view longitudeHemisphere;
};

// "Distance 177 kilomètres, azimut 224 degrés, heure du correspondant 9 h 26".
std::string pathSentence(const PathResult& result);
// "Mon locator JO20AA".
std::string locatorSentence(StationSide side, std::string_view locator);
// "Son locator : latitude 48 degrés 51 minutes 30 secondes nord, longitude …".
std::string positionSentence(StationSide side, const ShownPosition& position);
// "Mon locator vidé".
std::string emptiedSentence(StationSide side);

}  // namespace tarvel::spoken
