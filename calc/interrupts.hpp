#pragma once

#include <chrono>
#include <memory>

// Ctrl+C while tarvel-calc waits for the antenna: the program reads it, stops the antenna, and
// ends. SIGINT and SIGTERM on Linux (interrupts_posix.cpp), Ctrl+C and Ctrl+Break on Windows
// (interrupts_win32.cpp). Outside the waits they keep their usual effect.
namespace tarvel::calc {

class Interrupts {
 public:
  using Clock = std::chrono::steady_clock;

  // From now on the interrupts are held for sleepUntil to read. Where the system refuses, says
  // so on standard error and leaves them their usual effect.
  Interrupts();
  ~Interrupts();
  Interrupts(const Interrupts&) = delete;
  Interrupts& operator=(const Interrupts&) = delete;

  // Waits until `until`, or an interrupt: its signal number (SIGINT, SIGTERM), else 0.
  int sleepUntil(Clock::time_point until);

 private:
  struct Watch;
  std::unique_ptr<Watch> watch_;
};

}  // namespace tarvel::calc
