// What the user does in the children, back to the model: the characters typed into a field
// through its subclass procedure, every other change through the children's notifications.
#include "window/win32/window_view.hpp"

#include <commctrl.h>

#include "window/model/control_visit.hpp"
#include "window/win32/child_windows.hpp"
#include "window/win32/key_codes.hpp"
#include "window/win32/utf16.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

constexpr UINT_PTR kFieldSubclass = 1;

void caretToEnd(HWND edit) {
  const LRESULT end = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, end, end);
}

}  // namespace

void WindowView::subclassField(HWND edit) {
  SetWindowSubclass(edit, &WindowView::fieldProcedure, kFieldSubclass,
                    reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK WindowView::fieldProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR view) {
  return reinterpret_cast<WindowView*>(view)->fieldMessage(edit, message, wParam, lParam);
}

LRESULT WindowView::fieldMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return fieldDialogCode(DefSubclassProc(edit, message, wParam, lParam),
                             reinterpret_cast<const MSG*>(lParam));
    case WM_CHAR:
      if (typed(edit, wParam)) return 0;
      break;
    case WM_SETTEXT:
      if (InSendMessage()) return setFromOutside(edit, wParam, lParam);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, &WindowView::fieldProcedure, kFieldSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

// Answers whether the key was handled here; if not, the edit control applies it itself.
bool WindowView::typed(HWND edit, WPARAM unit) {
  Control* control = controlOf(edit);
  if (!control || window_.ended()) return true;  // nothing changes once the window has ended
  const auto code = characterCode(unit);
  if (!code) return true;  // the second half of a character whose first half stood for it
  return visit(*control, Overloaded{
                             [&](TextField& field) {
                               // The user may have moved the caret or selected with the edit
                               // control's own keys or the mouse.
                               const Selection selection = selectionOf(edit);
                               field.select(selection.start, selection.length);
                               return field.typeKey(*code) == KeyOutcome::Applied;
                             },
                             [](auto&) { return false; },
                         });
}

// Another thread or program (an automation tool, UI Automation's value pattern through the edit
// control's proxy) writes the whole text: the edit control takes it at once and the writer's call
// returns, then the model's change handler sees it, as a paste, from the window's own queue.
LRESULT WindowView::setFromOutside(HWND edit, WPARAM wParam, LPARAM lParam) {
  ++showing_;  // its EN_CHANGE is left for the posted message
  const LRESULT result = DefSubclassProc(edit, WM_SETTEXT, wParam, lParam);
  --showing_;
  if (result && !PostMessageW(handle(), kEditedFromOutside, 0, reinterpret_cast<LPARAM>(edit))) {
    // The queue is full: the field shows the model's text again rather than one it never saw.
    if (Control* control = controlOf(edit)) sync(*control);
  }
  return result;
}

void WindowView::editedFromOutside(HWND edit) {
  Control* control = controlOf(edit);
  if (!control || window_.ended()) return;
  visit(*control, Overloaded{
                      [&](TextField& field) {
                        field.editedByUser(toUtf8(windowText(edit)), selectionOf(edit).start);
                      },
                      [](auto&) {},
                  });
}

void WindowView::command(HWND child, WORD notification) {
  Control* control = controlOf(child);
  if (!control || window_.ended()) return;
  visit(*control, Overloaded{
                      [&](TextField& field) { fieldNotified(field, child, notification); },
                      [&](ComboBox& box) { comboNotified(box, child, notification); },
                      [&](PushButton& button) {
                        if (notification == BN_SETFOCUS) window_.setFocus(button);
                        if (notification == BN_CLICKED) button.click();
                      },
                      [&](CheckBox& box) {
                        if (notification == BN_SETFOCUS) window_.setFocus(box);
                        if (notification == BN_CLICKED) box.click();
                      },
                      [&](Label& label) {
                        if (notification == STN_CLICKED) label.click();
                      },
                      [](auto&) {},
                  });
}

void WindowView::fieldNotified(TextField& field, HWND edit, WORD notification) {
  switch (notification) {
    case EN_SETFOCUS:
      // A field gets the focus with its caret at the end, in the model and on the screen.
      window_.setFocus(field);
      caretToEnd(edit);
      break;
    case EN_CHANGE:
      if (showing_ == 0) field.editedByUser(toUtf8(windowText(edit)), selectionOf(edit).start);
      break;
    default:
      break;
  }
}

void WindowView::comboNotified(ComboBox& box, HWND combo, WORD notification) {
  switch (notification) {
    case CBN_SETFOCUS:
      window_.setFocus(box);
      break;
    case CBN_EDITCHANGE:
      if (showing_ == 0) box.editedByUser(toUtf8(windowText(combo)));
      break;
    case CBN_SELCHANGE:
      // With the list open the user is still choosing; with it closed an arrow key chose.
      if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) pickSelected(box, combo);
      break;
    case CBN_SELENDOK:
      pickSelected(box, combo);
      break;
    case CBN_CLOSEUP:
      PostMessageW(handle(), kShowModelText, 0, reinterpret_cast<LPARAM>(combo));
      break;
    default:
      break;
  }
}

void WindowView::pickSelected(ComboBox& box, HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  box.pick(toUtf8(listItem(combo, static_cast<WPARAM>(index))));
}

}  // namespace tarvel::win32
