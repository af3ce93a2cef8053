#pragma once

#include <string_view>
#include <vector>

#include "tests/runner/backend.hpp"

namespace tarvel::scenarios {

// The keys of a `type` command: each character one key, by its Windows-1252 code ("?" for a
// character outside the page), and named keys in braces: {Enter} {Back} {Esc} {Ctrl+V} {C:NNN},
// the editing keys {Del} {Home} {End} {Left} {Right}, {Tab} {Shift+Tab} that move the focus, and
// the function keys {F1} {F2} {Shift+F1}.
// Throws SyntaxError for an unknown name.
std::vector<Key> keysOf(std::string_view text, int line);

}  // namespace tarvel::scenarios
