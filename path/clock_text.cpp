// The texts the clock reads and writes, apart from the window that shows them.
#include "path/clock_text.hpp"

#include "geo/hour_offset.hpp"
#include "window/model/number_text.hpp"

namespace tarvel::path {
namespace {

void appendTwoDigits(std::string& text, int value) {
  text.push_back(static_cast<char>('0' + value / 10 % 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::string hhmmss(const TimeOfDay& time) {
  std::string text;
  appendTwoDigits(text, time.hour);
  text.push_back(':');
  appendTwoDigits(text, time.minute);
  text.push_back(':');
  appendTwoDigits(text, time.second);
  return text;
}

std::optional<int> hourOffsetOf(std::string_view longitudeDegrees) {
  if (number_text::leadingDigits(longitudeDegrees).empty()) return std::nullopt;
  return geo::hourOffset(number_text::numericValue(longitudeDegrees));
}

}  // namespace tarvel::path
