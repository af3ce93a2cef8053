#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The free-format item reader of the settings file, on its bytes:
//   - items are separated by commas and line ends (CR LF, or a lone CR or LF); spaces before an
//     item are skipped, and an empty line is one empty item;
//   - a quoted item is the text up to the closing quote, commas and spaces included; what follows
//     the closing quote up to the separator is skipped; an opening quote without a closing one on
//     its line takes the rest of the line;
//   - an unquoted item is plain text up to the separator, trailing spaces removed.
namespace tarvel::settings {

void forEachItem(std::string_view bytes, const std::function<void(std::string_view)>& visit);

// The item that counts: the last one, or none for a file without items.
std::optional<std::string> lastItem(std::string_view bytes);

}  // namespace tarvel::settings
