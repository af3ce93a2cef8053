#include "rotator/arrival.hpp"

#include <cmath>

#include "rotator/range.hpp"

namespace tarvel::rotator {

ArrivalWatch::ArrivalWatch(double target, double heading, Clock::time_point now)
    : target_(target), still_(heading), stillSince_(now) {}

Progress ArrivalWatch::observe(double azimuth, Clock::time_point now) {
  if (angleBetween(azimuth, target_) <= kArrivalTolerance) return Progress::Arrived;
  if (std::fabs(azimuth - still_) >= kMovement) {
    still_ = azimuth;
    stillSince_ = now;
    return Progress::Turning;
  }
  return now - stillSince_ >= kStillTime ? Progress::StoppedShort : Progress::Turning;
}

}  // namespace tarvel::rotator
