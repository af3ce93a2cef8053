#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

#include "window/model/controls_fwd.hpp"
#include "window/win32/creation.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/fonts.hpp"

namespace tarvel::win32 {

// The child windows by the control each shows.
using ChildWindows = std::unordered_map<const Control*, HWND>;

// The window at a screen's density: its frame around the design's client area, each child at its
// box, and the fonts with what follows from them (a label as large as its caption, a centred
// field's narrow margins, a combo box's closed height).
class Layout {
 public:
  explicit Layout(const Creation& creation) : creation_(creation) {}

  // The screen the window opens on. Throws CreationFailed when Windows does not make the fonts.
  void open(UINT dpi);
  // The screen the window has moved to. Answers the old fonts, which the children use until each
  // has its new one; if Windows does not make the new ones, the window goes on with the old ones,
  // at their old size.
  std::unique_ptr<FontSet> moveTo(UINT dpi);
  UINT dpi() const { return dpi_; }

  // The frame's size around the client area, for the frame's styles.
  void fitFrame(HWND window, DWORD style, DWORD extendedStyle) const;
  // The child's box. A drop-down combo box's counts its list too.
  RECT boxOf(const Control& control) const;
  // Every child to its box.
  void place(const ChildWindows& children) const;
  // Every child's font, and what follows from it.
  void applyFonts(const ChildWindows& children) const;
  // A label's box from its caption, which it paints whole.
  void fit(HWND child, const Label& label) const;

 private:
  Creation creation_;
  UINT dpi_ = kDesignDpi;
  std::unique_ptr<FontSet> fonts_;
};

}  // namespace tarvel::win32
