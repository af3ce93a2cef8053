#include "window/model/controls.hpp"

#include <algorithm>
#include <optional>

#include "window/model/code_page.hpp"

namespace tarvel {
namespace {

bool isControlCode(std::int16_t code) {
  return (code > 0 && code < 32) || code == 127;
}

// A typed key in an editable text, field or combo box: Backspace deletes before the caret and a
// character of the page is inserted; the answer is whether the text changed. A swallowed key,
// Enter and the other control codes insert nothing, and get no answer.
std::optional<bool> typeInto(EditBuffer& buffer, std::int16_t key) {
  if (key == key::kBackspace) return buffer.backspace();
  if (key >= 32 && key <= 255 && !isControlCode(key))
    return buffer.insert(cp1252::toUnicode(static_cast<std::uint8_t>(key)));
  return std::nullopt;
}

}  // namespace

Control::Control(ControlOwner& owner, ControlKind kind, std::string_view name, int index)
    : owner_(owner),
      design_(design::of(name, index)),
      enabled_(design_.enabled),
      visible_(design_.visible) {
  if (design_.kind != kind) std::abort();
  owner.enrol(*this);
}

std::string Control::fullName() const {
  std::string name{design_.name};
  if (design_.index >= 0) name += "(" + std::to_string(design_.index) + ")";
  return name;
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed();
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  changed();
}

bool Control::takesFocus() const {
  switch (kind()) {
    case ControlKind::PushButton:
    case ControlKind::TextField:
    case ControlKind::ComboBox:
    case ControlKind::CheckBox:
      return enabled_ && visible_;
    default:
      return false;
  }
}

void Control::changed() {
  owner_.report(*this);
}

bool PushButton::click() {
  if (!enabled() || !visible()) return false;
  if (!owner().ended() && onClick) onClick();
  return true;
}

TextField::TextField(ControlOwner& owner, std::string_view name)
    : ControlOf(owner, name), buffer_(static_cast<std::size_t>(design().maxLength)) {
  buffer_.assign(design().text);
}

void TextField::afterEdit(bool textChanged) {
  changed();  // the caret may have moved even when the text did not
  if (textChanged && onChange) onChange();
}

void TextField::setText(std::string_view text) {
  if (text == buffer_.text()) return;
  afterEdit(buffer_.assign(text));
}

KeyOutcome TextField::typeKey(std::int16_t code) {
  if (owner().ended()) return KeyOutcome::Applied;
  std::int16_t key = code;
  if (onKeyPress) onKeyPress(key);
  if (owner().ended()) return KeyOutcome::Applied;
  if (key == code && isControlCode(key) && key != key::kBackspace && key != key::kEnter) {
    return KeyOutcome::LeftToWidget;
  }
  applyKey(key);
  return KeyOutcome::Applied;
}

void TextField::applyKey(std::int16_t key) {
  if (const auto textChanged = typeInto(buffer_, key)) afterEdit(*textChanged);
}

void TextField::pressKey(EditKey key) {
  if (!owner().ended()) afterEdit(buffer_.apply(key));
}

void TextField::paste(std::string_view text) {
  if (!owner().ended()) afterEdit(buffer_.paste(text));
}

void TextField::editedByUser(std::string_view text, std::size_t caret) {
  if (owner().ended()) return;
  const bool textChanged = buffer_.assign(firstLine(text));
  buffer_.select(caret, 0);
  afterEdit(textChanged);
}

void TextField::select(std::size_t start, std::size_t length) {
  buffer_.select(start, length);
}

ComboBox::ComboBox(ControlOwner& owner, std::string_view name) : ControlOf(owner, name) {
  buffer_.assign(design().text);
}

void ComboBox::gainedFocus() {
  buffer_.caretToEnd();
  if (onGotFocus) onGotFocus();
}

void ComboBox::afterEdit(bool textChanged) {
  if (textChanged) changed();
}

void ComboBox::setText(std::string_view text) {
  afterEdit(buffer_.assign(text));
}

void ComboBox::addItem(std::string_view item) {
  list_.emplace_back(item);
  changed();
}

void ComboBox::typeKey(std::int16_t code) {
  if (owner().ended()) return;
  if (const auto textChanged = typeInto(buffer_, code)) afterEdit(*textChanged);
}

void ComboBox::pressKey(EditKey key) {
  if (!owner().ended()) afterEdit(buffer_.apply(key));
}

void ComboBox::editedByUser(std::string_view text) {
  if (!owner().ended()) afterEdit(buffer_.assign(text));
}

bool ComboBox::pick(std::string_view item) {
  if (std::find(list_.begin(), list_.end(), item) == list_.end()) return false;
  editedByUser(item);
  return true;
}

void CheckBox::setValue(int value) {
  if (value_ == value) return;
  value_ = value;
  changed();
  if (onClick) onClick();
}

void CheckBox::click() {
  if (!owner().ended() && enabled()) setValue(value_ == 0 ? 1 : 0);
}

void Label::setCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  changed();
}

void Label::click() {
  if (!owner().ended() && onClick) onClick();
}

Line::Line(ControlOwner& owner, std::string_view name, int index)
    : ControlOf(owner, name, index), ends_(design().ends) {}

void Line::set(float& coordinate, float value) {
  if (coordinate == value) return;
  coordinate = value;
  changed();
}

void Timer::tick() {
  if (!owner().ended() && enabled() && onTick) onTick();
}

}  // namespace tarvel
