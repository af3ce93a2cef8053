#pragma once

#include <optional>

#include "rotator/replies.hpp"

// Rotators work in their own range of azimuths: Debian 12's dummy in -180 to 450, many real ones
// in 0 to 360, -180 to 180 or 0 to 450. A compass bearing is sent as the value of that range
// which points the same way.
namespace tarvel::rotator {

// The bearing (degrees from north) to a tenth, as the rotator takes it: the value in `limits`
// that points that way, the one nearest `heading` (the rotator's present azimuth) where two or
// more fit, so that the antenna takes the shorter way; none when no value fits. 224° is -136°
// for a -180 to 180 rotator; 10° is 370° for a 0 to 450 one standing at 400°.
std::optional<double> azimuthInRange(double bearing, Limits limits, double heading);

// A rotator's azimuth as a compass bearing, 0 to 360 excluded.
double compassBearing(double azimuth);

// The angle between two azimuths the shorter way round, 0 to 180.
double angleBetween(double first, double second);

}  // namespace tarvel::rotator
