#include "window/model/code_page.hpp"

#include <array>

#include "window/model/utf8.hpp"

namespace tarvel::cp1252 {
namespace {

// 0x80 to 0x9F, the only range where the page differs from Latin-1.
constexpr std::array<char32_t, 32> kUpperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t toUnicode(std::uint8_t code) {
  if (code >= 0x80 && code <= 0x9F) return kUpperControls[code - 0x80];
  return code;
}

std::int16_t fromUnicode(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<std::int16_t>(character);
  }
  for (std::size_t i = 0; i < kUpperControls.size(); ++i) {
    if (kUpperControls[i] == character) return static_cast<std::int16_t>(0x80 + i);
  }
  return kQuestionMark;
}

std::string decode(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes)
    utf8::append(text, toUnicode(static_cast<std::uint8_t>(byte)));
  return text;
}

std::string encode(std::string_view utf8Text) {
  std::string bytes;
  bytes.reserve(utf8Text.size());
  for (const char32_t character : utf8::decode(utf8Text)) {
    bytes.push_back(static_cast<char>(fromUnicode(character)));
  }
  return bytes;
}

}  // namespace tarvel::cp1252
