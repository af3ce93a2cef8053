#include "window/model/number_text.hpp"

#include <charconv>

namespace tarvel::number_text {

std::string_view leadingDigits(std::string_view text) {
  std::size_t count = 0;
  while (count < text.size() && text[count] >= '0' && text[count] <= '9')
    ++count;
  return text.substr(0, count);
}

double numericValue(std::string_view text) {
  double value = 0;
  for (const char digit : leadingDigits(text))
    value = value * 10 + (digit - '0');
  return value;
}

std::string wholeNumber(long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return {digits, end};
}

}  // namespace tarvel::number_text
