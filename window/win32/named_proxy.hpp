#pragma once

#include <windows.h>

#include <string_view>

namespace tarvel::win32 {

// MSAA's proxies name a check box or a combo box by its own window text, Wine's always: for the
// check box, which shows none, nothing; for a direction box, its "Nord" or "Est". The window's
// standard accessible object is given instead wrapped, the same in all but its own name, which is
// the control's purpose. Where the system's property service takes names, it gives the same.
// Answers whether the window took the wrapper.
bool nameByPurpose(HWND control, std::string_view purpose);

}  // namespace tarvel::win32
