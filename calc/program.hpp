#pragma once

#include <span>
#include <string>

namespace tarvel::calc {

// Exit statuses, as GNU programs use them.
inline constexpr int kSuccess = 0;
inline constexpr int kWriteFailed = 1;
inline constexpr int kBadInput = 2;

// The whole program on its arguments (the program's name left out).
int runProgram(std::span<const std::string> arguments);

}  // namespace tarvel::calc
