// What only the Win32 binding does with keys: WM_CHAR's UTF-16 to the page's codes, the model's
// key handler before the edit control, the maximum lengths, Ctrl+V, the change rule against
// EN_CHANGE, and a combo box that keeps what was typed.
#include <cstring>

#include "tests/win32/view_fixture.hpp"

namespace tarvel::win32 {
namespace {

struct TypingCase {
  const char* name;
  const char* field;
  const wchar_t* typed;  // as WM_CHAR brings it: UTF-16 units
  const char* shown;     // UTF-8
};

void PrintTo(const TypingCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.typed)) << " typed into " << c.field << " shows "
      << ::testing::PrintToString(std::string(c.shown));
}

class TypingTest : public ViewTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, CharactersGoThroughTheModelsKeyHandler) {
  const TypingCase& c = GetParam();
  const Control& field = *window.find(c.field);
  focus(field);
  typeUnits(c.typed);
  EXPECT_EQ(shown(field), c.shown);
  EXPECT_EQ(static_cast<const TextField&>(field).text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Mapping, TypingTest,
    ::testing::Values(TypingCase{"upperCase", "Text_M_Loc", L"jn23ab", "JN23AB"},
                      TypingCase{"eAcute", "Text_M_Loc", L"\u00e9", "\u00c9"},
                      // Every code above 90 moves down 32: the euro sign's 128 becomes 96.
                      TypingCase{"euro", "Text_M_Loc", L"\u20ac", "`"},
                      TypingCase{"outsideThePage", "Text_M_Loc", L"\u03a9", "?"},
                      // Two UTF-16 units, one character: one question mark.
                      TypingCase{"beyondTheFirstPlane", "Text_M_Loc", L"\U0001F4E1", "?"},
                      TypingCase{"digitInCoordinate", "Text_S_Lat_Min", L"4", "4"},
                      TypingCase{"letterInCoordinateRefused", "Text_S_Lat_Min", L"4x", ""},
                      TypingCase{"lonDegreesFull", "Text_M_Lon_Deg", L"1234", "123"},
                      TypingCase{"locatorFull", "Text_S_Loc", L"jn2", "JN2"}),
    [](const auto& info) { return std::string(info.param.name); });

void putOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

struct LengthCase {
  const char* field;
  int maxLength;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
  *os << c.field << " holds " << c.maxLength << " characters";
}

class MaximumLengthTest : public ViewTest, public ::testing::WithParamInterface<LengthCase> {};

// EM_LIMITTEXT holds what bypasses the key handler: a paste from the context menu.
TEST_P(MaximumLengthTest, EditControlCutsAPasteToTheDesignsLength) {
  const Control& field = *window.find(GetParam().field);
  EXPECT_EQ(SendMessageW(child(field), EM_GETLIMITTEXT, 0, 0), GetParam().maxLength);
  focus(field);
  putOnClipboard(view.handle(), L"1111111111");
  PostMessageW(child(field), WM_PASTE, 0, 0);
  pump();
  EXPECT_EQ(shown(field).size(), static_cast<std::size_t>(GetParam().maxLength));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MaximumLengthTest,
    ::testing::Values(LengthCase{"Text_M_Lon_Deg", 3}, LengthCase{"Text_M_Lon_Min", 2},
                      LengthCase{"Text_M_Lon_Sec", 2}, LengthCase{"Text_M_Lat_Deg", 2},
                      LengthCase{"Text_M_Lat_Min", 2}, LengthCase{"Text_M_Lat_Sec", 2},
                      LengthCase{"Text_S_Lon_Deg", 3}, LengthCase{"Text_S_Lon_Min", 2},
                      LengthCase{"Text_S_Lon_Sec", 2}, LengthCase{"Text_S_Lat_Deg", 2},
                      LengthCase{"Text_S_Lat_Min", 2}, LengthCase{"Text_S_Lat_Sec", 2},
                      LengthCase{"Text_M_Loc", 6}, LengthCase{"Text_S_Loc", 6}),
    [](const auto& info) { return std::string(info.param.field); });

TEST_F(ViewTest, CtrlVInACoordinateFieldIsRefusedAndPastesNothing) {
  putOnClipboard(view.handle(), L"12");
  focus(window.Text_M_Lat_Deg);
  typeUnits(L"\x16");
  EXPECT_EQ(shown(window.Text_M_Lat_Deg), "");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "erreur : chiffre uniquement.");
}

