#include "window/win32/layout.hpp"

#include <utility>

#include "window/model/control_visit.hpp"
#include "window/win32/child_windows.hpp"

namespace tarvel::win32 {
namespace {

// A combo box's list drops below its edit, by as many rows of the edit's height.
constexpr int kListRows = 4;

// A drop-down combo box sizes its closed box from its font; the design gives it its height. How
// the selection field's height adds up to the box's is the system's own (the value it answers is
// not always the one it was given), so the height is measured and corrected.
void fitClosedHeight(HWND combo, int height) {
  constexpr int kAttempts = 3;
  auto field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, -1, 0));
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    RECT closed{};
    GetWindowRect(combo, &closed);
    if (closed.bottom - closed.top == height) return;
    field += height - (closed.bottom - closed.top);
    SendMessageW(combo, CB_SETITEMHEIGHT, -1, field);
  }
}

// The design leaves a centred field room for its two digits only with margins narrower than the
// font's own: with those, a one-line field scrolls its first digit out of sight. Set after the
// font, which resets them.
void narrowMargins(HWND edit, UINT dpi) {
  const int margin = MulDiv(1, static_cast<int>(dpi), kDesignDpi);
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

void setBox(HWND window, const RECT& box, UINT flags) {
  SetWindowPos(window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
               flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Layout::open(UINT dpi) {
  dpi_ = dpi;
  fonts_ = std::make_unique<FontSet>(dpi_, creation_);
}

std::unique_ptr<FontSet> Layout::moveTo(UINT dpi) {
  dpi_ = dpi;
  try {
    return std::exchange(fonts_, std::make_unique<FontSet>(dpi_, creation_));
  } catch (const CreationFailed&) {
    return nullptr;
  }
}

void Layout::fitFrame(HWND window, DWORD style, DWORD extendedStyle) const {
  const SIZE client = clientSize(dpi_);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, style, FALSE, extendedStyle, dpi_);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Layout::boxOf(const Control& control) const {
  RECT box = pixels(control.design().box, dpi_);
  if (control.kind() == ControlKind::ComboBox)
    box.bottom = box.top + (1 + kListRows) * (box.bottom - box.top);
  return box;
}

void Layout::place(const ChildWindows& children) const {
  for (const auto& [control, child] : children)
    setBox(child, boxOf(*control), 0);
}

// No repaint is asked for each font: the window is not shown yet, or is repainted whole once its
// children have their new fonts.
void Layout::applyFonts(const ChildWindows& children) const {
  for (const auto& [control, child] : children) {
    const ControlDesign& design = control->design();
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->fontOf(design.font)), FALSE);
    visit(*control, Overloaded{
                        [&](const Label& label) { fit(child, label); },
                        [&](const TextField& field) {
                          if (field.design().alignment == Alignment::Center)
                            narrowMargins(child, dpi_);
                        },
                        [&](const ComboBox&) {
                          const RECT box = pixels(design.box, dpi_);
                          fitClosedHeight(child, box.bottom - box.top);
                        },
                        [](const auto&) {},
                    });
  }
}

// The caption is drawn anew in the whole box: the old one was drawn for the old box.
void Layout::fit(HWND child, const Label& label) const {
  const RECT box = fittedBox(child, pixels(label.design().box, dpi_), label.design().alignment);
  setBox(child, box, SWP_NOCOPYBITS);
}

}  // namespace tarvel::win32
