// Distance and azimuth: the known cases, the cases the formulas leave undefined, and an
// independent check against the haversine and atan2 forms.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "geo/distance_azimuth.hpp"

namespace tarvel::geo {
namespace {

struct PathCase {
  const char* name;
  WestPositivePosition mon, son;
  int kilometres, azimuth;
};

void PrintTo(const PathCase& c, std::ostream* os) {
  *os << c.name << ": " << c.mon.latitude << "," << c.mon.westLongitude << " to " << c.son.latitude
      << "," << c.son.westLongitude << " (north and west positive), " << c.kilometres
      << " km, azimuth " << c.azimuth;
}

class DistanceTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DistanceTest, GivesWholeKilometresAndDegrees) {
  const PathCase& c = GetParam();
  const DistanceAzimuth result = distanceAndAzimuth(c.mon, c.son);
  EXPECT_EQ(result.kilometres, c.kilometres);
  EXPECT_EQ(result.azimuth, c.azimuth);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistanceTest,
    ::testing::Values(PathCase{"marseilleToParis", {43.3, -5.5}, {48.85, -2.35}, 664, 340},
                      PathCase{"toTokyo", {43, -5}, {35, -139}, 10179, 36},
                      PathCase{"toNewYork", {43, -5}, {40, 74}, 6341, 297},
                      PathCase{"equatorEast", {0, 0}, {0, -90}, 10019, 90},
                      PathCase{"equatorWest", {0, 0}, {0, 90}, 10019, 270},
                      // Due north the side rule gives 360, not 0.
                      PathCase{"dueNorth", {43, -5}, {50, -5}, 779, 360},
                      PathCase{"justEastOfNorth", {43, -5}, {60, -5.1}, 1893, 0},
                      // The shorter way round: from 179° E to 179° W lies 2° to the east.
                      PathCase{"acrossTheDateLineEastward", {0, -179}, {0, 179}, 223, 90},
                      PathCase{"acrossTheDateLineWestward", {0, 179}, {0, -179}, 223, 270},
                      // On one meridian the azimuth's cosine lands a hair above 1.
                      PathCase{"dueNorthCosineAboveOne", {43, -5}, {48, -5}, 557, 360},
                      PathCase{"coincident", {45.5, -7.25}, {45.5, -7.25}, 0, 0},
                      PathCase{"nearlyCoincident", {45.5, -7.25}, {45.5, -7.2500000001}, 0, 0},
                      // A station never stored counts as 0° N 0°.
                      PathCase{"correspondentNeverStored", {43.3, -5.5}, {0, 0}, 4851, 188},
                      PathCase{"mineNeverStored", {0, 0}, {43.3, -5.5}, 4851, 5},
                      PathCase{"bothNeverStored", {0, 0}, {0, 0}, 0, 0},
                      PathCase{"antipodesOnTheEquator", {0, 0}, {0, 180}, 20038, 0},
                      PathCase{"antipodesAtThePoles", {90, 0}, {-90, 0}, 20038, 0}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr double kRadius = kEarthCircumference / (2 * std::numbers::pi);

long double haversineKilometres(long double lat1, long double lonEast1, long double lat2,
                                long double lonEast2) {
  const long double toRadians = std::numbers::pi_v<long double> / 180;
  const long double dLat = (lat2 - lat1) * toRadians, dLon = (lonEast2 - lonEast1) * toRadians;
  const long double h = std::pow(std::sin(dLat / 2), 2) + std::cos(lat1 * toRadians) *
                                                              std::cos(lat2 * toRadians) *
                                                              std::pow(std::sin(dLon / 2), 2);
  return 2 * kRadius * std::asin(std::sqrt(h));
}

double initialBearing(double lat1, double lonEast1, double lat2, double lonEast2) {
  const double toRadians = std::numbers::pi / 180;
  const double p1 = lat1 * toRadians, p2 = lat2 * toRadians,
               dLon = (lonEast2 - lonEast1) * toRadians;
  const double y = std::sin(dLon) * std::cos(p2);
  const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dLon);
  return std::fmod(std::atan2(y, x) / toRadians + 360, 360);
}

// How far the shown azimuth lies from the exact bearing, in (−180, 180].
double signedDifference(double shown, double exact) {
  const double d = std::fmod(shown - exact + 540, 360) - 180;
  return d == -180 ? 180 : d;
}

// The shown kilometres are the nearest whole number, and the shown azimuth is truncated before
// the west side takes 360 minus it: up to a degree below the bearing on the east side, up to a
// degree above it on the west side. A rounded azimuth or truncated distance falls outside.
TEST(DistanceAgreement, WithHaversineAndTheInitialBearingForRandomPairs) {
  std::mt19937 generator(20261207);
  std::uniform_real_distribution<double> latitude(-90, 90), longitude(-180, 180);
  constexpr double kSlack = 1e-6;
  int compared = 0;
  for (int i = 0; i < 5000; ++i) {
    const double latM = latitude(generator), lonM = longitude(generator);
    const double latS = latitude(generator), lonS = longitude(generator);
    const DistanceAzimuth result = distanceAndAzimuth({.latitude = latM, .westLongitude = lonM},
                                                      {.latitude = latS, .westLongitude = lonS});
    ASSERT_GE(result.azimuth, 0);
    ASSERT_LE(result.azimuth, 360);
    const long double exact = haversineKilometres(latM, -lonM, latS, -lonS);
    const bool nearPole = std::fabs(latM) > 89 || std::fabs(latS) > 89;
    const bool nearAntipode = exact > kRadius * (std::numbers::pi - std::numbers::pi / 180);
    if (nearPole || nearAntipode) continue;
    ++compared;
    const double bearing = initialBearing(latM, -lonM, latS, -lonS);
    const double offBy = signedDifference(result.azimuth, bearing);
    const std::string where = ::testing::PrintToString(std::vector{latM, lonM, latS, lonS});
    EXPECT_LE(std::fabs(result.kilometres - static_cast<double>(exact)), 0.5 + 1e-3) << where;
    if (bearing < 180) {
      EXPECT_TRUE(offBy > -1 - kSlack && offBy <= kSlack) << where << " " << bearing;
    } else {
      EXPECT_TRUE(offBy >= -kSlack && offBy < 1 + kSlack) << where << " " << bearing;
    }
  }
  EXPECT_GT(compared, 4500);
}

// Due south the cosine lands a hair below −1; truncation may then give 180 or 181.
TEST(Distance, DueSouthOnOneMeridian) {
  const DistanceAzimuth result = distanceAndAzimuth({43, -5}, {38, -5});
  EXPECT_EQ(result.kilometres, 557);
  EXPECT_TRUE(result.azimuth == 180 || result.azimuth == 181) << result.azimuth;
}

TEST(DistanceAgreement, NeverANaNNearThePolesOrTheAntipodes) {
  for (const double lat : {90.0, 89.999999, -90.0, 0.0})
    for (const double lon : {0.0, 180.0, -180.0, 179.999999}) {
      const DistanceAzimuth result = distanceAndAzimuth({lat, 0}, {-lat, lon});
      EXPECT_GE(result.kilometres, 0);
      EXPECT_LE(result.kilometres, 20038);
      EXPECT_GE(result.azimuth, 0);
      EXPECT_LE(result.azimuth, 360);
    }
}

}  // namespace
}  // namespace tarvel::geo
