#include "window/win32/utf16.hpp"

#include <windows.h>

namespace tarvel::win32 {

// Malformed input is not refused: each side replaces what it cannot read (U+FFFD), as the
// model's own UTF-8 decoder does.
std::wstring toUtf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
  return text;
}

std::string toUtf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::size_t unitsBefore(std::wstring_view text, std::size_t characters) {
  std::size_t units = 0;
  for (; characters > 0 && units < text.size(); --characters)
    units += IS_HIGH_SURROGATE(text[units]) && units + 1 < text.size() ? 2 : 1;
  return units;
}

std::size_t charactersBefore(std::wstring_view text, std::size_t units) {
  std::size_t characters = 0;
  for (std::size_t unit = 0; unit < units && unit < text.size(); ++unit) {
    if (!IS_LOW_SURROGATE(text[unit])) ++characters;
  }
  return characters;
}

}  // namespace tarvel::win32
