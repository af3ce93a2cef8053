#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts of the controls are UTF-8; positions in them (caret, length, "the p-th character") count
// characters, not bytes.
namespace tarvel::utf8 {

// A malformed byte reads as U+FFFD, so any bytes decode.
std::u32string decode(std::string_view text);
std::string encode(std::u32string_view characters);
void append(std::string& text, char32_t character);

std::size_t length(std::string_view text);

}  // namespace tarvel::utf8
