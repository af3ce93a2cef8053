// Properties of the design table that no scenario sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "window/model/design.hpp"

namespace tarvel {
namespace {

bool takesFocus(const ControlDesign& c) {
  return c.kind == ControlKind::PushButton || c.kind == ControlKind::TextField ||
         c.kind == ControlKind::ComboBox || c.kind == ControlKind::CheckBox;
}

// Where a control lies; a line by the box around its two ends.
Box extentOf(const ControlDesign& c) {
  if (c.kind != ControlKind::Line) return c.box;
  const auto [left, right] = std::minmax(c.ends.x1, c.ends.x2);
  const auto [top, bottom] = std::minmax(c.ends.y1, c.ends.y2);
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left) + 1,
          static_cast<int>(bottom - top) + 1};
}

bool overlap(const Box& a, const Box& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(Design, EveryControlAScreenReaderReachesHasAFrenchName) {
  for (const ControlDesign& c : design::controls()) {
    if (takesFocus(c) || c.kind == ControlKind::Label) {
      EXPECT_FALSE(c.accessibleName.empty() && c.text.empty()) << c.name << "(" << c.index << ")";
    }
    if (takesFocus(c)) {
      EXPECT_FALSE(c.accessibleName.empty()) << c.name;
    }
  }
}

TEST(Design, TabIndexesOfFocusableControlsAreDistinct) {
  std::set<int> seen;
  for (const ControlDesign& c : design::controls()) {
    if (takesFocus(c)) {
      EXPECT_TRUE(seen.insert(c.tabIndex).second) << c.name;
    }
  }
}

// The title is placed by no table of the design: it must not cover anything.
TEST(Design, TitleOverlapsNoOtherControl) {
  const ControlDesign& title = design::of("Label6", 1);
  for (const ControlDesign& c : design::controls()) {
    if (&c == &title || c.kind == ControlKind::Timer) continue;
    EXPECT_FALSE(overlap(title.box, extentOf(c))) << c.name << "(" << c.index << ")";
  }
}

TEST(Design, EveryControlLiesOnTheClientAreaExceptTheLinesRunningPastIt) {
  for (const ControlDesign& c : design::controls()) {
    if (c.kind == ControlKind::Line || c.kind == ControlKind::Timer) continue;
    EXPECT_GE(c.box.left, 0) << c.name;
    EXPECT_GE(c.box.top, 0) << c.name;
    EXPECT_LE(c.box.left + c.box.width, design::kClientWidth) << c.name;
    EXPECT_LE(c.box.top + c.box.height, design::kClientHeight) << c.name;
  }
}

}  // namespace
}  // namespace tarvel
