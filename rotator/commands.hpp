#pragma once

#include <string>
#include <variant>

// The commands Tarvel sends to hamlib's rotctld, one line each, in its default (not extended)
// response mode. Names longer than a letter need their backslash.
namespace tarvel::rotator {

// Degrees in the rotator's own range (see range.hpp), written to a tenth.
struct SetPosition {
  double azimuth;
  double elevation;
};
struct GetPosition {};
struct Stop {};
// The limits in force; \dump_caps gives only the model's, not those the daemon was started with.
struct DumpState {};

using Command = std::variant<SetPosition, GetPosition, Stop, DumpState>;

// The line as sent, without its newline, as messages quote it: "P -136.0 0.0", "p".
std::string commandText(const Command& command);

}  // namespace tarvel::rotator
