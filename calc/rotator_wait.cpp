#include "calc/rotator_wait.hpp"

#include "calc/console.hpp"
#include "calc/number_text.hpp"
#include "rotator/arrival.hpp"
#include "rotator/range.hpp"

namespace tarvel::calc {
namespace {

using Clock = Interrupts::Clock;
using rotator::compassBearing;

// Also the refresh of the progress line: at most four times a second.
constexpr std::chrono::milliseconds kReadingPeriod{250};

std::string degrees(double compass) {
  std::string text;
  appendAzimuth(text, compass);
  return text + "°";
}

// The antenna's heading and what is left, rewritten in place on a terminal, for a user who
// watches it turn; nothing in a pipe or a file, where only the result counts.
class ProgressLine {
 public:
  ProgressLine() : shown_(isTerminal(Stream::Error)) {}
  ~ProgressLine() {
    if (shown_ && width_ > 0) writeText(Stream::Error, "\r" + std::string(width_, ' ') + "\r");
  }

  void show(double azimuth, double target) {
    if (!shown_) return;
    std::string line = "antenne " + degrees(compassBearing(azimuth)) + ", reste " +
                       degrees(rotator::angleBetween(azimuth, target));
    const std::size_t width = line.size();
    if (width < width_) line.append(width_ - width, ' ');  // what a longer line left
    width_ = std::max(width_, width);
    shown_ = writeText(Stream::Error, "\r" + line);
  }

 private:
  bool shown_;
  std::size_t width_ = 0;
};

[[noreturn]] void stopAntenna(RotatorLink& link, double target, int signal) {
  link.ask<rotator::Accepted>(rotator::Stop{});
  const auto stopped = link.ask<rotator::Position>(rotator::GetPosition{});
  throw Interrupted("interrompu : antenne arrêtée à " + degrees(compassBearing(stopped.azimuth)) +
                        ", visée " + degrees(compassBearing(target)),
                    signal);
}

}  // namespace

rotator::Position waitForAntenna(RotatorLink& link, double target, rotator::Position start,
                                 Interrupts& interrupts) {
  rotator::ArrivalWatch watch(target, start.azimuth, Clock::now());
  ProgressLine progress;
  rotator::Position reading = start;
  for (;;) {
    const Clock::time_point next = Clock::now() + kReadingPeriod;
    switch (watch.observe(reading.azimuth, Clock::now())) {
      case rotator::Progress::Arrived:
        return reading;
      case rotator::Progress::StoppedShort:
        link.fail({.kind = rotator::FaultKind::StoppedShort,
                   .target = compassBearing(target),
                   .heading = compassBearing(reading.azimuth)});
      case rotator::Progress::Turning:
        break;
    }
    progress.show(reading.azimuth, target);
    if (const int signal = interrupts.sleepUntil(next)) stopAntenna(link, target, signal);
    reading = link.ask<rotator::Position>(rotator::GetPosition{});
  }
}

}  // namespace tarvel::calc
