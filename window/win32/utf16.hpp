#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The model speaks UTF-8; Windows speaks UTF-16. Texts cross between them here and nowhere else.
namespace tarvel::win32 {

std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

// Positions in the model count characters; an edit control counts UTF-16 units, two for a
// character beyond the first plane.
std::size_t unitsBefore(std::wstring_view text, std::size_t characters);
std::size_t charactersBefore(std::wstring_view text, std::size_t units);

}  // namespace tarvel::win32
