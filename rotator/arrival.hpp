#pragma once

#include <chrono>

// When the antenna has arrived: within 2° of where it was sent, or stopped moving for 5 s short
// of it (a rotator at its end stop, a brake, a rotator that never turns). The caller reads the
// azimuth (p) from time to time and shows each reading here.
namespace tarvel::rotator {

inline constexpr double kArrivalTolerance = 2;        // degrees
inline constexpr std::chrono::seconds kStillTime{5};  // without moving: stopped
inline constexpr double kMovement = 0.5;              // degrees; less is a reading's jitter

enum class Progress { Turning, Arrived, StoppedShort };

class ArrivalWatch {
 public:
  using Clock = std::chrono::steady_clock;

  // `target` and the readings are the rotator's azimuths, in its own range.
  ArrivalWatch(double target, double heading, Clock::time_point now);

  Progress observe(double azimuth, Clock::time_point now);

 private:
  double target_;
  double still_;  // where the antenna was when it last moved
  Clock::time_point stillSince_;
};

}  // namespace tarvel::rotator
