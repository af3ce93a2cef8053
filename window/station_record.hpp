#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "window/model/controls.hpp"

namespace tarvel {

// M is my station ("Mon"), S the correspondent's ("Son").
enum class StationSide { M, S };

// A station's six coordinate fields, listed once: latitude degrees, minutes, seconds, then
// longitude degrees, minutes, seconds. Completion, decoding and the typed position follow it.
using CoordinateFields = std::array<TextField*, 6>;
inline constexpr std::size_t kLatitudeDegrees = 0;
inline constexpr std::size_t kLongitudeDegrees = 3;

// One station's panel: the controls it is made of, and its signed position in degrees (north
// and WEST positive), empty until its first encoding.
struct StationRecord {
  StationSide side;
  CoordinateFields coordinates;
  ComboBox& latitudeHemisphere;
  ComboBox& longitudeHemisphere;
  TextField& locator;
  std::optional<double>& signedLatitude;
  std::optional<double>& signedLongitude;

  TextField& latitudeDegrees() const { return *coordinates[kLatitudeDegrees]; }

  // The reset buttons empty the longitude before the latitude.
  CoordinateFields resetOrder() const {
    const std::size_t lon = kLongitudeDegrees;
    return {coordinates[lon],     coordinates[lon + 1],
            coordinates[lon + 2], coordinates[kLatitudeDegrees],
            coordinates[1],       coordinates[2]};
  }
};

}  // namespace tarvel
