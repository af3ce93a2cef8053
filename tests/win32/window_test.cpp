// The window itself under Win32: the focus at open, its client area and where its controls lie,
// the Tab order by real Tab presses, and the needle's sweep: each step a real paint, and closing
// during it.
#include <chrono>
#include <cmath>
#include <iostream>
#include <vector>

#include "tests/support/tab_stops.hpp"
#include "tests/support/temporary_folder.hpp"
#include "tests/win32/view_fixture.hpp"
#include "window/model/control_visit.hpp"
#include "window/win32/design_values.hpp"

namespace tarvel::win32 {
namespace {

TEST_F(ViewTest, FocusIsInTheCorrespondentsLocatorAtOpen) {
  EXPECT_EQ(GetFocus(), child(window.Text_S_Loc));
  EXPECT_EQ(window.focused(), &window.Text_S_Loc);
}

TEST_F(ViewTest, ClientAreaIs470By251PixelsAt96Dpi) {
  ASSERT_EQ(GetDpiForWindow(view.handle()), 96u) << "the test needs a screen at 96 DPI";
  RECT client{};
  GetClientRect(view.handle(), &client);
  EXPECT_EQ(client.right - client.left, 470);
  EXPECT_EQ(client.bottom - client.top, 251);
}

class PlacementTest : public ViewTest, public ::testing::WithParamInterface<UINT> {
 protected:
  // What Windows sends when the window moves to a screen of another density.
  void moveToScreenOf(UINT dpi) {
    const SIZE client = clientSize(dpi);
    RECT frame{100, 100, 100 + client.cx, 100 + client.cy};
    AdjustWindowRectExForDpi(
        &frame, static_cast<DWORD>(GetWindowLongPtrW(view.handle(), GWL_STYLE)), FALSE,
        static_cast<DWORD>(GetWindowLongPtrW(view.handle(), GWL_EXSTYLE)), dpi);
    SendMessageW(view.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&frame));
    pump();
  }
};

// At the screen's density at creation, and after a move to a denser screen: every control at
// its box and in its font's size.
TEST_P(PlacementTest, EveryControlLiesWhereTheDesignPutsIt) {
  ASSERT_EQ(GetDpiForWindow(view.handle()), 96u) << "the test needs a screen at 96 DPI";
  const UINT dpi = GetParam();
  if (dpi != 96) moveToScreenOf(dpi);
  int checked = 0;
  for (const Control* control : window.controls()) {
    HWND shown = child(*control);
    if (!shown || control->kind() == ControlKind::Label) continue;
    SCOPED_TRACE(control->fullName());
    RECT placed{};
    GetWindowRect(shown, &placed);
    MapWindowPoints(nullptr, view.handle(), reinterpret_cast<POINT*>(&placed), 2);
    const RECT designed = pixels(control->design().box, dpi);
    EXPECT_EQ(placed.left, designed.left);
    EXPECT_EQ(placed.top, designed.top);
    EXPECT_EQ(placed.right, designed.right);
    EXPECT_EQ(placed.bottom, designed.bottom);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)), sizeof font, &font);
    const FontSpec fontSpec = control->design().font.value_or(design::kWindowFont);
    EXPECT_EQ(font.lfHeight, -std::lround(fontSpec.points * dpi / 72));
    ++checked;
  }
  // 12 coordinate fields, 2 locators, 4 boxes, 6 buttons, the check box and the rose
  EXPECT_EQ(checked, 26);
}

INSTANTIATE_TEST_SUITE_P(Screens, PlacementTest, ::testing::Values(96u, 144u, 192u),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

const std::vector<std::string> kTabOrder(test_support::kTabStops.begin(),
                                         test_support::kTabStops.end());

class TabTest : public ViewTest {};

TEST_F(TabTest, TabWalksTheDesignOrderAndShiftTabGoesBack) {
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
    pressKey(VK_TAB);
    visited.push_back(focusedName());
    EXPECT_EQ(window.focused()->fullName(), visited.back());
  }
  EXPECT_EQ(visited, kTabOrder);
  std::vector<std::string> back;
  for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
    pressShifted(VK_TAB);
    back.push_back(focusedName());
  }
  std::vector<std::string> reversed(kTabOrder.rbegin() + 1, kTabOrder.rend());
  reversed.push_back(kTabOrder.back());
  EXPECT_EQ(back, reversed);
}

