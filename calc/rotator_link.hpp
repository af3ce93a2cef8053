#pragma once

#include <string>

#include "calc/rotator_socket.hpp"
#include "calc/status.hpp"
#include "rotator/conversation.hpp"

// A rotator as tarvel-calc talks to it: one connection, one command at a time, each call waiting
// for its reply (or its fault, thrown with its French message).
namespace tarvel::calc {

struct RotatorError : CommandFault {
  explicit RotatorError(const std::string& message) : CommandFault(message, kRotatorFault) {}
};

class RotatorLink {
 public:
  // Connects, or throws RotatorError.
  explicit RotatorLink(const rotator::Address& address);

  // The reply's result: Accepted for P and S, Position for p, Limits for \dump_state. Throws
  // RotatorError for a fault.
  template <typename Result>
  Result ask(const rotator::Command& command) {
    return std::get<Result>(exchange(command));
  }

  // Throws the fault's RotatorError, naming this rotator.
  [[noreturn]] void fail(const rotator::Fault& fault) const;

 private:
  rotator::Outcome exchange(const rotator::Command& command);

  std::string where_;
  RotatorSocket socket_;
  rotator::Conversation conversation_;
};

}  // namespace tarvel::calc
