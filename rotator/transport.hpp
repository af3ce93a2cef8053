#pragma once

#include <chrono>
#include <string_view>

#include "rotator/address.hpp"

namespace tarvel::rotator {

// The connection a Session talks through, as a window's event loop moves its bytes: every call
// returns at once, and what comes of it is told to the session later (connected, received,
// closed, failed, wake). A window's toolkit implements it; the tests script it.
class Transport {
 public:
  using Clock = std::chrono::steady_clock;

  virtual ~Transport() = default;

  // Starts connecting to `address`; an open connection is closed first.
  virtual void open(const Address& address) = 0;
  virtual void write(std::string_view bytes) = 0;
  // Closes the connection, if any: nothing of it reaches the session afterwards.
  virtual void close() = 0;
  // The session's wake at `when`, in place of any earlier one.
  virtual void wakeAt(Clock::time_point when) = 0;
  virtual Clock::time_point now() = 0;
};

}  // namespace tarvel::rotator
