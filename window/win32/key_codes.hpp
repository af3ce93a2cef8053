#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace tarvel::win32 {

// The Windows-1252 code of the character a WM_CHAR carries: control codes as they come (8
// Backspace, 13 Enter, 22 Ctrl+V), 63 for a character the page lacks. A character beyond
// UTF-16's first plane comes as two halves: the first gives 63, the second nothing.
std::optional<std::int16_t> characterCode(WPARAM unit);

// What an edit control answers to WM_GETDLGCODE, adjusted so that the dialog navigation leaves
// Enter and Escape to the field's key handler instead of taking them for the default and cancel
// buttons.
LRESULT fieldDialogCode(LRESULT editsOwnCode, const MSG* message);

}  // namespace tarvel::win32
