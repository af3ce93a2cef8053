#pragma once

#include <optional>
#include <string_view>

#include "calc/result_line.hpp"
#include "rotator/address.hpp"

// tarvel-calc's two rotator commands, through hamlib's rotctld:
//   rotate FROM TO [--long-path] [--rotator HOST[:PORT]] [--no-wait]
//   heading [--rotator HOST[:PORT]]
// The rotator is --rotator, else TARVEL_ROTATOR, else 127.0.0.1:4533.
namespace tarvel::calc {

struct RotatorOptions {
  bool longPath = false;
  bool noWait = false;
  std::optional<rotator::Address> address;  // --rotator
};

// --rotator's value; throws BadInput for one that is not HOST[:PORT].
rotator::Address rotatorAddress(std::string_view text);

// Each writes its result on `line`. Throws BadInput for a wrong operand or TARVEL_ROTATOR,
// RotatorError for a fault of the rotator (status 3), Interrupted (rotator_wait.hpp).
//  - rotateAntenna sends the azimuth of TO seen from FROM (the long path's with longPath) to a
//    tenth, elevation 0, in the rotator's range, and unless noWait waits for the antenna;
//  - readHeading reads the antenna's azimuth and elevation.
void rotateAntenna(std::string_view from, std::string_view to, const RotatorOptions& options,
                   ResultLine& line);
void readHeading(const RotatorOptions& options, ResultLine& line);

}  // namespace tarvel::calc
