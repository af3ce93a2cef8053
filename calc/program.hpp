#pragma once

#include <span>
#include <string>

namespace tarvel::calc {

// The whole program on its arguments (the program's name left out); returns the exit status.
int runProgram(std::span<const std::string> arguments);

}  // namespace tarvel::calc
