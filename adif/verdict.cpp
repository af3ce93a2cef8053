#include "adif/verdict.hpp"

#include <charconv>
#include <cmath>
#include <optional>

namespace tarvel::adif {
namespace {

// Beyond the squares' own uncertainty, what a right distance may differ by: loggers store whole
// kilometres, and most take the Earth for another sphere (6371 km) or for the ellipsoid, whose
// distances differ from this sphere's by up to 0.7 % (a short north-south path in the tropics,
// where the meridian curves least).
constexpr double kStoredRounding = 0.5;
constexpr double kFigureOfTheEarth = 0.007;

bool blank(char c) {
  return c == ' ' || c == '\t';
}

// An ADIF Number that is not negative, blanks around it allowed.
std::optional<double> distanceIn(std::string_view text) {
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || error != std::errc{} || stop != end || value < 0) return std::nullopt;
  return value;
}

}  // namespace

Verdict judge(std::string_view stored, bool cut, const Contact& contact) {
  const double expected = distanceOf(contact);
  const double tolerance = halfDiagonal(contact.mine) + halfDiagonal(contact.theirs) +
                           kStoredRounding + kFigureOfTheEarth * expected;
  const std::optional<double> value = cut ? std::nullopt : distanceIn(stored);
  if (!value) return {Verdict::Kind::NotANumber, 0, expected, tolerance};
  const auto within = [&](double kilometres) {
    return std::fabs(kilometres - expected) <= tolerance;
  };
  Verdict::Kind kind = Verdict::Kind::Disagrees;
  if (within(*value))
    kind = Verdict::Kind::Agrees;
  else if (contact.mine.square == contact.theirs.square)
    kind = Verdict::Kind::SameSquares;
  else if (within(*value * kMile))
    kind = Verdict::Kind::InMiles;
  return {kind, *value, expected, tolerance};
}

}  // namespace tarvel::adif
