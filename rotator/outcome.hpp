#pragma once

#include <variant>

#include "rotator/fault.hpp"
#include "rotator/replies.hpp"

namespace tarvel::rotator {

// What one command comes to: the result its reply carries, or the fault that stands for it.
using Outcome = std::variant<Accepted, Position, Limits, Fault>;

}  // namespace tarvel::rotator
