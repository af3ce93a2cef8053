#pragma once

#include <optional>

#include "window/controls.hpp"

namespace tarvel {

// M is my station ("Mon"), S the correspondent's ("Son").
enum class StationSide { M, S };

// One station's panel: the controls it is made of, and its signed position in degrees (north
// and WEST positive), empty until its first encoding.
struct StationRecord {
  StationSide side;
  TextField& latitudeDegrees;
  TextField& latitudeMinutes;
  TextField& latitudeSeconds;
  TextField& longitudeDegrees;
  TextField& longitudeMinutes;
  TextField& longitudeSeconds;
  ComboBox& latitudeHemisphere;
  ComboBox& longitudeHemisphere;
  TextField& locator;
  std::optional<double>& signedLatitude;
  std::optional<double>& signedLongitude;
};

}  // namespace tarvel
