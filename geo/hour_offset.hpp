#pragma once

#include <optional>

namespace tarvel::geo {

// Whole hours ahead of (east) or behind (west) my time, from the whole degrees of the
// correspondent's longitude: 0 up to 15°, then one more hour for each further 15°, up to 180°.
// The bands hold whole degrees only, so 15.5 or a value above 180 falls in none.
std::optional<int> hourOffset(double longitudeDegrees);

}  // namespace tarvel::geo
