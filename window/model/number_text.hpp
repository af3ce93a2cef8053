#pragma once

#include <string>
#include <string_view>

// Numbers in the window's texts. Fields normally hold digits only, but a paste can put anything
// into them; such a text counts for its leading decimal digits, and for 0 when it has none.
// Nothing here depends on the locale.
namespace tarvel::number_text {

std::string_view leadingDigits(std::string_view text);
double numericValue(std::string_view text);

// Plain decimal digits: no sign, no leading zeros, no separators.
std::string wholeNumber(long long value);

}  // namespace tarvel::number_text
