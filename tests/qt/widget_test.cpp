// What only the binding does: key events through the filter, the change rule on real widgets,
// real message boxes, the Tab key, the focus at open and the repainted sweep.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "tests/runner/qt/qt_backend.hpp"
#include "tests/support/tab_stops.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/qt/fonts.hpp"

namespace tarvel {
namespace {

class WidgetTest : public ::testing::Test {
 protected:
  WidgetTest() {
    platform.folders = {folder.path(), folder.path() / "user"};
    platform.attach(view);
    window.Form_Load();
    view.show();
    (void)QTest::qWaitForWindowExposed(&view);
    view.activateWindow();
    window.show();
  }
  QLineEdit& edit(const Control& control) {
    return *qobject_cast<QLineEdit*>(view.widgetOf(control));
  }
  void typeText(const Control& control, const QString& text) {
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::KeyAction::Click, &edit(control), Qt::Key_unknown, QString(c),
                          Qt::NoModifier);
  }

  test_support::TemporaryFolder folder;
  scenarios::ScriptedToolkitPlatform platform;
  WinDurOzirozador window{platform};
  qt::WindowView view{window};
};

struct TypingCase {
  const char* name;
  const char* field;
  const char* typed;  // UTF-8
  const char* shown;
};

void PrintTo(const TypingCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::string(c.typed)) << " typed into " << c.field << " shows "
      << ::testing::PrintToString(std::string(c.shown));
}

