#pragma once

#include <optional>
#include <string_view>

#include "window/platform.hpp"

namespace tarvel::path {

// "HH:MM:SS", 24-hour clock.
std::string hhmmss(const TimeOfDay& time);

// Whole hours ahead of (east) or behind (west) my time, from the whole degrees of the
// correspondent's longitude: 0 up to 15°, then one more hour for each further 15°, up to 180°.
// No band holds a value above 180 or a text without digits.
std::optional<int> hourOffset(std::string_view longitudeDegrees);

}  // namespace tarvel::path
