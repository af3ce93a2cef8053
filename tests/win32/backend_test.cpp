// The win32 backend's check after every scenario command: a real control that shows something
// other than what the model holds is reported, with the control's name.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/runner/win32/win32_backend.hpp"
#include "tests/support/temporary_folder.hpp"

namespace tarvel::scenarios {
namespace {

struct DriftCase {
  const char* name;
  const char* control;
  void (*drift)(HWND child);  // a change made behind the model's back
  const char* reported;
};

void PrintTo(const DriftCase& c, std::ostream* os) {
  *os << c.name << " behind the model: " << ::testing::PrintToString(std::string(c.reported));
}

class ShownDifferenceTest : public ::testing::TestWithParam<DriftCase> {
 protected:
  ShownDifferenceTest() {
    backend.create({folder.path(), folder.path() / "user"}, {2026, 12, 6});
    backend.load();
  }

  test_support::TemporaryFolder folder;
  Win32Backend backend;
};

TEST_P(ShownDifferenceTest, ReportsTheControlThatDrifted) {
  ASSERT_EQ(backend.shownDifference(), "");
  const Control& control = *backend.window().find(GetParam().control);
  GetParam().drift(backend.childOf(control));
  EXPECT_EQ(backend.shownDifference(), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(
    Drifts, ShownDifferenceTest,
    ::testing::Values(
        DriftCase{"disabledButton", "Com_M", [](HWND child) { EnableWindow(child, FALSE); },
                  "Com_M: enabled flag differs"},
        DriftCase{"hiddenField", "Text_M_Loc", [](HWND child) { ShowWindow(child, SW_HIDE); },
                  "Text_M_Loc: visibility differs"},
        DriftCase{"checkMark", "Check_Sauve",
                  [](HWND child) { SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0); },
                  "Check_Sauve: check mark differs"},
        DriftCase{"listItem", "Comb_M_NS",
                  [](HWND child) {
                    SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Est"));
                  },
                  "Comb_M_NS: lists \"Nord\" \"Sud\" \"Est\" "},
        DriftCase{"labelCaption", "LabelDistance",
                  [](HWND child) { SetWindowTextW(child, L"Distance: 1 Km"); },
                  "LabelDistance: shows \"Distance: 1 Km\""},
        DriftCase{"focus", "Text_S_Loc", [](HWND) { SetFocus(nullptr); },
                  "the focus in no control, the model's in Text_S_Loc"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel::scenarios
