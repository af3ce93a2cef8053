// The window's 8-bit character set, Windows-1252, and the UTF-8 texts of the controls.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "window/model/code_page.hpp"
#include "window/model/utf8.hpp"

namespace tarvel {
namespace {

TEST(CodePage, EveryCodeSurvivesARoundTrip) {
  for (int code = 0; code < 256; ++code) {
    const char32_t character = cp1252::toUnicode(static_cast<std::uint8_t>(code));
    EXPECT_EQ(cp1252::fromUnicode(character), code) << code;
  }
}

struct CharacterCase {
  char32_t character;
  std::int16_t code;
};

// A character as Unicode names it, U+00E9.
std::string codePoint(char32_t character) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
  return text;
}

void PrintTo(const CharacterCase& c, std::ostream* os) {
  *os << codePoint(c.character) << " has code " << c.code;
}

class CodeOfTest : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(CodeOfTest, CharacterHasItsCode) {
  EXPECT_EQ(cp1252::fromUnicode(GetParam().character), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Characters, CodeOfTest,
                         ::testing::Values(CharacterCase{U'A', 65}, CharacterCase{U'é', 233},
                                           CharacterCase{U'É', 201}, CharacterCase{U'°', 176},
                                           CharacterCase{U'€', 128}, CharacterCase{U'œ', 156},
                                           CharacterCase{U'ÿ', 255},
                                           // Outside the page: a question mark.
                                           CharacterCase{U'Ω', 63}, CharacterCase{U'😀', 63},
                                           CharacterCase{U'\u0100', 63}),
                         [](const auto& info) {
                           std::string name = codePoint(info.param.character);
                           name.erase(1, 1);  // U00E9: a test's name is letters and digits
                           return name;
                         });

TEST(CodePage, WholeTextsBothWays) {
  EXPECT_EQ(cp1252::encode("Réglé à 5°"), "R\xE9gl\xE9 \xE0 5\xB0");
  EXPECT_EQ(cp1252::decode("R\xE9gl\xE9 \x80"), "Réglé €");
  EXPECT_EQ(cp1252::encode("Ωmega"), "?mega");
}

TEST(Utf8, MalformedBytesStillDecode) {
  const std::u32string characters = utf8::decode(
      "a\xFF"
      "b");
  EXPECT_EQ(characters, (std::u32string{U'a', U'\uFFFD', U'b'}));
  EXPECT_EQ(utf8::length("éé"), 2u);
  EXPECT_EQ(utf8::encode(utf8::decode("aé€😀")), "aé€😀");
}

}  // namespace
}  // namespace tarvel
