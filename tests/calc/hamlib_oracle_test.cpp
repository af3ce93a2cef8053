// tarvel_geo against hamlib, the library most amateur radio programs use: 8- and 10-character
// locators both ways, and both paths round the globe after the ratio of the two spheres' radii.
#include <gtest/gtest.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <array>
#include <cmath>
#include <random>

#include "geo/great_circle.hpp"
#include "geo/grid_square.hpp"

namespace {

using tarvel::geo::Position;

// hamlib's sphere: 111.2 km a degree of arc, whose radius is 111.2 × 180 / π.
constexpr double kHamlibRadius = 111.2 * 180 / tarvel::geo::kPi;
constexpr double kRadiusRatio = tarvel::geo::kEarthRadius / kHamlibRadius;
constexpr int kSamples = 20000;
// hamlib moves every position 1e-6 degree north and 2e-6 east before it cuts it into cells, against
// rounding; the grid is asked about the same moved position.
constexpr Position kHamlibNudge{1e-6, 2e-6};
// qrb rounds its azimuths to whole degrees.
constexpr double kQrbAzimuthStep = 0.5 + 1e-9;

class HamlibOracle : public testing::Test {
 protected:
  void SetUp() override { rig_set_debug(RIG_DEBUG_NONE); }
};

std::vector<Position> randomPositions(unsigned seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> latitude(-89.9, 89.9), longitude(-179.9, 179.9);
  std::vector<Position> positions(kSamples);
  for (Position& p : positions)
    p = {latitude(random), longitude(random)};
  return positions;
}

double headingGap(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

TEST_F(HamlibOracle, EightAndTenCharacterLocatorsBothWays) {
  for (const Position& p : randomPositions(1)) {
    for (int length : {8, 10}) {
      std::array<char, 16> expected{};
      ASSERT_EQ(longlat2locator(p.longitude, p.latitude, expected.data(), length / 2), RIG_OK);
      const std::string locator = tarvel::geo::encodeSquare(
          {p.latitude + kHamlibNudge.latitude, p.longitude + kHamlibNudge.longitude}, length);
      ASSERT_EQ(locator, expected.data()) << p.latitude << "," << p.longitude;

      double longitude = 0, latitude = 0;
      ASSERT_EQ(locator2longlat(&longitude, &latitude, locator.c_str()), RIG_OK);
      const Position centre = tarvel::geo::decodeSquare(locator).centre;
      EXPECT_NEAR(centre.latitude, latitude, 1e-9) << locator;
      EXPECT_NEAR(centre.longitude, longitude, 1e-9) << locator;
    }
  }
}

TEST_F(HamlibOracle, ShortAndLongPathsAfterTheRadiusRatio) {
  const std::vector<Position> positions = randomPositions(2);
  for (std::size_t i = 0; i + 1 < positions.size(); i += 2) {
    const Position from = positions[i], to = positions[i + 1];
    double distance = 0, azimuth = 0, back = 0, unused = 0;
    ASSERT_EQ(qrb(from.longitude, from.latitude, to.longitude, to.latitude, &distance, &azimuth),
              RIG_OK);
    ASSERT_EQ(qrb(to.longitude, to.latitude, from.longitude, from.latitude, &unused, &back),
              RIG_OK);
    const auto circle = tarvel::geo::greatCircle(from, to);
    const double kilometres = circle.centralAngle * tarvel::geo::kEarthRadius;
    const double longKilometres =
        tarvel::geo::longPathAngle(circle.centralAngle) * tarvel::geo::kEarthRadius;
    // hamlib takes the arc cosine, which loses digits near 0 and π: a few metres at most.
    EXPECT_NEAR(kilometres, distance * kRadiusRatio, 0.01);
    EXPECT_NEAR(longKilometres, distance_long_path(distance) * kRadiusRatio, 0.01);
    EXPECT_LT(headingGap(circle.azimuth, azimuth), kQrbAzimuthStep);
    EXPECT_LT(headingGap(circle.reverseAzimuth, back), kQrbAzimuthStep);
    EXPECT_LT(headingGap(tarvel::geo::longPathAzimuth(circle.azimuth), azimuth_long_path(azimuth)),
              kQrbAzimuthStep);
  }
}

}  // namespace
