#pragma once

#include "calc/commands.hpp"

namespace tarvel::calc {

// One operand set a line from standard input, one result a line on standard output; a bad line
// gets its message with its number and the run goes on. Returns the exit status.
int runBatch(const CommandEntry& command, const Options& options);

}  // namespace tarvel::calc
