#pragma once

#include <cstdint>

namespace tarvel {

// The locator fields' case rule: every code above "Z" goes down by 32. That upper-cases the
// letters and also moves "[" to ";", "_" to "?" and "é" to "É"; nothing is refused.
constexpr std::int16_t upperCaseKey(std::int16_t key) {
  constexpr std::int16_t kLastUnshifted = 90;
  constexpr std::int16_t kCaseShift = 32;
  return key > kLastUnshifted ? static_cast<std::int16_t>(key - kCaseShift) : key;
}

}  // namespace tarvel
