#include "window/qt/key_codes.hpp"

#include <QKeyEvent>

#include "window/model/code_page.hpp"

namespace tarvel::qt {

FocusMove focusMoveOf(const QKeyEvent& event) {
  const bool otherModifier = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (otherModifier) return FocusMove::None;
  if (event.key() == Qt::Key_Backtab) return FocusMove::Backward;
  if (event.key() != Qt::Key_Tab) return FocusMove::None;
  return event.modifiers() & Qt::ShiftModifier ? FocusMove::Backward : FocusMove::Forward;
}

std::optional<FunctionKey> functionKeyOf(const QKeyEvent& event) {
  struct Binding {
    int key;
    Qt::KeyboardModifiers modifiers;
    FunctionKey function;
  };
  static constexpr Binding kBindings[] = {
      {Qt::Key_F1, Qt::NoModifier, FunctionKey::F1},
      {Qt::Key_F1, Qt::ShiftModifier, FunctionKey::ShiftF1},
      {Qt::Key_F2, Qt::NoModifier, FunctionKey::F2},
      {Qt::Key_F7, Qt::NoModifier, FunctionKey::F7},
      {Qt::Key_F8, Qt::NoModifier, FunctionKey::F8},
  };
  for (const Binding& binding : kBindings) {
    if (event.key() == binding.key && event.modifiers() == binding.modifiers)
      return binding.function;
  }
  return std::nullopt;
}

std::optional<std::int16_t> characterCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return key::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return key::kEnter;
    case Qt::Key_Escape:
      return key::kEscape;
    default:
      break;
  }
  // Ctrl with a letter is the letter's control code, as on Windows, whatever text the platform
  // attaches to it (none, the control character or the letter itself).
  const bool control =
      (event.modifiers() & Qt::ControlModifier) && !(event.modifiers() & Qt::AltModifier);
  if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
    return static_cast<std::int16_t>(event.key() - Qt::Key_A + 1);
  const QList<uint> characters = event.text().toUcs4();
  if (!characters.isEmpty()) return cp1252::fromUnicode(static_cast<char32_t>(characters.front()));
  return std::nullopt;
}

}  // namespace tarvel::qt
