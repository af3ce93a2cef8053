#pragma once

#include <string>

namespace tarvel::rotator {

// Degrees to a tenth, with a point whatever the locale (rotctld reads numbers in its C locale);
// a value that rounds to zero is "0.0", not "-0.0".
std::string tenths(double degrees);

}  // namespace tarvel::rotator
