#include "tests/runner/qt/qt_backend.hpp"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "window/model/code_page.hpp"
#include "window/model/control_visit.hpp"
#include "window/qt/fonts.hpp"

namespace tarvel::scenarios {
namespace {

QString characterText(std::int16_t code) {
  const char32_t character = cp1252::toUnicode(static_cast<std::uint8_t>(code));
  return QString::fromUcs4(&character, 1);
}

// The key event a keyboard sends for a code: named keys for the control codes the window knows,
// Ctrl with its letter for the other control codes, the character itself otherwise.
void sendCharacter(QWidget& target, std::int16_t code) {
  Qt::Key key = Qt::Key_unknown;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  if (code == key::kBackspace) key = Qt::Key_Backspace;
  if (code == key::kEnter) key = Qt::Key_Return;
  if (code == key::kEscape) key = Qt::Key_Escape;
  if (key == Qt::Key_unknown && code >= 1 && code <= 26) {
    key = static_cast<Qt::Key>(Qt::Key_A + code - 1);
    modifiers = Qt::ControlModifier;
  }
  const QString text = code == 0 ? QString() : characterText(code);
  QTest::sendKeyEvent(QTest::KeyAction::Click, &target, key, text, modifiers);
}

Qt::Key qtKeyOf(EditKey key) {
  constexpr std::pair<EditKey, Qt::Key> kKeys[] = {{EditKey::Delete, Qt::Key_Delete},
                                                   {EditKey::Home, Qt::Key_Home},
                                                   {EditKey::End, Qt::Key_End},
                                                   {EditKey::Left, Qt::Key_Left},
                                                   {EditKey::Right, Qt::Key_Right}};
  for (const auto& [editing, qtKey] : kKeys) {
    if (editing == key) return qtKey;
  }
  return Qt::Key_unknown;
}

// Shift+F1 is F1 with Shift held.
Qt::Key qtKeyOf(FunctionKey key) {
  constexpr std::pair<FunctionKey, Qt::Key> kKeys[] = {{FunctionKey::F2, Qt::Key_F2},
                                                       {FunctionKey::F7, Qt::Key_F7},
                                                       {FunctionKey::F8, Qt::Key_F8}};
  for (const auto& [function, qtKey] : kKeys) {
    if (function == key) return qtKey;
  }
  return Qt::Key_F1;
}

}  // namespace

namespace {

// Without a display the widgets still run, off screen.
int& withPlatformChosen(int& argc) {
  const bool display =
      qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
  if (!display && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  return argc;
}

}  // namespace

QtBackend::QtBackend(int& argc, char** argv) : application_(withPlatformChosen(argc), argv) {
  qt::installFontSubstitutes();
}

// The widgets go before the application object they need.
QtBackend::~QtBackend() {
  destroy();
}

void QtBackend::load() {
  window_->Form_Load();
  view_->show();
  view_->activateWindow();
  if (!QTest::qWaitForWindowActive(view_.get())) (void)QTest::qWaitForWindowExposed(view_.get());
  window_->show();
}

void QtBackend::unload() {
  view_->close();
}

QWidget& QtBackend::widgetOf(const Control& control) {
  QWidget* widget = view_->widgetOf(control);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return *combo->lineEdit();
  return *widget;
}

// A field and a combo box both show their text in a line edit; it must be the model's.
std::string QtBackend::shownDifference() {
  if (!view_ || window_->ended()) return {};
  for (const Control* control : window_->controls()) {
    const auto edited =
        visit(*control, Overloaded{
                            [](const TextField& field) { return &field.text(); },
                            [](const ComboBox& box) { return &box.text(); },
                            [](const auto&) -> const std::string* { return nullptr; },
                        });
    if (!edited) continue;
    const std::string shown = static_cast<QLineEdit&>(widgetOf(*control)).text().toStdString();
    if (shown != *edited) return control->fullName() + ": shows \"" + shown + "\"";
  }
  return {};
}

// Keys go to the widget that has the focus, as on a keyboard.
void QtBackend::deliver(const Key& key) {
  Control* focused = window_->focused();
  if (!focused || window_->ended()) return;
  QWidget& target = widgetOf(*focused);
  switch (key.kind) {
    case Key::Kind::Character:
      sendCharacter(target, key.code);
      break;
    case Key::Kind::Editing:
      QTest::keyClick(&target, qtKeyOf(key.editing));
      break;
    case Key::Kind::Tab:
      QTest::keyClick(&target, Qt::Key_Tab);
      break;
    case Key::Kind::BackTab:
      QTest::keyClick(&target, Qt::Key_Backtab, Qt::ShiftModifier);
      break;
    case Key::Kind::Function:
      QTest::keyClick(&target, qtKeyOf(key.function),
                      key.function == FunctionKey::ShiftF1 ? Qt::ShiftModifier : Qt::NoModifier);
      break;
  }
}

// What the context menu's Paste does.
void QtBackend::paste(TextField& field, std::string_view text) {
  focus(field);
  QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), text.size()));
  static_cast<QLineEdit&>(widgetOf(field)).paste();
}

void QtBackend::focus(Control& control) {
  QWidget& widget = widgetOf(control);
  widget.setFocus(Qt::MouseFocusReason);
  // Without an active window Qt only records the focus: the model hears of it here.
  window_->setFocus(control);
}

bool QtBackend::pick(ComboBox& box, std::string_view item) {
  focus(box);
  auto* combo = static_cast<QComboBox*>(view_->widgetOf(box));
  const int index = combo->findText(QString::fromUtf8(item.data(), item.size()));
  if (index < 0) return false;
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  const QRect itemRect = list->visualRect(list->model()->index(index, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, itemRect.center());
  if (combo->view()->isVisible()) combo->hidePopup();
  return true;
}

bool QtBackend::click(Control& control) {
  QWidget* widget = view_->widgetOf(control);
  if (!widget || !widget->isEnabled() || !widget->isVisible()) return false;
  QTest::mouseClick(widget, Qt::LeftButton);
  return true;
}

}  // namespace tarvel::scenarios
