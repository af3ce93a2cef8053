#include "calc/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tarvel::calc {
namespace {

constexpr int kDegreeDecimals = 6;
constexpr double kFullTurn = 360;

}  // namespace

void appendFixed(std::string& out, double value, int decimals) {
  std::array<char, 64> buffer;
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
  if (error != std::errc{}) return;  // 64 characters hold every double in degrees or kilometres
  // −0.0 would read as a hemisphere: a value rounding to zero is written unsigned.
  const char* begin = buffer.data();
  const char* last = end;
  if (*begin == '-' && std::all_of(begin + 1, last, [](char c) { return c == '0' || c == '.'; })) {
    ++begin;
  }
  out.append(begin, last);
}

void appendDegrees(std::string& out, double value) {
  const std::size_t start = out.size();
  appendFixed(out, value, kDegreeDecimals);
  while (out.back() == '0')
    out.pop_back();
  if (out.back() == '.') out.pop_back();
  if (out.size() == start) out += '0';
}

void appendAzimuth(std::string& out, double degrees) {
  const double tenths = std::round(degrees * 10) / 10;
  appendFixed(out, tenths >= kFullTurn ? 0 : tenths, 1);
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