// A keyboard user sees where the focus is: the frame in the design's colour beside each stop,
// buttons and the check box included.
TEST_F(TabTest, TheFocusFrameFollowsEveryStop) {
  HDC dc = GetDC(view.handle());
  ASSERT_NE(dc, nullptr);
  for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
    pressKey(VK_TAB);
    UpdateWindow(view.handle());
    RECT box{};
    GetWindowRect(child(*window.focused()), &box);
    MapWindowPoints(nullptr, view.handle(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(GetPixel(dc, box.left - 2, (box.top + box.bottom) / 2),
              toColorRef(design::kFocusFrame))
        << focusedName();
  }
  ReleaseDC(view.handle(), dc);
}

TEST_F(TabTest, TabPassesOverMyRazWhileTheKeepBoxIsChecked) {
  PostMessageW(child(window.Check_Sauve), BM_CLICK, 0, 0);
  pump();
  ASSERT_EQ(window.Check_Sauve.value(), 1);
  ASSERT_FALSE(IsWindowEnabled(child(window.Com_M_RAZ)));
  focus(window.Com_S);
  pressKey(VK_TAB);
  EXPECT_EQ(focusedName(), "Check_Sauve");
  pressShifted(VK_TAB);
  EXPECT_EQ(focusedName(), "Com_S");
}

// Multi-line fields ask for every key; Tab still leaves them.
TEST_F(TabTest, TabLeavesAMultiLineFieldWithoutTypingIntoIt) {
  focus(window.Text_M_Lon_Sec);
  pressKey(VK_TAB);
  EXPECT_EQ(focusedName(), "Text_M_Lon_Min");
  EXPECT_EQ(shown(window.Text_M_Lon_Sec), "");
}

struct EndingCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  bool ends;
};

void PrintTo(const EndingCase& c, std::ostream* os) {
  *os << "message " << c.message << " (wParam " << c.wParam << ")"
      << (c.ends ? " ends the window" : " leaves the window open");
}

class EndingTest : public ViewTest, public ::testing::WithParamInterface<EndingCase> {};

// Every way Windows ends the window runs the unload sequence, which keeps the settings, once.
TEST_P(EndingTest, RunsTheUnloadSequenceOrNothing) {
  PostMessageW(view.handle(), GetParam().message, GetParam().wParam, 0);
  pump();
  EXPECT_EQ(platform.programEnded, GetParam().ends);
  EXPECT_EQ(std::filesystem::exists(folder.path() / "SavLoc.ini"), GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(Messages, EndingTest,
                         ::testing::Values(EndingCase{"closeBox", WM_SYSCOMMAND, SC_CLOSE, true},
                                           EndingCase{"close", WM_CLOSE, 0, true},
                                           EndingCase{"sessionEnds", WM_ENDSESSION, TRUE, true},
                                           EndingCase{"sessionGoesOn", WM_ENDSESSION, FALSE,
                                                      false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The binding's own SetTimer, not a scenario's clock command: a tick within a second or so.
TEST(ClockTest, TheTimerTicksOnceASecond) {
  const test_support::TemporaryFolder folder;
  scenarios::ScriptedToolkitPlatform platform;
  platform.folders = {folder.path(), folder.path() / "user"};
  WinDurOzirozador window{platform};
  WindowView view{window};
  platform.attach(view);
  window.Form_Load();
  view.show(SW_SHOWNORMAL);
  platform.time = {12, 34, 56};
  const auto start = std::chrono::steady_clock::now();
  const auto waited = [&start] { return std::chrono::steady_clock::now() - start; };
  while (window.LabHeure.caption() != "12:34:56" && waited() < std::chrono::seconds(3)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    handlePendingMessages(view.handle());
  }
  EXPECT_EQ(window.LabHeure.caption(), "12:34:56");
  EXPECT_LT(waited(), std::chrono::milliseconds(1500));
}

class SweepTest : public ViewTest {
 protected:
  SweepTest() {
    window.Text_M_Loc.setText("JN23MH");
    window.Com_M_Click();
    focus(window.Text_S_Loc);
  }
};

TEST_F(SweepTest, EveryStepIsARealPaint) {
  const long before = view.drawingPaints();
  typeUnits(L"JN23AB");
  ASSERT_EQ(window.Azimut, 252);
  EXPECT_GE(view.drawingPaints() - before, 253);
}

// The needle turns through every degree of the rose; the time and the paints are recorded in the
// test's output for the figures of the Windows build.
TEST_F(SweepTest, FullTurnPaintsEveryDegree) {
  window.Azimut = 359;
  const long before = view.drawingPaints();
  const auto start = std::chrono::steady_clock::now();
  window.Dessine_Angle();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const long paints = view.drawingPaints() - before;
  const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  RecordProperty("sweep_ms", static_cast<int>(milliseconds));
  RecordProperty("sweep_paints", static_cast<int>(paints));
  std::cout << "360-degree sweep: " << milliseconds << " ms, " << paints << " paints\n";
  EXPECT_GE(paints, 360);
}

TEST_F(SweepTest, ClosingDuringASweepEndsTheProgramCleanly) {
  int passes = 0;
  platform.onEventLoopPass = [&] {
    if (++passes == 5) PostMessageW(view.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  };
  typeUnits(L"JN23AB");
  // The close waited for the next pass, which ended the sweep.
  EXPECT_EQ(passes, 6);
  EXPECT_TRUE(platform.programEnded);
  EXPECT_LT(window.Li1.ends().x2, 2200.0f);  // a few degrees east of north, not 252
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "SavLoc.ini"));
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace tarvel::win32
