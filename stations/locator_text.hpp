#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geo/locator.hpp"

// The window's edge of the locator arithmetic: the hemisphere words of the boxes and the texts of
// the locator fields, turned into the typed values the arithmetic takes, and back.
namespace tarvel::locator {

inline constexpr std::string_view kNorth = "Nord";
inline constexpr std::string_view kSouth = "Sud";
inline constexpr std::string_view kEast = "Est";
inline constexpr std::string_view kWest = "Ouest";

// Only the exact words name a hemisphere: "nord" or "Nord " is neither.
std::optional<geo::LatitudeHemisphere> latitudeHemisphereOf(std::string_view word);
std::optional<geo::LongitudeHemisphere> longitudeHemisphereOf(std::string_view word);
std::string_view wordOf(geo::LatitudeHemisphere hemisphere);
std::string_view wordOf(geo::LongitudeHemisphere hemisphere);

// The codes of a locator text, and back (through Windows-1252).
geo::LocatorCodes codesOf(std::string_view text);
std::string textOf(const geo::LocatorCodes& codes);

}  // namespace tarvel::locator
