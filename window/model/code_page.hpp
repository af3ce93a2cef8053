#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The window's 8-bit character set is Windows-1252: key codes, locator characters and the bytes
// of the settings file are all codes of that page.
namespace tarvel::cp1252 {

// Code 63, what a character outside the page becomes.
inline constexpr std::int16_t kQuestionMark = 63;

// The character of a code from 0 to 255. The five codes the page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number, as Windows itself does, so that
// every code survives a round trip.
char32_t toUnicode(std::uint8_t code);

// The code of a character, or kQuestionMark when the page has no such character.
std::int16_t fromUnicode(char32_t character);

// Whole texts: bytes of the page to UTF-8, and UTF-8 to bytes ("?" for what the page lacks).
std::string decode(std::string_view bytes);
std::string encode(std::string_view utf8);

}  // namespace tarvel::cp1252
