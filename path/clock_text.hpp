#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/model/platform.hpp"

namespace tarvel::path {

// "HH:MM:SS", 24-hour clock.
std::string hhmmss(const TimeOfDay& time);

// The hour offset of the text of the correspondent's longitude degrees: the value of its leading
// digits, and none for a text without digits.
std::optional<int> hourOffsetOf(std::string_view longitudeDegrees);

}  // namespace tarvel::path