class TypingTest : public WidgetTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, KeyEventsGoThroughTheModelsKeyHandler) {
  const TypingCase& c = GetParam();
  Control& field = *window.find(c.field);
  edit(field).setFocus();
  typeText(field, QString::fromUtf8(c.typed));
  EXPECT_EQ(edit(field).text().toStdString(), c.shown);
  EXPECT_EQ(static_cast<TextField&>(field).text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Filter, TypingTest,
    ::testing::Values(TypingCase{"upperCase", "Text_M_Loc", "jn23ab", "JN23AB"},
                      TypingCase{"eAcute", "Text_M_Loc", "é", "É"},
                      // Every code above 90 moves down 32: the euro sign's 128 becomes 96.
                      TypingCase{"euro", "Text_M_Loc", "€", "`"},
                      TypingCase{"outsideThePage", "Text_M_Loc", "Ω", "?"},
                      TypingCase{"maximumLength", "Text_M_Lon_Deg", "1234", "123"},
                      TypingCase{"seventhNotTaken", "Text_S_Loc", "jn23", "JN23"}),
    [](const auto& info) { return std::string(info.param.name); });

// How the typing in a hemisphere box ends: Enter, Tab, a click into another field, or nothing.
enum class Leave { Stay, Enter, Tab, ClickElsewhere };

struct HemisphereCase {
  const char* name;
  const char* box;
  const char* typed;
  Leave leave;
};

void PrintTo(const HemisphereCase& c, std::ostream* os) {
  constexpr const char* kLeaves[] = {"staying", "Enter", "Tab", "a click elsewhere"};
  *os << ::testing::PrintToString(std::string(c.typed)) << " typed into " << c.box << ", then "
      << kLeaves[static_cast<int>(c.leave)];
}

class HemisphereTest : public WidgetTest, public ::testing::WithParamInterface<HemisphereCase> {
 protected:
  QComboBox& combo(const Control& control) {
    return *qobject_cast<QComboBox*>(view.widgetOf(control));
  }
};

// Regression: Qt's editable combo box completed "n" to "nord" and, on Enter or on leaving the box,
// matched "nord" to the item "Nord" regardless of case, so the typed word changed under the user.
TEST_P(HemisphereTest, KeepsExactlyWhatWasTyped) {
  const HemisphereCase& c = GetParam();
  auto& box = static_cast<ComboBox&>(*window.find(c.box));
  QLineEdit& line = *combo(box).lineEdit();
  line.setFocus(Qt::MouseFocusReason);
  line.selectAll();
  QTest::keyClick(&line, Qt::Key_Backspace);
  for (const QChar character : QString::fromUtf8(c.typed)) {
    QTest::sendKeyEvent(QTest::KeyAction::Click, &line, Qt::Key_unknown, QString(character),
                        Qt::NoModifier);
    // No inline completion: after each key the box holds the typed prefix and nothing selected.
    EXPECT_FALSE(line.hasSelectedText()) << "after " << QString(character).toStdString();
  }
  switch (c.leave) {
    case Leave::Stay:
      break;
    case Leave::Enter:
      QTest::keyClick(&line, Qt::Key_Return);
      break;
    case Leave::Tab:
      QTest::keyClick(&line, Qt::Key_Tab);
      EXPECT_NE(QApplication::focusWidget(), &line);
      break;
    case Leave::ClickElsewhere:
      QTest::mouseClick(&edit(window.Text_S_Lat_Deg), Qt::LeftButton);
      edit(window.Text_S_Lat_Deg).setFocus(Qt::MouseFocusReason);
      EXPECT_EQ(QApplication::focusWidget(), &edit(window.Text_S_Lat_Deg));
      break;
  }
  EXPECT_EQ(line.text().toStdString(), c.typed);
  EXPECT_EQ(combo(box).currentText().toStdString(), c.typed);
  EXPECT_EQ(box.text(), c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, HemisphereTest,
    ::testing::Values(HemisphereCase{"prefixNotCompleted", "Comb_M_NS", "N", Leave::Stay},
                      HemisphereCase{"lowerPrefixNotCompleted", "Comb_S_EO", "ou", Leave::Stay},
                      HemisphereCase{"lowerWordOnEnter", "Comb_M_NS", "nord", Leave::Enter},
                      HemisphereCase{"lowerWordOnTab", "Comb_M_EO", "est", Leave::Tab},
                      HemisphereCase{"upperWordOnClick", "Comb_S_EO", "EST", Leave::ClickElsewhere},
                      HemisphereCase{"mixedWordOnEnter", "Comb_S_NS", "sUD", Leave::Enter},
                      HemisphereCase{"prefixOnClick", "Comb_M_EO", "Oue", Leave::ClickElsewhere},
                      HemisphereCase{"exactWordOnEnter", "Comb_M_EO", "Ouest", Leave::Enter},
                      HemisphereCase{"exactWordOnTab", "Comb_S_NS", "Sud", Leave::Tab}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WidgetTest, CtrlVInACoordinateFieldIsRefusedAndPastesNothing) {
  QGuiApplication::clipboard()->setText(QStringLiteral("12"));
  edit(window.Text_M_Lat_Deg).setFocus();
  QTest::keyClick(&edit(window.Text_M_Lat_Deg), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit(window.Text_M_Lat_Deg).text(), QString());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "erreur : chiffre uniquement.");
}

TEST_F(WidgetTest, CtrlVInTheLocatorFieldPastesThroughTheChangeHandler) {
  window.Text_M_Loc.setText("JN23MH");
  window.Com_M_Click();
  QGuiApplication::clipboard()->setText(QStringLiteral("JN23AB"));
  edit(window.Text_S_Loc).setFocus();
  QTest::keyClick(&edit(window.Text_S_Loc), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window.Text_S_Loc.text(), "JN23AB");
  EXPECT_EQ(window.LabelDistance.caption(), "Distance: 86 Km");
}

TEST_F(WidgetTest, TextSetFromCodeRaisesTheChangeHandlerOnce) {
  int changes = 0;
  window.Text_S_Lat_Min.onChange = [&] { ++changes; };
  window.Text_S_Lat_Min.setText("5");
  window.Text_S_Lat_Min.setText("5");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit(window.Text_S_Lat_Min).text(), QStringLiteral("5"));
}

TEST_F(WidgetTest, FocusIsInTheCorrespondentsLocatorAtOpen) {
  EXPECT_EQ(QApplication::focusWidget(), &edit(window.Text_S_Loc));
}

TEST_F(WidgetTest, TabWalksTheDesignOrderAndShiftTabGoesBack) {
  const std::vector<std::string> expected(test_support::kTabStops.begin(),
                                          test_support::kTabStops.end());
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(window.focused()->fullName());
    QWidget* focus = QApplication::focusWidget();
    const QString name =
        focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName();
    EXPECT_EQ(name.toStdString(), visited.back());
  }
  EXPECT_EQ(visited, expected);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(window.focused()->fullName(), "Comhelp");
}

