#include "rotator/tenths.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace tarvel::rotator {

std::string tenths(double degrees) {
  double rounded = std::round(degrees * 10) / 10;
  if (rounded == 0) rounded = 0;  // -0.0 too
  std::array<char, 32> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                 std::chars_format::fixed, 1)
                       .ptr;
  return std::string(buffer.data(), end);
}

}  // namespace tarvel::rotator
