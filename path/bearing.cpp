// The bearing needle: its sweep from north to the azimuth, and its rest position.
#include <cmath>

#include "window/model/number_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr LineEnds kRest{2100, 1695, 2100, 840};
constexpr double kPivotX = 2100;
constexpr double kPivotY = 1750;
constexpr double kNeedleLength = 855;

}  // namespace

// One degree a step, with a pass of the event loop after each so that the user sees the needle
// turn. Events handled there may start a nested sweep; this one then still ends at the azimuth
// it read before its first step.
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
}

// Read off the needle as drawn, so that it follows the sweep; y grows downwards.
std::optional<int> WinDurOzirozador::needleBearing() const {
  const LineEnds& ends = Li1.ends();
  if (ends.x1 == kRest.x1 && ends.y1 == kRest.y1 && ends.x2 == kRest.x2 && ends.y2 == kRest.y2)
    return std::nullopt;
  const double pi = 4 * std::atan(1.0);
  const double degrees = std::atan2(ends.x2 - ends.x1, ends.y1 - ends.y2) * 180 / pi;
  return static_cast<int>(std::lround(degrees < 0 ? degrees + 360 : degrees));
}

std::string WinDurOzirozador::needleReading() const {
  const auto bearing = needleBearing();
  return bearing ? number_text::wholeNumber(*bearing) + "°" : std::string();
}

void WinDurOzirozador::needleAtRest() {
  Li1.setX1(kRest.x1);
  Li1.setX2(kRest.x2);
  Li1.setY1(kRest.y1);
  Li1.setY2(kRest.y2);
}

}  // namespace tarvel
