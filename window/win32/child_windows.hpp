#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "window/model/controls_fwd.hpp"
#include "window/model/design.hpp"

// Each kind of control as a standard Windows control: its class and styles, and how it is made to
// show what the model holds.
namespace tarvel::win32 {

struct ChildClass {
  const wchar_t* name = nullptr;  // none: the window draws the control itself
  DWORD style = 0;
  DWORD extendedStyle = 0;
};

ChildClass childClassOf(const Control& control);

std::wstring windowText(HWND window);
std::wstring listItem(HWND combo, WPARAM index);

// The model's state into the control. Each writes only what differs, so that a control the user
// is working in is disturbed as little as possible.
void display(HWND edit, const TextField& field);
void display(HWND combo, const ComboBox& box);
void display(HWND button, const CheckBox& box);
void display(HWND button, const PushButton& pushButton);
bool display(HWND label, const Label& model);
// The label's box: its caption's size, at the design's place.
RECT fittedBox(HWND label, RECT box, Alignment alignment);

// Where the user left the caret and the selection, in the model's characters.
struct Selection {
  std::size_t start = 0;
  std::size_t length = 0;
};
Selection selectionOf(HWND edit);

}  // namespace tarvel::win32
