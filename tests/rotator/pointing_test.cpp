// A bearing in the rotator's own range, and when the antenna has arrived.
#include <gtest/gtest.h>

#include <vector>

#include "rotator/arrival.hpp"
#include "rotator/range.hpp"

namespace tarvel::rotator {
namespace {

using namespace std::chrono_literals;

struct RangeCase {
  double bearing;
  Limits limits;
  double heading;
  std::optional<double> expected;
};

TEST(Range, TakesTheValueThatPointsThatWayNearestTheHeading) {
  const std::vector<RangeCase> cases{
      {224, {-180, 180}, 0, -136},
      {355, {-180, 450}, 0, -5},     // fits twice: the shorter way from 0
      {355, {-180, 450}, 300, 355},  // ... and from 300
      {10, {0, 450}, 400, 370},      // past north on the overlap
      {10, {0, 450}, 100, 10},
      {180, {-180, 180}, -170, -180},  // both ends of the range point south
      {180, {-180, 180}, 170, 180},
      {0, {0, 360}, 350, 360},
      {224.35, {0, 360}, 0, 224.4},  // sent to a tenth
      {359.97, {-180, 180}, 90, 0},  // a tenth below 360 is north
      {-90, {0, 360}, 0, 270},       // a bearing given west of north
      {200, {0, 180}, 0, std::nullopt},
      {90, {100, 120}, 110, std::nullopt},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bearing << " in " << c.limits.minAzimuth << ".."
                                    << c.limits.maxAzimuth << " from " << c.heading);
    const auto azimuth = azimuthInRange(c.bearing, c.limits, c.heading);
    ASSERT_EQ(azimuth.has_value(), c.expected.has_value());
    if (azimuth) {
      EXPECT_NEAR(*azimuth, *c.expected, 1e-9);
    }
  }
}

TEST(Range, CompassBearingAndAngleGoRoundNorth) {
  EXPECT_DOUBLE_EQ(compassBearing(-136), 224);
  EXPECT_DOUBLE_EQ(compassBearing(370), 10);
  EXPECT_DOUBLE_EQ(compassBearing(-1e-15), 0);
  EXPECT_DOUBLE_EQ(angleBetween(359, 1), 2);
  EXPECT_DOUBLE_EQ(angleBetween(-5, 355), 0);
  EXPECT_DOUBLE_EQ(angleBetween(10, 200), 170);
}

struct Reading {
  std::chrono::milliseconds at;
  double azimuth;
  Progress expected;
};

struct Journey {
  const char* name;
  double target, start;
  std::vector<Reading> readings;
};

TEST(ArrivalWatch, ArrivesWithinTwoDegreesOrStopsAfterFiveStillSeconds) {
  const std::vector<Journey> journeys{
      {"turning then there",
       10,
       0,
       {{250ms, 1.5, Progress::Turning},
        {1000ms, 6, Progress::Turning},
        {1500ms, 8.1, Progress::Arrived}}},
      {"there across north", 359.5, 340, {{3000ms, 0.5, Progress::Arrived}}},
      {"at an end stop",
       90,
       0,
       {{1000ms, 6, Progress::Turning},
        {2000ms, 12, Progress::Turning},
        {4000ms, 12.2, Progress::Turning},
        {6900ms, 12.3, Progress::Turning},
        {7000ms, 12.4, Progress::StoppedShort}}},
      {"never turned",
       90,
       0,
       {{4750ms, 0, Progress::Turning}, {5000ms, 0, Progress::StoppedShort}}},
      {"slow but moving",
       90,
       0,
       {{4000ms, 0.6, Progress::Turning},
        {8000ms, 1.2, Progress::Turning},
        {12000ms, 1.8, Progress::Turning}}},
  };
  const ArrivalWatch::Clock::time_point start{};
  for (const Journey& journey : journeys) {
    SCOPED_TRACE(journey.name);
    ArrivalWatch watch(journey.target, journey.start, start);
    for (const Reading& reading : journey.readings) {
      SCOPED_TRACE(testing::Message() << reading.at.count() << " ms at " << reading.azimuth);
      EXPECT_EQ(watch.observe(reading.azimuth, start + reading.at), reading.expected);
    }
  }
}

}  // namespace
}  // namespace tarvel::rotator
