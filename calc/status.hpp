#pragma once

#include <stdexcept>
#include <string>

// Exit statuses, as GNU programs use them.
namespace tarvel::calc {

inline constexpr int kSuccess = 0;
inline constexpr int kWriteFailed = 1;
inline constexpr int kBadInput = 2;
inline constexpr int kRotatorFault = 3;  // every fault of the rotator
inline constexpr int kFindings = 3;      // adif --check found distances that disagree
// A command an interrupt ended: this and the signal's number, as a shell reports it.
inline constexpr int kSignalled = 128;

// A fault that ends a command with a status of its own; its message in French.
struct CommandFault : std::runtime_error {
  CommandFault(const std::string& message, int status)
      : std::runtime_error(message), status(status) {}
  int status;
};

}  // namespace tarvel::calc
