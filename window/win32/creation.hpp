#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvel::win32 {

// The system calls that make the window's class, its windows and its fonts: Windows' own in the
// program, one that fails in a test.
struct Creation {
  decltype(&RegisterClassExW) registerClass = &RegisterClassExW;
  decltype(&CreateWindowExW) createWindow = &CreateWindowExW;
  decltype(&CreateFontW) createFont = &CreateFontW;
};

// A part of the window that Windows did not make, with the system's error code read at once: the
// program cannot run without it. what() is the user's message, in French like the program's.
class CreationFailed : public std::runtime_error {
 public:
  // `part` as the message names it: "sa fenêtre", "le contrôle Text_S_Loc"...
  explicit CreationFailed(std::string_view part);
};

}  // namespace tarvel::win32