// The locator's key handler leaves Ctrl+V to the edit control, whose paste comes back through
// EN_CHANGE to the change handler.
TEST_F(ViewTest, CtrlVInTheLocatorFieldPastesThroughTheChangeHandler) {
  window.Text_M_Loc.setText("JN23MH");
  window.Com_M_Click();
  putOnClipboard(view.handle(), L"JN23AB");
  focus(window.Text_S_Loc);
  typeUnits(L"\x16");
  EXPECT_EQ(shown(window.Text_S_Loc), "JN23AB");
  EXPECT_EQ(window.Text_S_Loc.text(), "JN23AB");
  EXPECT_EQ(window.LabelDistance.caption(), "Distance: 86 Km");
}

TEST_F(ViewTest, ShiftInsertPasteReachesTheChangeHandler) {
  int changes = 0;
  window.Text_S_Lat_Sec.onChange = [&] { ++changes; };
  putOnClipboard(view.handle(), L"3");
  focus(window.Text_S_Lat_Sec);
  pressShifted(VK_INSERT);
  EXPECT_EQ(window.Text_S_Lat_Sec.text(), "3");
  EXPECT_EQ(changes, 1);
}

// EN_CHANGE follows WM_SETTEXT in a one-line field: the binding's own writes raise nothing more.
TEST_F(ViewTest, TextSetFromCodeRaisesTheChangeHandlerOnce) {
  int changes = 0;
  window.Text_M_Loc.onChange = [&] { ++changes; };
  window.Text_M_Loc.setText("JN23");
  pump();
  window.Text_M_Loc.setText("JN23");
  pump();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(shown(window.Text_M_Loc), "JN23");
}

// Enter goes past the dialog navigation, which would take it for a default button, to the key
// handler, which clears the correspondent.
TEST_F(ViewTest, EnterReachesTheLocatorsKeyHandler) {
  window.Text_S_Lat_Deg.setText("45");
  focus(window.Text_S_Loc);
  pressKey(VK_RETURN);
  EXPECT_EQ(shown(window.Text_S_Lat_Deg), "");
  EXPECT_EQ(focusedName(), "Text_S_Loc");
}

// Escape goes past the dialog navigation, which would take it for a cancel button, to the key
// handler.
TEST_F(ViewTest, EscapeInACoordinateFieldIsRefusedAndClosesNothing) {
  focus(window.Text_M_Lon_Sec);
  pressKey(VK_ESCAPE);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "erreur : chiffre uniquement.");
  EXPECT_FALSE(window.ended());
  EXPECT_TRUE(IsWindowVisible(view.handle()));
}

// Neither the drop-down nor its closing matches the typed text against the list.
TEST_F(ViewTest, ComboBoxKeepsWhatWasTyped) {
  focus(window.Comb_M_NS);
  SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
  typeUnits(L"no");
  EXPECT_EQ(shown(window.Comb_M_NS), "no");
  SendMessageW(child(window.Comb_M_NS), CB_SHOWDROPDOWN, TRUE, 0);
  pump();
  SendMessageW(child(window.Comb_M_NS), CB_SHOWDROPDOWN, FALSE, 0);
  pump();
  EXPECT_EQ(shown(window.Comb_M_NS), "no");
  EXPECT_EQ(window.Comb_M_NS.text(), "no");
}

}  // namespace
}  // namespace tarvel::win32
