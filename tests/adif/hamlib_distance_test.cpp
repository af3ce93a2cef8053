// The distances the filler writes against hamlib's qrb between the centres of the two squares,
// as hamlib decodes them, after the ratio of the two spheres' radii: squares of 2 to 10
// characters (the last two in the extension), both paths.
#include <gtest/gtest.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <random>
#include <string>

#include "geo/great_circle.hpp"
#include "geo/grid_square.hpp"
#include "tests/adif/log_run.hpp"

namespace tarvel::adif::testing {
namespace {

// hamlib's sphere: 111.2 km a degree of arc.
constexpr double kHamlibRadius = 111.2 * 180 / geo::kPi;
constexpr double kRadiusRatio = geo::kEarthRadius / kHamlibRadius;
constexpr int kPairs = 4000;
// Half the last decimal written, and the few metres hamlib's arc cosine loses near 0 and π.
constexpr double kWritten = 0.05 + 0.01;

std::string field(std::string_view name, std::string_view value) {
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value);
}

// The square's fields in the record: eight characters at most, the extension after them.
std::string squareFields(std::string_view name, const std::string& square) {
  std::string fields = field(name, std::string_view(square).substr(0, 8));
  if (square.size() > 8) fields += field(std::string(name) + "_EXT", square.substr(8));
  return fields;
}

double writtenDistance(const std::string& output) {
  const std::size_t tag = output.find("<DISTANCE:");
  return std::stod(output.substr(output.find('>', tag) + 1));
}

TEST(HamlibDistances, BetweenSquareCentres) {
  rig_set_debug(RIG_DEBUG_NONE);
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> latitude(-89.9, 89.9), longitude(-179.9, 179.9);
  std::uniform_int_distribution<int> pairs(1, 5);
  for (int i = 0; i < kPairs; ++i) {
    const std::string mine =
        geo::encodeSquare({latitude(random), longitude(random)}, 2 * pairs(random));
    const std::string theirs =
        geo::encodeSquare({latitude(random), longitude(random)}, 2 * pairs(random));
    const bool longPath = i % 2 == 1;
    const std::string record = squareFields("MY_GRIDSQUARE", mine) +
                               squareFields("GRIDSQUARE", theirs) +
                               (longPath ? field("ANT_PATH", "L") : "") + "<EOR>";
    const LogRun run = fill(record, {});
    ASSERT_EQ(run.tally.filled, 1u) << record;

    double lon1 = 0, lat1 = 0, lon2 = 0, lat2 = 0, distance = 0, azimuth = 0;
    ASSERT_EQ(locator2longlat(&lon1, &lat1, mine.c_str()), RIG_OK) << mine;
    ASSERT_EQ(locator2longlat(&lon2, &lat2, theirs.c_str()), RIG_OK) << theirs;
    ASSERT_EQ(qrb(lon1, lat1, lon2, lat2, &distance, &azimuth), RIG_OK);
    const double expected = (longPath ? distance_long_path(distance) : distance) * kRadiusRatio;
    EXPECT_NEAR(writtenDistance(run.output), expected, kWritten) << record;
  }
}

}  // namespace
}  // namespace tarvel::adif::testing
