#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <unordered_map>

#include "window/desktop/desktop_platform.hpp"
#include "window/model/controls_fwd.hpp"
#include "window/win32/accessible_properties.hpp"
#include "window/win32/base_window.hpp"
#include "window/win32/canvas.hpp"
#include "window/win32/colours.hpp"
#include "window/win32/creation.hpp"
#include "window/win32/focus_frame.hpp"
#include "window/win32/icons.hpp"
#include "window/win32/layout.hpp"
#include "window/win32/uia_notification.hpp"

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::win32 {

// The real window over the control model, which stays the one source of truth.
//
// How a key travels: the message loop hands WM_KEYDOWN to IsDialogMessageW first, which keeps Tab
// and Shift+Tab to move the focus; the edit controls answer WM_GETDLGCODE so that Enter and Escape
// are left to them. TranslateMessage makes the key a WM_CHAR, which the
// field's subclass procedure takes before the edit control sees it: the UTF-16 character becomes
// its Windows-1252 code (63 outside the page), the model's field runs its key-press handler with
// it and applies the result to its own text, and the edit control is then made to show the model's
// text and caret (sync). A swallowed key therefore inserts nothing and a replaced one inserts its
// replacement. Only an unchanged control code such as Ctrl+V goes on to the edit control, which
// pastes or undoes itself; that edit, like a paste from the context menu or Shift+Insert, comes
// back through EN_CHANGE to the model's change handler. EN_CHANGE also follows every text the
// binding itself sets: those are ignored, the model having raised its change handler already.
// Keys without a character (arrows, Home, End, Delete) are the edit control's own and reach the
// model the same way.
//
// The children are made in window_view.cpp, which also answers the window's messages; what the
// user does in them comes back to the model in child_input.cpp.
class WindowView : public BaseWindow<WindowView>, public DesktopView {
 public:
  static constexpr const wchar_t* kClassName = L"Tarvel.WinDurOzirozador";

  // Throws CreationFailed when Windows does not make the window, one of its controls or fonts.
  explicit WindowView(WinDurOzirozador& window, const Creation& creation = {});
  ~WindowView();

  void show(int how);
  void sync(const Control& control) override;
  void giveFocus(const Control& control) override;
  void bearingShown(std::optional<int> bearing) override;
  void antennaShown(std::optional<int> heading) override;
  void announce(std::string_view sentence) override;
  void paintNow() override;
  void stopClock();

  HWND childOf(const Control& control) const;
  // The control a child window belongs to: a combo box's edit and list give their combo box.
  Control* controlOf(HWND child) const;
  long drawingPaints() const { return canvas_.paints(); }
  const UiaNotification& notification() const { return *notification_; }

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Posted when a combo box's list closes: the list may have written into the edit, in an order
  // Windows does not promise, so the model's text is shown again once the notifications are over.
  static constexpr UINT kShowModelText = WM_APP + 1;
  // Posted when another thread or program wrote into a field (lParam): its text goes through the
  // rules once the writer's SendMessage has returned, so that a message box does not hold it.
  static constexpr UINT kEditedFromOutside = WM_APP + 3;  // after kFunctionKeyMessage

  void createChildren();
  HWND createChild(Control& control, int id);
  void createAntennaReading();
  void enrol(HWND child, Control& control);
  void forget(HWND child);
  void dpiChanged(UINT dpi, const RECT& suggested);

  void paint();
  LRESULT colours(UINT message, WPARAM wParam, LPARAM lParam);
  void unload();
  void invalidateDrawing();
  HWND focusedChild() const;
  void followFocus();

  // What the user does in the children (child_input.cpp).
  void subclassField(HWND edit);
  static LRESULT CALLBACK fieldProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR view);
  LRESULT fieldMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  bool typed(HWND edit, WPARAM unit);
  LRESULT setFromOutside(HWND edit, WPARAM wParam, LPARAM lParam);
  void editedFromOutside(HWND edit);
  void command(HWND child, WORD notification);
  void fieldNotified(TextField& field, HWND edit, WORD notification);
  void comboNotified(ComboBox& box, HWND combo, WORD notification);
  void pickSelected(ComboBox& box, HWND combo);

  WinDurOzirozador& window_;
  Creation creation_;
  Layout layout_;
  Canvas canvas_;
  ChildColours colours_;
  WindowIcons icons_;
  ChildWindows children_;
  std::unordered_map<HWND, Control*> controls_;
  AccessibleProperties properties_;
  FocusFrame focusFrame_;
  std::unique_ptr<UiaNotification> notification_;
  HWND antenna_ = nullptr;  // the antenna's reading, with a rotator only
  // Above 0 while the binding itself writes into a control, whose notifications are then its own.
  int showing_ = 0;
};

}  // namespace tarvel::win32
