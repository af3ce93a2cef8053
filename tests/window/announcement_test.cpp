// A result is said once, when it is whole: the distance command that a newer result or a clearing
// overtook during its sweep says nothing more, and a Calcul that starts the distance command
// leaves the saying to it. The words themselves are the scenarios' to check.
#include <string_view>

#include "tests/window/window_fixture.hpp"

namespace tarvel {
namespace {

class AnnouncementTest : public WindowTest {
 protected:
  AnnouncementTest() {
    window.Text_M_Loc.setText("JN23MH");
    window.Com_M_Click();
  }

  void type(TextField& field, std::string_view keys) {
    for (const char key : keys)
      field.typeKey(key);
  }

  // Runs `action` once, nested in the pass of the event loop after the sweep's fifth degree.
  template <typename Action>
  void duringTheSweep(Action action) {
    platform.onEventLoopPass = [this, action, done = false]() mutable {
      if (done || platform.eventLoopPasses < passesBefore_ + 5) return;
      done = true;
      action();
    };
    passesBefore_ = platform.eventLoopPasses;
  }

  long passesBefore_ = 0;
};

TEST_F(AnnouncementTest, ALocatorTypedDuringASweepIsTheOneResultSaid) {
  duringTheSweep([this] {
    window.Text_S_Loc.typeKey(key::kEnter);
    type(window.Text_S_Loc, "JN18EU");
  });
  type(window.Text_S_Loc, "JN23AB");
  ASSERT_EQ(platform.announcements.size(), 1u);
  EXPECT_TRUE(platform.announcements[0].starts_with("Distance 650 ")) << platform.announcements[0];
}

TEST_F(AnnouncementTest, AResultClearedDuringItsSweepIsNotSaid) {
  duringTheSweep([this] { window.Text_S_Loc.typeKey(key::kEnter); });
  type(window.Text_S_Loc, "JN23AB");
  EXPECT_TRUE(platform.announcements.empty()) << platform.announcements.front();
}

TEST_F(AnnouncementTest, ACalculThatStartsTheDistanceCommandIsSaidOnceAsTheDistance) {
  type(window.Text_S_Lat_Deg, "48");
  type(window.Text_S_Lat_Min, "51");
  type(window.Text_S_Lon_Deg, "2");
  type(window.Text_S_Lon_Min, "21");
  window.Com_S.click();
  EXPECT_EQ(window.Text_S_Loc.text(), "JN18EU");
  ASSERT_EQ(platform.announcements.size(), 1u);
  EXPECT_TRUE(platform.announcements[0].starts_with("Distance ")) << platform.announcements[0];
}

}  // namespace
}  // namespace tarvel
