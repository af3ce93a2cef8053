#pragma once

#include <string_view>

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::test_support {

// What an operator does at the keyboard: clicks into my locator field, erases it with Backspace
// and types the new one (in lower case: the field's key hook raises it).
void retypeMyLocator(WinDurOzirozador& window, std::string_view locator);

// Clicks the box "Sauve" when it is not already as wanted.
void setKeepBox(WinDurOzirozador& window, bool keep);

// Closes the window as the user does; closing is never refused.
void closeWindow(WinDurOzirozador& window);

}  // namespace tarvel::test_support