TEST_F(WidgetTest, EverySweepStepIsARealPaint) {
  window.Text_M_Loc.setText("JN23MH");
  window.Com_M_Click();
  const long before = view.drawingPaints();
  edit(window.Text_S_Loc).setFocus();
  typeText(window.Text_S_Loc, QStringLiteral("JN23AB"));
  ASSERT_EQ(window.Azimut, 252);
  EXPECT_GE(view.drawingPaints() - before, 253);
}

TEST_F(WidgetTest, ClosingDuringASweepEndsTheProgramCleanly) {
  window.Text_M_Loc.setText("JN23MH");
  window.Com_M_Click();
  int passes = 0;
  platform.onEventLoopPass = [&] {
    if (++passes == 5) view.close();
  };
  typeText(window.Text_S_Loc, QStringLiteral("JN23AB"));
  EXPECT_EQ(passes, 5);
  EXPECT_TRUE(platform.programEnded);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "SavLoc.ini"));
}

// The real platform, writing its settings into a folder of the test's.
class FolderedQtPlatform : public ToolkitPlatform {
 public:
  explicit FolderedQtPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::filesystem::path programFolder() override { return folder_; }

 private:
  std::filesystem::path folder_;
};

// Closing while a message box is open leaves every event loop, the box's included, and no
// handler touches a widget afterwards.
TEST(ClosingTest, WhileAMessageBoxIsOpenEndsTheEventLoops) {
  const test_support::TemporaryFolder folder;
  FolderedQtPlatform platform(folder.path());
  WinDurOzirozador window(platform);
  qt::WindowView view(window);
  platform.attach(view);
  window.Form_Load();
  view.show();
  window.show();
  bool boxWasOpen = false;
  QTimer::singleShot(0, &view, [&] { window.Comhelp.click(); });
  QTimer::singleShot(50, &view, [&] {
    boxWasOpen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
    view.close();
  });
  // Stops a hanging loop rather than the whole suite.
  QTimer::singleShot(5000, &view, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(boxWasOpen);
  EXPECT_TRUE(window.ended());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "SavLoc.ini"));
}

struct BoxCase {
  const char* name;
  MessageIcon icon;
  QMessageBox::Icon shown;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
  *os << "icon " << c.name << ", shown as QMessageBox::Icon " << static_cast<int>(c.shown);
}

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, IsModalWithItsCaptionIconAndLines) {
  ToolkitPlatform platform;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  platform.showMessage("ligne un\rligne deux", GetParam().icon, "Tarvel-V1.1");
  EXPECT_EQ(title, QStringLiteral("Tarvel-V1.1"));
  EXPECT_EQ(text, QStringLiteral("ligne un\nligne deux"));
  EXPECT_EQ(icon, GetParam().shown);
  EXPECT_EQ(buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, MessageBoxTest,
    ::testing::Values(BoxCase{"none", MessageIcon::None, QMessageBox::NoIcon},
                      BoxCase{"error", MessageIcon::Error, QMessageBox::Critical},
                      BoxCase{"exclamation", MessageIcon::Exclamation, QMessageBox::Warning}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  // Real widgets without a screen, also when CTest lists the tests at build time.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tarvel::qt::installFontSubstitutes();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
