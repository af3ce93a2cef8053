#include "calc/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "geo/distance_azimuth.hpp"

namespace tarvel::calc {
namespace {

constexpr int kDegreeDecimals = 6;
constexpr std::array<double, 7> kPowersOfTen{1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

}  // namespace

// The value in units of the last decimal, rounded half away from zero, written as an integer with
// the point put in: faster than to_chars with a precision, which works on the exact binary value.
// Every value here (degrees, distances) is far below 2^53 units.
void appendFixed(std::string& out, double value, int decimals) {
  const double scaled = std::round(value * kPowersOfTen[static_cast<std::size_t>(decimals)]);
  // −0.0 would read as a hemisphere: a value rounding to zero is written unsigned.
  if (scaled < 0) out += '-';
  // Zeros in front, so that a value below one still has a digit before the point.
  std::array<char, 32> buffer;
  buffer.fill('0');
  char* const start = buffer.data() + kPowersOfTen.size();
  char* const end = std::to_chars(start, buffer.data() + buffer.size(),
                                  static_cast<std::uint64_t>(std::fabs(scaled)))
                        .ptr;
  char* const point = end - decimals;
  out.append(std::min(start, point - 1), point);
  if (decimals > 0) {
    out += '.';
    out.append(point, end);
  }
}

void appendDegrees(std::string& out, double value) {
  appendFixed(out, value, kDegreeDecimals);
  while (out.back() == '0')
    out.pop_back();
  if (out.back() == '.') out.pop_back();
}

void appendAzimuth(std::string& out, double degrees) {
  const double tenths = std::round(degrees * 10) / 10;
  appendFixed(out, tenths >= geo::kFullTurn ? 0 : tenths, 1);
}

void appendInteger(std::string& out, int value, int width) {
  std::array<char, 16> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  out.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - buffer.data()))),
             '0');
  out.append(buffer.data(), end);
}

void appendClock(std::string& out, int minutes) {
  appendInteger(out, minutes / 60, 2);
  out += ':';
  appendInteger(out, minutes % 60, 2);
}

}  // namespace tarvel::calc
