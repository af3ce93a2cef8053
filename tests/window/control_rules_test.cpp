// The rules the handlers rely on: nested change events, the check box's click, key replacement,
// modal message boxes, and the editing of a field.
#include <string>
#include <vector>

#include "tests/runner/key_text.hpp"
#include "tests/window/window_fixture.hpp"

namespace tarvel {
namespace {

using ControlRulesTest = WindowTest;

TEST_F(ControlRulesTest, TextSetFromCodeRaisesChangeNestedBeforeTheSetterReturns) {
  std::vector<std::string> events;
  window.Text_M_Lat_Deg.onChange = [&] {
    events.push_back("outer begins");
    window.Text_M_Lat_Min.setText("7");
    events.push_back("outer ends with " + window.Text_M_Lat_Min.text());
  };
  window.Text_M_Lat_Min.onChange = [&] {
    events.push_back("inner " + window.Text_M_Lat_Min.text());
  };

  window.Text_M_Lat_Deg.setText("4");
  events.push_back("setter returned");

  EXPECT_EQ(events, (std::vector<std::string>{"outer begins", "inner 7", "outer ends with 7",
                                              "setter returned"}));
}

TEST_F(ControlRulesTest, UnchangedTextOrValueRaisesNothing) {
  int changes = 0, clicks = 0;
  window.Text_S_Lat_Deg.onChange = [&] { ++changes; };
  window.Check_Sauve.onClick = [&] { ++clicks; };

  window.Text_S_Lat_Deg.setText("");
  window.Check_Sauve.setValue(0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(clicks, 0);

  window.Text_S_Lat_Deg.setText("12");
  window.Text_S_Lat_Deg.setText("12");
  window.Check_Sauve.setValue(1);
  window.Check_Sauve.setValue(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlRulesTest, CheckBoxValueFromCodeRaisesItsClickWithTheNewValue) {
  std::vector<int> seen;
  window.Check_Sauve.onClick = [&] { seen.push_back(window.Check_Sauve.value()); };
  window.Check_Sauve.setValue(1);
  window.Check_Sauve.click();
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

struct KeyCase {
  const char* name;
  std::int16_t typed;
  std::int16_t replacement;  // what the handler hands back
  const char* textAfter;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << "code " << c.typed << " typed, " << c.replacement
      << " handed back: " << ::testing::PrintToString(std::string(c.textAfter));
}

class KeyPressTest : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPressTest, HandlerSeesTheCodeAndItsReplacementIsApplied) {
  const KeyCase& c = GetParam();
  TextField& field = window.Text_S_Loc;
  window.Text_S_Loc.onChange = nullptr;
  field.setText("AB");
  window.setFocus(field);
  std::vector<std::int16_t> seen;
  field.onKeyPress = [&](std::int16_t& key) {
    seen.push_back(key);
    key = c.replacement;
  };
  field.typeKey(c.typed);
  EXPECT_EQ(seen, std::vector<std::int16_t>{c.typed});
  EXPECT_EQ(field.text(), c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPressTest,
    ::testing::Values(KeyCase{"kept", 'c', 'c', "ABc"}, KeyCase{"replaced", 'c', 'D', "ABD"},
                      KeyCase{"swallowed", 'c', 0, "AB"}, KeyCase{"toBackspace", 'c', 8, "A"},
                      KeyCase{"enterInsertsNothing", 13, 13, "AB"},
                      KeyCase{"eAcuteCode", 'e', 233, "ABé"}, KeyCase{"euroCode", 'e', 128, "AB€"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlRulesTest, KeysWithoutCharacterNeverReachTheHandler) {
  TextField& field = window.Text_S_Lat_Deg;
  field.setText("123");
  window.setFocus(field);
  int calls = 0;
  field.onKeyPress = [&](std::int16_t&) { ++calls; };
  field.pressKey(EditKey::Home);
  field.pressKey(EditKey::Delete);
  field.pressKey(EditKey::End);
  field.pressKey(EditKey::Left);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(field.text(), "23");
}

TEST(TypedCharacters, ArriveAsTheirWindows1252Codes) {
  const auto keys = scenarios::keysOf("aé€Ω{C:255}{Enter}", 1);
  std::vector<std::int16_t> codes;
  for (const auto& key : keys)
    codes.push_back(key.code);
  EXPECT_EQ(codes, (std::vector<std::int16_t>{97, 233, 128, 63, 255, 13}));
}

TEST_F(ControlRulesTest, MaximumLengthLimitsTypingAndPastingButNotCode) {
  TextField& field = window.Text_M_Lat_Min;  // two characters at most
  window.setFocus(field);
  field.onKeyPress = nullptr;
  field.onChange = nullptr;
  field.typeKey('1');
  field.typeKey('2');
  field.typeKey('3');
  EXPECT_EQ(field.text(), "12");
  field.setText("");
  field.paste("9876");
  EXPECT_EQ(field.text(), "98");
  field.setText("12345");
  EXPECT_EQ(field.text(), "12345");
}

// The handler that shows a message box goes on only once OK is pressed: while the box is open,
// the labels it writes afterwards still show their old captions.
TEST_F(ControlRulesTest, MessageBoxIsModal) {
  std::vector<std::string> distanceWhileOpen;
  platform.onMessage = [&](const RecordedMessage&) {
    distanceWhileOpen.push_back(window.LabelDistance.caption());
  };
  window.setFocus(window.Text_S_Loc);
  for (const char c : std::string("JN23AY"))
    window.Text_S_Loc.typeKey(c);
  // The check's message, then the one that says my station has no position yet.
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(distanceWhileOpen, (std::vector<std::string>{"Distance : ", "Distance : "}));
  EXPECT_EQ(window.LabelDistance.caption(), "Distance: 0 Km");
}

TEST_F(ControlRulesTest, NothingIsHandledOnceTheWindowHasEnded) {
  int cancel = 0;
  window.Form_Unload(cancel);
  EXPECT_EQ(cancel, 0);
  EXPECT_TRUE(platform.programEnded);
  window.Timer1.tick();
  window.Text_S_Loc.typeKey('J');
  EXPECT_EQ(window.LabHeure.caption(), "00:00:00");
  EXPECT_EQ(window.Text_S_Loc.text(), "");
}

}  // namespace
}  // namespace tarvel
