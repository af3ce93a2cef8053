// The bearing needle: its sweep from north to the azimuth, its rest position, and the bearing it
// shows as a screen reader hears it.
#include <cmath>

#include "window/model/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr double kPivotX = 2100;
constexpr double kPivotY = 1750;
constexpr double kNeedleLength = 855;

bool same(const LineEnds& a, const LineEnds& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

}  // namespace

// One degree a step, with a pass of the event loop after each so that the user sees the needle
// turn; a screen reader hears the bearing once, where the needle stops. Events handled there may
// start a nested sweep; this one then still ends at the azimuth it read before its first step.
void WinDurOzirozador::Dessine_Angle() {
  const double pi = 4 * std::atan(1.0);
  const double last = Azimut.value_or(0);
  for (int i = 0; i <= last; ++i) {
    const double theta = (i - 90) * (pi / 180);
    Li1.setX1(static_cast<float>(kPivotX));
    Li1.setY1(static_cast<float>(kPivotY));
    Li1.setX2(static_cast<float>(kNeedleLength * std::cos(theta) + kPivotX));
    Li1.setY2(static_cast<float>(kNeedleLength * std::sin(theta) + kPivotY));
    platform().runEventLoopPass();
    if (ended()) return;  // the window was closed during the pass
  }
  needleStopped();
}

// Read off the needle as drawn, so that it follows the sweep; y grows downwards. At rest it lies
// where the design puts it.
std::optional<int> WinDurOzirozador::needleBearing() const {
  const LineEnds& ends = Li1.ends();
  if (same(ends, Li1.design().ends)) return std::nullopt;
  const double pi = 4 * std::atan(1.0);
  const double degrees = std::atan2(ends.x2 - ends.x1, ends.y1 - ends.y2) * 180 / pi;
  return static_cast<int>(std::lround(degrees < 0 ? degrees + 360 : degrees));
}

// From the needle's pivot, as long, at the heading last read.
std::optional<LineEnds> WinDurOzirozador::antennaNeedle() const {
  if (!antennaHeading_) return std::nullopt;
  const double pi = 4 * std::atan(1.0);
  const double theta = (*antennaHeading_ - 90) * (pi / 180);
  return LineEnds{static_cast<float>(kPivotX), static_cast<float>(kPivotY),
                  static_cast<float>(kNeedleLength * std::cos(theta) + kPivotX),
                  static_cast<float>(kNeedleLength * std::sin(theta) + kPivotY)};
}

std::string WinDurOzirozador::bearingReading(std::optional<int> bearing) {
  return bearing ? number_text::wholeNumber(*bearing) + "°" : std::string();
}

void WinDurOzirozador::needleAtRest() {
  const LineEnds& rest = Li1.design().ends;
  Li1.setX1(rest.x1);
  Li1.setX2(rest.x2);
  Li1.setY1(rest.y1);
  Li1.setY2(rest.y2);
  needleStopped();
}

// Once a degree would flood a screen reader, whose queue then drops what follows, the result's
// sentence among it: the bearing is told where the needle comes to a stop, at the end of a sweep
// or at rest, and only when it differs from the one told last.
void WinDurOzirozador::needleStopped() {
  const std::optional<int> bearing = needleBearing();
  if (ended() || bearing == bearingShown_) return;
  bearingShown_ = bearing;
  platform().bearingShown(bearing);
}

}  // namespace tarvel
