// Numbers read from and written into the window's texts, whatever the machine's locale.
#include <gtest/gtest.h>

#include <locale>
#include <optional>
#include <string>

#include "path/clock_text.hpp"
#include "window/model/number_text.hpp"

namespace tarvel {
namespace {

struct ReadCase {
  const char* name;
  const char* text;
  double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::string(c.text)) << " reads " << c.value;
}

class LeadingDigitsTest : public ::testing::TestWithParam<ReadCase> {};

// A pasted text that is not a number counts for its leading digits, and 0 without any.
TEST_P(LeadingDigitsTest, GiveTheValue) {
  EXPECT_DOUBLE_EQ(number_text::numericValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingDigitsTest,
    ::testing::Values(ReadCase{"empty", "", 0}, ReadCase{"zero", "0", 0},
                      ReadCase{"leadingZero", "018", 18}, ReadCase{"threeDigits", "179", 179},
                      ReadCase{"digitThenLetter", "7a", 7}, ReadCase{"letterFirst", "a7", 0},
                      ReadCase{"blankFirst", " 5", 0}, ReadCase{"minusSign", "-3", 0},
                      ReadCase{"decimalPoint", "4.5", 4},
                      ReadCase{"twentyDigits", "99999999999999999999", 1e20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, LeadingDigitsAreTheDigitsBeforeAnythingElse) {
  EXPECT_EQ(number_text::leadingDigits("074abc"), "074");
  EXPECT_EQ(number_text::leadingDigits("x12"), "");
  EXPECT_EQ(number_text::leadingDigits(""), "");
}

TEST(NumberText, WholeNumbersArePlainDigits) {
  EXPECT_EQ(number_text::wholeNumber(0), "0");
  EXPECT_EQ(number_text::wholeNumber(664), "664");
  EXPECT_EQ(number_text::wholeNumber(1234567), "1234567");
}

// French locales write 10 179,5: the window's texts must not follow the machine's locale.
struct FrenchNumbers : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(Locale, TextsDoNotDependOnTheGlobalLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new FrenchNumbers));
  const std::string distance = number_text::wholeNumber(12345);
  const std::string time = path::hhmmss({9, 5, 7});
  const double value = number_text::numericValue("1234");
  std::locale::global(previous);
  EXPECT_EQ(distance, "12345");
  EXPECT_EQ(time, "09:05:07");
  EXPECT_EQ(value, 1234);
}

struct OffsetCase {
  const char* degrees;
  std::optional<int> hours;
};

void PrintTo(const OffsetCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::string(c.degrees)) << " degrees: ";
  if (c.hours)
    *os << *c.hours << " hours";
  else
    *os << "no offset";
}

class HourOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(HourOffsetTest, FollowsTheFifteenDegreeBands) {
  EXPECT_EQ(path::hourOffsetOf(GetParam().degrees), GetParam().hours);
}

INSTANTIATE_TEST_SUITE_P(Bands, HourOffsetTest,
                         ::testing::Values(OffsetCase{"0", 0}, OffsetCase{"002", 0},
                                           OffsetCase{"15", 0}, OffsetCase{"16", 1},
                                           OffsetCase{"74", 4}, OffsetCase{"139", 9},
                                           OffsetCase{"165", 10}, OffsetCase{"166", 11},
                                           OffsetCase{"180", 11}, OffsetCase{"181", std::nullopt},
                                           OffsetCase{"", std::nullopt},
                                           OffsetCase{"x", std::nullopt}),
                         [](const auto& info) {
                           const std::string degrees = info.param.degrees;
                           return "degrees_" + (degrees.empty() ? "none" : degrees);
                         });

}  // namespace
}  // namespace tarvel
