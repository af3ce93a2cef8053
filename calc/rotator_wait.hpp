#pragma once

#include <string>

#include "calc/interrupts.hpp"
#include "calc/rotator_link.hpp"

namespace tarvel::calc {

// Ctrl+C (SIGINT, SIGTERM) while waiting: the antenna was stopped where the message says.
struct Interrupted : CommandFault {
  Interrupted(const std::string& message, int signal)
      : CommandFault(message, kSignalled + signal) {}
};

// Reads the antenna's azimuth four times a second until it is within 2° of `target` (in the
// rotator's range) or has stopped short of it for 5 s (a RotatorError), from `start`, the azimuth
// read before it was sent. On a terminal standard error shows its heading and what is left at
// each reading, on one line, rubbed out at the end. An interrupt stops the antenna (S) and
// throws Interrupted. The last reading.
rotator::Position waitForAntenna(RotatorLink& link, double target, rotator::Position start,
                                 Interrupts& interrupts);

}  // namespace tarvel::calc
