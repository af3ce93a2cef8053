#include "window/qt/window_view.hpp"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <iterator>

#include "window/model/code_page.hpp"
#include "window/model/control_visit.hpp"
#include "window/qt/antenna_accessible.hpp"
#include "window/qt/canvas.hpp"
#include "window/qt/design_values.hpp"
#include "window/qt/field_accessible.hpp"
#include "window/qt/field_edit.hpp"
#include "window/qt/focus_frame.hpp"
#include "window/qt/fonts.hpp"
#include "window/qt/key_codes.hpp"
#include "window/qt/rose_accessible.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::qt {
namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Positions in the model count characters; Qt counts UTF-16 units. Both agree for the page's
// characters, which are all the fields can hold through typing.
void showBuffer(QLineEdit& edit, const EditBuffer& buffer, int maxLength) {
  const QString text = toQString(buffer.text());
  // A text set by the program may be longer than the user may type.
  edit.setMaxLength(std::max(maxLength > 0 ? maxLength : 32767, static_cast<int>(text.size())));
  if (edit.text() != text) edit.setText(text);
  const int start = static_cast<int>(buffer.selectionStart());
  const int length = static_cast<int>(buffer.selectionLength());
  if (length > 0) {
    edit.setSelection(start, length);
  } else {
    edit.setCursorPosition(static_cast<int>(buffer.caret()));
  }
}

void setColours(QWidget& widget, const ControlDesign& design) {
  QPalette palette = widget.palette();
  if (design.foreground) {
    palette.setColor(QPalette::WindowText, toColor(*design.foreground));
    palette.setColor(QPalette::Text, toColor(*design.foreground));
  }
  // A check box's colour is the ground around its box; the box itself keeps the field colour.
  if (design.background && design.kind != ControlKind::CheckBox)
    palette.setColor(QPalette::Base, toColor(*design.background));
  if (design.background) palette.setColor(QPalette::Window, toColor(*design.background));
  widget.setPalette(palette);
}

// Labels first, so that the inputs lie above them.
constexpr int kLabelLayer = 0;
constexpr int kInputLayer = 1;

int layerOf(const Control& control) {
  return visit(control, Overloaded{[](const Label&) { return kLabelLayer; },
                                   [](const auto&) { return kInputLayer; }});
}

// A label is read by its caption, which a fixed name would hide, and Qt's bridge on Linux reads a
// combo box's name as its text: each has a label of its own for its purpose.
bool namedByDesign(const Control& control) {
  return visit(control,
               Overloaded{[](const Label&) { return false; }, [](const ComboBox&) { return false; },
                          [](const auto&) { return true; }});
}

void display(QWidget& widget, const TextField& field) {
  showBuffer(static_cast<QLineEdit&>(widget), field.buffer(), field.design().maxLength);
}

void display(QWidget& widget, const ComboBox& box) {
  auto& combo = static_cast<QComboBox&>(widget);
  if (combo.count() != static_cast<int>(box.list().size())) {
    combo.clear();
    for (const auto& item : box.list())
      combo.addItem(toQString(item));
  }
  if (combo.currentText() != toQString(box.text())) combo.setEditText(toQString(box.text()));
}

void display(QWidget& widget, const CheckBox& box) {
  static_cast<QCheckBox&>(widget).setChecked(box.value() == 1);
}

void display(QWidget& widget, const Label& label) {
  static_cast<QLabel&>(widget).setText(toQString(label.caption()));
}

void display(QWidget&, const PushButton&) {}  // its caption never changes

// Read as a frame, the window's title is spoken as such and the reader's title key finds it.
QAccessibleInterface* frameFor(const QString&, QObject* object) {
  if (auto* view = dynamic_cast<WindowView*>(object))
    return new QAccessibleWidget(view, QAccessible::Window);
  return nullptr;
}

// What a tool writes ends at its first line break, as a paste does.
QString firstLine(const QString& text) {
  const auto end = std::find_if(text.begin(), text.end(), [](QChar character) {
    return character == QLatin1Char('\r') || character == QLatin1Char('\n');
  });
  return text.first(end - text.begin());
}

}  // namespace

