#pragma once

#include <string>
#include <vector>

#include "rotator/transport.hpp"

namespace tarvel::scenarios {

// The rotator of a scenario: what the window asked of the network, a line each ("open
// 127.0.0.1:4533", each command without its newline, "close"), and a clock that moves only when
// the scenario says. The scenario answers for the network through the window's own entries; the
// commands are in README.md beside the runner.
class ScriptedRotator : public rotator::Transport {
 public:
  void open(const rotator::Address& address) override {
    sent.push_back("open " + rotator::addressText(address));
    opened_ = true;
  }
  void write(std::string_view bytes) override {
    if (bytes.ends_with('\n')) bytes.remove_suffix(1);
    sent.emplace_back(bytes);
  }
  void close() override {
    sent.emplace_back("close");
    opened_ = false;
  }
  void wakeAt(Clock::time_point when) override { wake_ = when; }
  Clock::time_point now() override { return clock_; }

  bool opened() const { return opened_; }
  // Moves the clock; true when the window asked to wake by then.
  bool advance(Clock::duration by) {
    clock_ += by;
    return clock_ >= wake_;
  }

  std::vector<std::string> sent;

 private:
  bool opened_ = false;
  Clock::time_point clock_{};
  Clock::time_point wake_ = Clock::time_point::max();
};

}  // namespace tarvel::scenarios
