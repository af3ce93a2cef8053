// The needle's sweep: one step a degree, each followed by one pass of the event loop.
#include <optional>
#include <string>
#include <vector>

#include "tests/window/window_fixture.hpp"

namespace tarvel {
namespace {

struct NeedleCase {
  double azimuth;
  float x2, y2;
};

void PrintTo(const NeedleCase& c, std::ostream* os) {
  *os << "azimuth " << c.azimuth << ": the needle ends at " << c.x2 << "," << c.y2;
}

class NeedleTest : public WindowTest, public ::testing::WithParamInterface<NeedleCase> {};

TEST_P(NeedleTest, EndsAtTheAzimuthAfterOnePassPerStep) {
  const NeedleCase& c = GetParam();
  window.Azimut = c.azimuth;
  platform.eventLoopPasses = 0;
  window.Dessine_Angle();
  const LineEnds& ends = window.Li1.ends();
  EXPECT_FLOAT_EQ(ends.x1, 2100);
  EXPECT_FLOAT_EQ(ends.y1, 1750);
  EXPECT_NEAR(ends.x2, c.x2, 0.001);
  EXPECT_NEAR(ends.y2, c.y2, 0.001);
  EXPECT_EQ(platform.eventLoopPasses, static_cast<long>(c.azimuth) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NeedleTest,
    ::testing::Values(NeedleCase{0, 2100, 895}, NeedleCase{45, 2704.5764f, 1145.4237f},
                      NeedleCase{90, 2955, 1750}, NeedleCase{135, 2704.5764f, 2354.5764f},
                      NeedleCase{180, 2100, 2605}, NeedleCase{270, 1245, 1750},
                      NeedleCase{340, 1807.5728f, 946.5628f}, NeedleCase{360, 2100, 895}),
    [](const auto& info) {
      return "azimuth" + std::to_string(static_cast<int>(info.param.azimuth));
    });

// Each pass sees the needle one degree further on: the sweep is visible step by step.
TEST_F(WindowTest, EveryPassSeesTheNextDegree) {
  window.Azimut = 90;
  std::vector<float> x2;
  platform.onEventLoopPass = [&] { x2.push_back(window.Li1.ends().x2); };
  window.Dessine_Angle();
  ASSERT_EQ(x2.size(), 91u);
  for (std::size_t i = 1; i < x2.size(); ++i)
    EXPECT_GT(x2[i], x2[i - 1]) << "step " << i;
}

// A screen reader hears the bearing where the needle stops, not once a degree: a flood of value
// events made it drop what followed, the result's sentence among it. The rest is told once; a
// sweep nested in another tells its own end, then the outer one its own.
TEST_F(WindowTest, TheShownBearingIsToldWhereTheNeedleStops) {
  using Told = std::vector<std::optional<int>>;
  window.Azimut = 200;
  window.Dessine_Angle();
  EXPECT_EQ(platform.bearingsShown, Told{200});
  platform.bearingsShown.clear();
  window.Azimut = 3;
  window.Dessine_Angle();
  EXPECT_EQ(platform.bearingsShown, Told{3});
  platform.bearingsShown.clear();
  window.Com_S_Raz_Click();
  window.Com_S_Raz_Click();
  EXPECT_EQ(platform.bearingsShown, Told{std::nullopt});
  platform.bearingsShown.clear();

  window.Azimut = 200;
  int passes = 0;
  platform.onEventLoopPass = [&] {
    if (++passes != 5) return;
    window.Azimut = 90;
    window.Dessine_Angle();
    window.Azimut = 200;
  };
  window.Dessine_Angle();
  EXPECT_EQ(platform.bearingsShown, (Told{90, 200}));
}

TEST_F(WindowTest, ClosingDuringASweepEndsItAtOnce) {
  window.Azimut = 200;
  platform.onEventLoopPass = [&] {
    if (platform.eventLoopPasses == 3) {
      int cancel = 0;
      window.Form_Unload(cancel);
    }
  };
  window.Dessine_Angle();
  EXPECT_EQ(platform.eventLoopPasses, 3);
  EXPECT_TRUE(platform.programEnded);
}

}  // namespace
}  // namespace tarvel