WindowView::WindowView(WinDurOzirozador& window) : window_(window), notification_(*this) {
  setObjectName(toQString(design::kWindowName));
  setWindowTitle(toQString(design::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/tarvel.png")));
  setFixedSize(logical(design::kClientWidth), logical(design::kClientHeight));
  setFont(fontOf(design::kWindowFont));
  QAccessible::installFactory(&RoseAccessible::forObject);
  QAccessible::installFactory(&FieldAccessible::forObject);
  QAccessible::installFactory(&frameFor);
  QAccessible::installFactory(&AntennaAccessible::forObject);
  createWidgets();
  clockTimer_.setInterval(window_.Timer1.interval());
  connect(&clockTimer_, &QTimer::timeout, this, [this] { window_.Timer1.tick(); });
  clockTimer_.start();
}

// The children outlive this part of the view while they are destroyed: they must not reach a
// filter whose maps are gone.
WindowView::~WindowView() {
  for (const auto& [object, control] : watched_)
    object->removeEventFilter(this);
}

void WindowView::createWidgets() {
  canvas_ = new Canvas(window_, this);
  canvas_->setGeometry(rect());
  if (!window_.antennaReading().empty()) {
    antenna_ = new AntennaIndicator(window_, this);
    antenna_->setGeometry(logical(window_.Shape3.design().box));
  }
  // Created in this order, the labels lie above the drawing and the inputs above the labels; the
  // inputs come in Tab order.
  std::vector<Control*> order;
  const auto onLayer = [](int layer) {
    return [layer](const Control* control) { return layerOf(*control) == layer; };
  };
  std::ranges::copy_if(window_.controls(), std::back_inserter(order), onLayer(kLabelLayer));
  std::ranges::copy_if(window_.byTabIndex(), std::back_inserter(order), onLayer(kInputLayer));
  QWidget* previous = nullptr;
  for (Control* control : order) {
    QWidget* widget = createWidget(*control);
    if (!widget) continue;
    widgets_[control] = widget;
    if (layerOf(*control) != kInputLayer) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
  focusFrame_ = new FocusFrame(this);
  for (const auto& [control, widget] : widgets_)
    sync(*control);
}

// Lines, shapes and the timer have no widget: the canvas draws the first two.
QWidget* WindowView::createWidget(Control& control) {
  QWidget* widget = visit(control, Overloaded{
                                       [this](PushButton& button) { return createButton(button); },
                                       [this](TextField& field) { return createField(field); },
                                       [this](ComboBox& box) { return createCombo(box); },
                                       [this](CheckBox& box) { return createCheckBox(box); },
                                       [this](Label& label) { return createLabel(label); },
                                       [](auto&) -> QWidget* { return nullptr; },
                                   });
  if (widget) place(*widget, control);
  return widget;
}

void WindowView::place(QWidget& widget, const Control& control) {
  const ControlDesign& design = control.design();
  widget.setGeometry(logical(design.box));
  if (design.font) widget.setFont(fontOf(*design.font));
  setColours(widget, design);
  if (namedByDesign(control)) widget.setAccessibleName(toQString(design.accessibleName));
  widget.setObjectName(QString::fromStdString(control.fullName()));
}

void WindowView::watch(QObject& object, Control& control) {
  watched_[&object] = &control;
  object.installEventFilter(this);
}

QWidget* WindowView::createButton(PushButton& button) {
  auto* widget = new QPushButton(toQString(button.caption()), this);
  connect(widget, &QPushButton::clicked, this, [&button] { button.click(); });
  watch(*widget, button);
  return widget;
}

QWidget* WindowView::createField(TextField& field) {
  auto* edit = new FieldEdit(this);
  edit->setFrame(true);
  edit->onOutsideEdit = [this, &field](const OutsideEdit& outside) {
    typeFromOutside(field, outside);
  };
  if (field.design().alignment == Alignment::Center) edit->setAlignment(Qt::AlignCenter);
  connect(edit, &QLineEdit::textEdited, this, [&field, edit](const QString& text) {
    field.editedByUser(text.toStdString(), static_cast<std::size_t>(edit->cursorPosition()));
  });
  watch(*edit, field);
  return edit;
}

QWidget* WindowView::createCombo(ComboBox& box) {
  auto* combo = new QComboBox(this);
  combo->setEditable(true);
  auto* edit = new FieldEdit(combo);
  combo->setLineEdit(edit);
  edit->onOutsideEdit = [&box, edit](const OutsideEdit& outside) {
    if (!box.enabled()) return;
    QString text = edit->text();
    text.replace(outside.start, outside.end - outside.start, outside.text);
    box.editedByUser(firstLine(text).toStdString());
  };
  combo->setInsertPolicy(QComboBox::NoInsert);
  // The box keeps what was typed: "nord" is no hemisphere. Qt's default completer would finish
  // "n" into "nord" and, on Enter, match it to the item "Nord" whatever the case.
  combo->setCompleter(nullptr);
  connect(combo->lineEdit(), &QLineEdit::textEdited, this,
          [&box](const QString& text) { box.editedByUser(text.toStdString()); });
  connect(combo, &QComboBox::activated, this,
          [&box, combo](int index) { box.pick(combo->itemText(index).toStdString()); });
  watch(*combo, box);
  watch(*combo->lineEdit(), box);
  // Unseen, the label only gives the box its purpose, through the relation Orca reads.
  auto* purpose = new QLabel(toQString(box.design().accessibleName), this);
  purpose->setBuddy(combo);
  purpose->hide();
  return combo;
}

QWidget* WindowView::createCheckBox(CheckBox& box) {
  auto* widget = new QCheckBox(this);
  widget->setAutoFillBackground(true);
  connect(widget, &QCheckBox::clicked, this, [&box] { box.click(); });
  watch(*widget, box);
  return widget;
}

QWidget* WindowView::createLabel(Label& control) {
  auto* label = new QLabel(this);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAlignment(control.design().alignment == Alignment::Center
                          ? Qt::AlignHCenter | Qt::AlignTop
                          : Qt::AlignLeft | Qt::AlignTop);
  watch(*label, control);
  return label;
}

void WindowView::sync(const Control& control) {
  visit(control, Overloaded{
                     [this](const Line&) { canvas_->update(); },
                     [this](const Shape&) { canvas_->update(); },
                     [](const Timer&) {},
                     [this](const auto& shown) {
                       QWidget* widget = widgetOf(shown);
                       if (!widget) return;  // not created yet
                       const QSignalBlocker blocker(widget);
                       widget->setEnabled(shown.enabled());
                       widget->setVisible(shown.visible());
                       display(*widget, shown);
                     },
                 });
}

void WindowView::giveFocus(const Control& control) {
  if (QWidget* widget = widgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
}

// The rose's value changed: without a screen reader the sweep does no more than before.
void WindowView::bearingShown(std::optional<int> bearing) {
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(canvas_, bearing ? QVariant(*bearing) : QVariant());
  QAccessible::updateAccessibility(&event);
}

void WindowView::antennaShown(std::optional<int>) {
  canvas_->update();
  if (antenna_) antenna_->changed();
}

void WindowView::announce(std::string_view sentence) {
  notification_.show(toQString(sentence));
}

void WindowView::paintNow() {
  canvas_->repaint();
}

void WindowView::stopClock() {
  clockTimer_.stop();
}

QWidget* WindowView::widgetOf(const Control& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

long WindowView::drawingPaints() const {
  return canvas_->paints();
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  const auto found = watched_.find(watched);
  if (found == watched_.end() || window_.ended()) return QWidget::eventFilter(watched, event);
  Control& control = *found->second;
  switch (event->type()) {
    case QEvent::FocusIn:
      focusFrame_->surround(*widgetOf(control));
      window_.setFocus(control);
      break;
    case QEvent::KeyPress:
      return keyPressed(control, static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonRelease:
      visit(control, Overloaded{[](Label& label) { label.click(); }, [](auto&) {}});
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool WindowView::keyPressed(Control& control, QKeyEvent& event) {
  if (const auto function = functionKeyOf(event)) {
    window_.functionKey(*function);
    return true;
  }
  const FocusMove move = focusMoveOf(event);
  if (move != FocusMove::None) {
    window_.tab(move == FocusMove::Forward);
    return true;
  }
  // A combo box edits its text itself.
  return visit(control, Overloaded{
                            [this, &event](TextField& field) {
                              auto& edit = static_cast<QLineEdit&>(*widgetOf(field));
                              return fieldKeyPressed(field, edit, event);
                            },
                            [](auto&) { return false; },
                        });
}

bool WindowView::fieldKeyPressed(TextField& field, QLineEdit& edit, QKeyEvent& event) {
  const auto code = characterCode(event);
  if (!code) return false;
  // The user may have moved the caret or selected with the widget's own keys or the mouse.
  if (edit.hasSelectedText()) {
    field.select(static_cast<std::size_t>(edit.selectionStart()),
                 static_cast<std::size_t>(edit.selectedText().size()));
  } else {
    field.select(static_cast<std::size_t>(edit.cursorPosition()), 0);
  }
  const KeyOutcome outcome = field.typeKey(*code);
  if (outcome == KeyOutcome::LeftToWidget) return false;
  if (!window_.ended()) sync(field);
  return true;
}

// A tool's edit is typed as the user types, so that the lock, the key filter and its refusal,
// the range check, the hooks and the trigger judge it as they judge the keyboard: the selection
// it replaces, then each character of its first line, or Delete when it only removes text.
void WindowView::typeFromOutside(TextField& field, const OutsideEdit& edit) {
  if (window_.ended() || !field.enabled()) return;
  const auto start = static_cast<std::size_t>(edit.start);
  field.select(start, static_cast<std::size_t>(edit.end) - start);
  const QList<uint> characters = firstLine(edit.text).toUcs4();
  if (characters.isEmpty() && edit.end > edit.start) field.pressKey(EditKey::Delete);
  for (const uint character : characters) {
    field.typeKey(cp1252::fromUnicode(static_cast<char32_t>(character)));
    if (window_.ended()) return;
  }
  sync(field);
}

void WindowView::closeEvent(QCloseEvent* event) {
  if (!window_.ended()) {
    int cancel = 0;
    window_.Form_Unload(cancel);
  }
  event->accept();
}

}  // namespace tarvel::qt
