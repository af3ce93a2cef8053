// Locator encoding, decoding and verification, by tables of named cases.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>

#include "geo/locator.hpp"
#include "stations/locator_text.hpp"
#include "window/model/utf8.hpp"

namespace tarvel::geo {
namespace {

using locator::codesOf;
using locator::kEast;
using locator::kNorth;
using locator::kSouth;
using locator::kWest;
using locator::latitudeHemisphereOf;
using locator::longitudeHemisphereOf;
using locator::textOf;
using locator::wordOf;

struct EncodeCase {
  const char* name;
  TypedPosition typed;  // latitude d, m, s, then longitude d, m, s
  std::string_view latitudeHemisphere, longitudeHemisphere;
  const char* locator;
  WestPositivePosition position;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
  const TypedPosition& t = c.typed;
  *os << c.name << ": " << t.latitudeDegrees << " " << t.latitudeMinutes << " " << t.latitudeSeconds
      << " " << ::testing::PrintToString(std::string(c.latitudeHemisphere)) << ", "
      << t.longitudeDegrees << " " << t.longitudeMinutes << " " << t.longitudeSeconds << " "
      << ::testing::PrintToString(std::string(c.longitudeHemisphere)) << " gives " << c.locator
      << " at " << c.position.latitude << "," << c.position.westLongitude
      << " (north and west positive)";
}

class EncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, GivesTheLocatorAndTheSignedPosition) {
  const EncodeCase& c = GetParam();
  const LocatorEncoding encoding =
      encodeLocator(c.typed, latitudeHemisphereOf(c.latitudeHemisphere),
                    longitudeHemisphereOf(c.longitudeHemisphere));
  EXPECT_EQ(textOf(encoding.codes), c.locator);
  EXPECT_NEAR(encoding.position.latitude, c.position.latitude, 1e-4);
  EXPECT_NEAR(encoding.position.westLongitude, c.position.westLongitude, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeTest,
    ::testing::Values(
        EncodeCase{"origin", {0, 0, 0, 0, 0, 0}, kNorth, kEast, "JJ00AA", {0, 0}},
        EncodeCase{"paris", {48, 51, 0, 2, 21, 0}, kNorth, kEast, "JN18EU", {48.85, -2.35}},
        EncodeCase{"marseille", {43, 17, 0, 5, 33, 0}, kNorth, kEast, "JN23SG", {43.28333, -5.55}},
        EncodeCase{"west", {45, 0, 0, 2, 0, 0}, kNorth, kWest, "IN95AA", {45, 2}},
        EncodeCase{
            "sydney", {33, 51, 0, 151, 13, 0}, kSouth, kEast, "QF56OD", {-33.85, -151.21667}},
        EncodeCase{"southWest", {10, 0, 0, 0, 0, 0}, kSouth, kWest, "JI00AA", {-10, 0}},
        EncodeCase{"northEastCorner",
                   {89, 59, 59, 179, 59, 59},
                   kNorth,
                   kEast,
                   "RR99XX",
                   {89.99972, -179.99972}},
        EncodeCase{"southWestCorner",
                   {89, 59, 59, 179, 59, 59},
                   kSouth,
                   kWest,
                   "AA00AA",
                   {-89.99972, 179.99972}},
        EncodeCase{"twentyEast", {0, 0, 0, 20, 0, 0}, kNorth, kEast, "KJ00AA", {0, -20}},
        EncodeCase{"twentyWest", {0, 0, 0, 20, 0, 0}, kNorth, kWest, "IJ00AA", {0, 20}},
        // On a boundary the rescaled value can lie a hair below the whole number.
        EncodeCase{"oneNorthFallsLow", {1, 0, 0, 0, 0, 0}, kNorth, kEast, "JJ00AX", {1, 0}},
        EncodeCase{"twoNorthFallsLow", {2, 0, 0, 0, 0, 0}, kNorth, kEast, "JJ01AX", {2, 0}},
        EncodeCase{"twoEastFallsLow", {0, 0, 0, 2, 0, 0}, kNorth, kEast, "JJ00XA", {0, -2}},
        EncodeCase{"fourteenEastFallsLow", {0, 0, 0, 14, 0, 0}, kNorth, kEast, "JJ60XA", {0, -14}},
        EncodeCase{"newYork", {40, 42, 0, 74, 0, 0}, kNorth, kWest, "FN20XQ", {40.7, 74}},
        EncodeCase{"fiveMinutesEast", {0, 0, 0, 0, 5, 0}, kNorth, kEast, "JJ00AA", {0, -0.08333}},
        EncodeCase{
            "twoAndAHalfMinutesNorth", {0, 2, 30, 0, 0, 0}, kNorth, kEast, "JJ00AA", {0.04167, 0}},
        EncodeCase{"fortyEightNorthExact", {48, 0, 0, 0, 0, 0}, kNorth, kEast, "JN08AA", {48, 0}},
        // Neither word: the unsigned value is used as it is.
        EncodeCase{"lowerCaseNord", {0, 0, 0, 0, 0, 0}, "nord", kEast, "JA00AA", {0, 0}},
        EncodeCase{"trailingBlankIsNotNord", {0, 0, 0, 0, 0, 0}, "Nord ", kEast, "JA00AA", {0, 0}},
        EncodeCase{"lowerCaseOuest", {0, 0, 0, 20, 0, 0}, kNorth, "ouest", "UJ00AA", {0, 20}},
        EncodeCase{"emptyLongitudeWord", {0, 0, 0, 0, 0, 0}, kNorth, "", "AJ00AA", {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Encode, ANonWordHemisphereCanGiveCodesAbove82) {
  const LocatorEncoding encoding =
      encodeLocator({0, 0, 0, 179, 0, 0}, LatitudeHemisphere::North, std::nullopt);
  EXPECT_EQ(encoding.codes[0], 'A' + 179);
  EXPECT_EQ(textOf(encoding.codes).substr(0, 2), "ô");  // code 244
}

struct DecodeCase {
  const char* locator;
  DegreesMinutesSeconds latitude;
  std::string_view latitudeHemisphere;
  DegreesMinutesSeconds longitude;
  std::string_view longitudeHemisphere;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
  const auto write = [os](const DegreesMinutesSeconds& d, std::string_view hemisphere) {
    *os << d.degrees << " " << d.minutes << " " << d.seconds << " " << hemisphere;
  };
  *os << c.locator << " gives ";
  write(c.latitude, c.latitudeHemisphere);
  *os << ", ";
  write(c.longitude, c.longitudeHemisphere);
}

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesTheTruncatedReferencePoint) {
  const DecodeCase& c = GetParam();
  const LocatorDecoding decoded = decodeLocator(codesOf(c.locator));
  EXPECT_EQ(decoded.latitude.degrees, c.latitude.degrees);
  EXPECT_EQ(decoded.latitude.minutes, c.latitude.minutes);
  EXPECT_EQ(decoded.latitude.seconds, c.latitude.seconds);
  EXPECT_EQ(decoded.longitude.degrees, c.longitude.degrees);
  EXPECT_EQ(decoded.longitude.minutes, c.longitude.minutes);
  EXPECT_EQ(decoded.longitude.seconds, c.longitude.seconds);
  ASSERT_TRUE(decoded.latitudeHemisphere && decoded.longitudeHemisphere);
  EXPECT_EQ(wordOf(*decoded.latitudeHemisphere), c.latitudeHemisphere);
  EXPECT_EQ(wordOf(*decoded.longitudeHemisphere), c.longitudeHemisphere);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeTest,
    ::testing::Values(DecodeCase{"JN33AA", {43, 1, 29}, kNorth, {6, 2, 59}, kEast},
                      DecodeCase{"JN18EU", {48, 51, 30}, kNorth, {2, 22, 59}, kEast},
                      DecodeCase{"JJ00AA", {0, 1, 29}, kNorth, {0, 2, 59}, kEast},
                      DecodeCase{"IJ99XX", {9, 58, 59}, kNorth, {0, 2, 0}, kWest},
                      DecodeCase{"AA00AA", {89, 58, 29}, kSouth, {179, 56, 59}, kWest},
                      DecodeCase{"RR99XX", {89, 59, 0}, kNorth, {179, 58, 0}, kEast},
                      DecodeCase{"QF56OD", {33, 51, 0}, kSouth, {151, 13, 0}, kEast},
                      DecodeCase{"FN20XQ", {40, 41, 29}, kNorth, {74, 1, 59}, kWest},
                      DecodeCase{"KJ00AA", {0, 1, 29}, kNorth, {20, 3, 0}, kEast}),
    [](const auto& info) { return std::string(info.param.locator); });

TEST(Decode, FirstLettersChooseTheHemispheres) {
  for (char letter = 'A'; letter <= 'R'; ++letter) {
    const LocatorDecoding decoded = decodeLocator(codesOf(std::string{letter, letter} + "55LL"));
    EXPECT_EQ(decoded.longitudeHemisphere,
              letter <= 'I' ? LongitudeHemisphere::West : LongitudeHemisphere::East)
        << letter;
    EXPECT_EQ(decoded.latitudeHemisphere,
              letter <= 'I' ? LatitudeHemisphere::South : LatitudeHemisphere::North)
        << letter;
  }
}

struct VerifyCase {
  const char* name;
  const char* text;
  std::vector<int> positions;
};

void PrintTo(const VerifyCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::string(c.text)) << " faults at "
      << ::testing::PrintToString(c.positions);
}

class VerifyTest : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(VerifyTest, ReportsEachWrongPositionOnceInOrder) {
  std::vector<int> positions;
  for (const LocatorFault& fault : verifyLocator(utf8::decode(GetParam().text)))
    positions.push_back(fault.position);
  EXPECT_EQ(positions, GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyTest,
                         ::testing::Values(VerifyCase{"valid", "JN23AB", {}},
                                           VerifyCase{"fourCharacters", "JN23", {5, 6}},
                                           VerifyCase{"lowerCase", "jn23ab", {1, 2, 5, 6}},
                                           VerifyCase{"fieldBeyondR", "SN23AB", {1}},
                                           VerifyCase{"letterForDigit", "JN2XAB", {4}},
                                           VerifyCase{"subsquareBeyondX", "JN23AY", {6}},
                                           VerifyCase{"digitForLetter", "5N23AB", {1}},
                                           VerifyCase{"letterForFirstDigit", "JNZ3AB", {3}},
                                           VerifyCase{"accentedLetter", "ÉN23AB", {1}},
                                           VerifyCase{"beyondSixIgnored", "JN23ABZZ", {}},
                                           VerifyCase{"empty", "", {1, 2, 3, 4, 5, 6}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Verify, EachPositionHasItsOwnMessage) {
  const std::vector<LocatorFault> faults = verifyLocator(U"S?Z:Y[");
  ASSERT_EQ(faults.size(), 6u);
  const char* expected[] = {
      "Erreur : Le premier caractère est invalide, (plage de A à R).",
      "Erreur : Le deuxième caractère est invalide, (plage de A à R).",
      "Erreur : Le Troisième caractère est invalide, (plage de 0 à 9).",
      "Erreur : Le quatrième caractère est invalide, (plage de 0 à 9).",
      "Erreur : Le cinquième caractère est invalide, (plage de A à X).",
      "Erreur : Le sixième caractère est invalide, (plage de A à X).",
  };
  for (std::size_t i = 0; i < faults.size(); ++i)
    EXPECT_EQ(faults[i].message, expected[i]);
}

// Every locator of the grid decodes to fields that encode back to it, as the Calcul command
// chains the two.
TEST(WholeGrid, EveryLocatorComesBackFromItsDecodedFields) {
  const auto start = std::chrono::steady_clock::now();
  long checked = 0, wrong = 0;
  LocatorCodes codes{};
  for (codes[0] = 'A'; codes[0] <= 'R'; ++codes[0])
    for (codes[1] = 'A'; codes[1] <= 'R'; ++codes[1])
      for (codes[2] = '0'; codes[2] <= '9'; ++codes[2])
        for (codes[3] = '0'; codes[3] <= '9'; ++codes[3])
          for (codes[4] = 'A'; codes[4] <= 'X'; ++codes[4])
            for (codes[5] = 'A'; codes[5] <= 'X'; ++codes[5]) {
              const LocatorDecoding d = decodeLocator(codes);
              const TypedPosition typed{double(d.latitude.degrees),  double(d.latitude.minutes),
                                        double(d.latitude.seconds),  double(d.longitude.degrees),
                                        double(d.longitude.minutes), double(d.longitude.seconds)};
              const LocatorEncoding back =
                  encodeLocator(typed, d.latitudeHemisphere, d.longitudeHemisphere);
              if (back.codes != codes && ++wrong <= 5) ADD_FAILURE() << textOf(codes);
              ++checked;
            }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "whole grid: " << checked << " locators in " << seconds << " s\n";
  RecordProperty("seconds", std::to_string(seconds));
  EXPECT_EQ(checked, 18 * 18 * 10 * 10 * 24 * 24);
  EXPECT_EQ(wrong, 0);
#if defined(NDEBUG) && !defined(TARVEL_SANITIZED) && !defined(TARVEL_UNDER_WINE)
  EXPECT_LT(seconds, 2.0);
#endif
}

}  // namespace
}  // namespace tarvel::geo
