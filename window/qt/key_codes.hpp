#pragma once

#include <cstdint>
#include <optional>

#include "window/model/controls.hpp"

class QKeyEvent;

namespace tarvel::qt {

enum class FocusMove { None, Forward, Backward };

FocusMove focusMoveOf(const QKeyEvent& event);

// The window's function key a key press is (F1, F2, Shift+F1; with no other modifier), or none.
std::optional<FunctionKey> functionKeyOf(const QKeyEvent& event);

// The Windows-1252 code of the character a key press produces (63 for a character outside the
// page), or none for a key that produces no character (arrows, Home, Delete, function keys).
std::optional<std::int16_t> characterCode(const QKeyEvent& event);

}  // namespace tarvel::qt
