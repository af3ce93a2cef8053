#include "window/win32/window_view.hpp"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "window/model/control_visit.hpp"
#include "window/win32/child_windows.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/icons.hpp"
#include "window/win32/key_codes.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/utf16.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFrameExtendedStyle = 0;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT_PTR kFieldSubclass = 1;
// Each child's identifier is its place in the design table from here on: dialog functions,
// accessibility tools and WM_COMMAND's low word tell the controls apart by it.
constexpr int kFirstChildId = 1000;
// Posted when a combo box's list closes: the list may have written into the edit, in an order
// Windows does not promise, so the model's text is shown again once the notifications are over.
constexpr UINT kShowModelText = WM_APP + 1;

// A combo box's list drops below its edit, by as many rows of the edit's height.
constexpr int kListRows = 4;

// Counts the binding's own writes into the controls, nested ones included.
class Showing {
 public:
  explicit Showing(int& depth) : depth_(depth) { ++depth_; }
  ~Showing() { --depth_; }
  Showing(const Showing&) = delete;
  Showing& operator=(const Showing&) = delete;

 private:
  int& depth_;
};

bool isShown(HWND child) {
  return (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0;
}

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

// The window lets go of the old icon before its owner destroys it; without a new one the class's
// icon stays.
void replaceIcon(HWND window, WPARAM which, UniqueIcon icon, UniqueIcon& owner) {
  if (!icon) return;
  SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
  owner = std::move(icon);
}

// The design leaves a centred field room for its two digits only with margins narrower than the
// font's own: with those, a one-line field scrolls its first digit out of sight. Set after the
// font, which resets them.
void narrowMargins(HWND edit, UINT dpi) {
  const int margin = MulDiv(1, static_cast<int>(dpi), kDesignDpi);
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

void caretToEnd(HWND edit) {
  const LRESULT end = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, end, end);
}

bool isLabel(const Control& control) {
  return control.kind() == ControlKind::Label;
}

// Buttons, fields, boxes and the check box; a label or the rose is only read.
bool isInput(const Control& control) {
  return !isLabel(control) && control.kind() != ControlKind::Shape;
}

// The order the children are created in. The inputs come in the form's Tab order, since
// IsDialogMessageW walks the children in that order; each comes after the labels the design
// writes just before it, so that the static text before a field, where MSAA looks for its name,
// is its caption.
std::vector<Control*> inWindowOrder(const Form& form) {
  std::vector<Control*> designOrder = form.controls();
  // The design's controls are one table: their addresses follow its rows.
  std::sort(designOrder.begin(), designOrder.end(),
            [](const Control* a, const Control* b) { return &a->design() < &b->design(); });
  std::unordered_map<const Control*, std::vector<Control*>> labelsBefore;
  std::vector<Control*> labels;
  for (Control* control : designOrder) {
    if (!childClassOf(*control).name) continue;
    if (isInput(*control)) {
      labelsBefore[control] = std::exchange(labels, {});
    } else {
      labels.push_back(control);
    }
  }
  std::vector<Control*> order;
  for (Control* input : form.byTabIndex()) {
    if (!labelsBefore.contains(input)) continue;  // no window of its own, or only read
    order.insert(order.end(), labelsBefore[input].begin(), labelsBefore[input].end());
    order.push_back(input);
  }
  order.insert(order.end(), labels.begin(), labels.end());
  return order;
}

}  // namespace

WindowView::WindowView(WinDurOzirozador& window, const Creation& creation)
    : window_(window), creation_(creation), dpi_(kDesignDpi), canvas_(window) {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TARVEL_IDI_ICON));
  const std::wstring caption = toUtf16(design::kCaption);
  create(caption.c_str(), {kFrameStyle, kFrameExtendedStyle, icon}, creation_);
  // A failure from here on takes the window with it while every member is whole.
  try {
    dpi_ = GetDpiForWindow(handle());
    fonts_ = std::make_unique<FontSet>(dpi_, creation_);
    fitFrame();
    loadIcons();
    createChildren();
  } catch (const CreationFailed&) {
    destroy();
    throw;
  }
  // The buttons' and the check box's own focus rectangles show from the start, not only after a
  // first key.
  SendMessageW(handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  SetTimer(handle(), kClockTimer, static_cast<UINT>(window_.Timer1.interval()), nullptr);
}

// The window goes while the view is whole: its last messages still find every member.
WindowView::~WindowView() {
  destroy();
}

void WindowView::show(int how) {
  ShowWindow(handle(), how);
  UpdateWindow(handle());
}

void WindowView::fitFrame() {
  const SIZE client = clientSize(dpi_);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, kFrameStyle, FALSE, kFrameExtendedStyle, dpi_);
  SetWindowPos(handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The title bar's and the taskbar's icons at the window's DPI.
void WindowView::loadIcons() {
  replaceIcon(handle(), ICON_SMALL, programIconAt(SM_CXSMICON, SM_CYSMICON, dpi_), smallIcon_);
  replaceIcon(handle(), ICON_BIG, programIconAt(SM_CXICON, SM_CYICON, dpi_), largeIcon_);
}

void WindowView::createChildren() {
  for (Control* control : inWindowOrder(window_)) {
    const auto place = &control->design() - design::controls().data();
    if (HWND child = createChild(*control, kFirstChildId + static_cast<int>(place)))
      enrol(child, *control);
  }
  layout();
  for (const auto& [control, child] : children_) {
    const std::string_view name = control->design().accessibleName;
    if (!isLabel(*control) && !name.empty()) properties_.setName(child, name);
  }
  for (const auto& [control, child] : children_)
    sync(*control);
}

HWND WindowView::createChild(Control& control, int id) {
  const ChildClass childClass = childClassOf(control);
  if (!childClass.name) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | childClass.style;
  if (isInput(control)) style |= WS_TABSTOP;
  if (control.visible()) style |= WS_VISIBLE;
  if (!control.enabled()) style |= WS_DISABLED;
  const std::wstring caption = visit(
      control, Overloaded{[](const PushButton& button) { return toUtf16(button.caption()); },
                          [](const Label& label) { return toUtf16(label.caption()); },
                          [](const Shape& shape) { return toUtf16(shape.design().accessibleName); },
                          [](const auto&) { return std::wstring(); }});
  // Made at its place: under Wine every later move is a trip to the server.
  const RECT box = boxOf(control);
  HWND child = creation_.createWindow(
      childClass.extendedStyle, childClass.name, caption.c_str(), style, box.left, box.top,
      box.right - box.left, box.bottom - box.top, handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!child) throw CreationFailed("le contrôle " + control.fullName());
  return child;
}

void WindowView::enrol(HWND child, Control& control) {
  children_[&control] = child;
  controls_[child] = &control;
  visit(control, Overloaded{
                     [&](TextField& field) {
                       SendMessageW(child, EM_LIMITTEXT, field.design().maxLength, 0);
                       SetWindowSubclass(child, &WindowView::fieldProcedure, kFieldSubclass,
                                         reinterpret_cast<DWORD_PTR>(this));
                     },
                     [&](ComboBox&) {
                       COMBOBOXINFO parts{};
                       parts.cbSize = sizeof parts;
                       GetComboBoxInfo(child, &parts);
                       controls_[parts.hwndItem] = &control;
                       controls_[parts.hwndList] = &control;
                     },
                     [&](Shape&) { showNothing(child); },
                     [](auto&) {},
                 });
}

// The child's box at the window's DPI. A drop-down combo box's height counts its list too.
RECT WindowView::boxOf(const Control& control) const {
  RECT box = pixels(control.design().box, dpi_);
  if (control.kind() == ControlKind::ComboBox)
    box.bottom = box.top + (1 + kListRows) * (box.bottom - box.top);
  return box;
}

// Every child to its box at the window's DPI, when the window moves to another screen.
void WindowView::place() {
  for (const auto& [control, child] : children_) {
    const RECT box = boxOf(*control);
    SetWindowPos(child, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Fonts, and what follows from them, at the window's DPI. No repaint is asked for each font: the
// window is not shown yet, or is repainted whole once its children have their new fonts.
void WindowView::layout() {
  for (const auto& [control, child] : children_) {
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

// The fonts of the other screen replace the old ones once every control has been given them. If
// Windows does not make them, the window goes on with the fonts it has, at their old size.
void WindowView::dpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  std::unique_ptr<FontSet> previousFonts;
  try {
    previousFonts = std::exchange(fonts_, std::make_unique<FontSet>(dpi_, creation_));
  } catch (const CreationFailed&) {
  }
  SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  place();
  layout();
  loadIcons();
  // The labels paint the new ground too.
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The caption is drawn anew in the whole box: the old one was drawn for the old box.
void WindowView::fit(HWND child, const Label& label) {
  const RECT box = fittedBox(child, pixels(label.design().box, dpi_), label.design().alignment);
  SetWindowPos(child, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

// The rose is a window for a screen reader only: with an empty window region it paints nothing and
// clips nothing of the drawing beneath it.
void WindowView::showNothing(HWND child) {
  HRGN nothing = CreateRectRgn(0, 0, 0, 0);
  if (nothing && SetWindowRgn(child, nothing, FALSE)) return;  // the window owns the region now
  if (nothing) DeleteObject(nothing);
  children_.erase(controlOf(child));
  controls_.erase(child);
  DestroyWindow(child);
}

// The focused control's window: a combo box's, not its edit's.
HWND WindowView::focusedChild() const {
  const Control* focused = controlOf(GetFocus());
  return focused ? childOf(*focused) : nullptr;
}

// A few pixels around the focused control, within the window.
std::optional<RECT> WindowView::focusFrame() const {
  HWND focused = focusedChild();
  if (!focused) return std::nullopt;
  RECT frame{};
  GetWindowRect(focused, &frame);
  MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&frame), 2);
  const int margin = MulDiv(design::kFocusFrameMargin, static_cast<int>(dpi_), kDesignDpi);
  InflateRect(&frame, margin, margin);
  RECT client{};
  GetClientRect(handle(), &client);
  IntersectRect(&frame, &frame, &client);
  return frame;
}

// Every control tells its window when it gains or loses the focus: the frame follows.
void WindowView::followFocus() {
  HWND focused = focusedChild();
  if (focused == framed_) return;
  framed_ = focused;
  invalidateDrawing();
}

HWND WindowView::childOf(const Control& control) const {
  const auto found = children_.find(&control);
  return found == children_.end() ? nullptr : found->second;
}

Control* WindowView::controlOf(HWND child) const {
  const auto found = controls_.find(child);
  return found == controls_.end() ? nullptr : found->second;
}

void WindowView::sync(const Control& control) {
  visit(control, Overloaded{
                     [this](const Line&) { invalidateDrawing(); },
                     [this](const Shape&) { invalidateDrawing(); },
                     [](const Timer&) {},
                     [this](const auto& shown) {
                       HWND child = childOf(shown);
                       if (!child) return;  // not created yet
                       const Showing showing(showing_);
                       if (IsWindowEnabled(child) != (shown.enabled() ? TRUE : FALSE))
                         EnableWindow(child, shown.enabled());
                       if (isShown(child) != shown.visible())
                         ShowWindow(child, shown.visible() ? SW_SHOWNA : SW_HIDE);
                       // A label is measured and moved again only for a new caption.
                       if constexpr (std::is_same_v<decltype(shown), const Label&>) {
                         if (display(child, shown)) fit(child, shown);
                       } else {
                         display(child, shown);
                       }
                     },
                 });
}

void WindowView::giveFocus(const Control& control) {
  HWND child = childOf(control);
  if (child && controlOf(GetFocus()) != &control) SetFocus(child);
}

// The rose's value is the bearing the needle shows.
void WindowView::bearingShown(std::optional<int> bearing) {
  HWND rose = childOf(window_.Shape3);
  if (rose && properties_.setValue(rose, WinDurOzirozador::bearingReading(bearing)))
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, rose, OBJID_CLIENT, CHILDID_SELF);
}

void WindowView::paintNow() {
  UpdateWindow(handle());
}

void WindowView::stopClock() {
  KillTimer(handle(), kClockTimer);
}

void WindowView::unload() {
  if (window_.ended()) return;
  int cancel = 0;
  window_.Form_Unload(cancel);
}

void WindowView::invalidateDrawing() {
  InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT WindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      const std::optional<RECT> frame = focusFrame();
      canvas_.paint(dc, dpi_, frame ? &*frame : nullptr);
      EndPaint(handle(), &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_COMMAND:
      if (lParam) command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      followFocus();
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return colours(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETFOCUS:
      // Back from another window: the focus returns to the control that had it.
      if (Control* focused = window_.focused()) giveFocus(*focused);
      return 0;
    case WM_TIMER:
      if (wParam == kClockTimer) window_.Timer1.tick();
      return 0;
    case WM_HELP:
      // F1 on any control (the message loop sends it).
      window_.functionKey(FunctionKey::F1);
      return TRUE;
    case WM_CLOSE:
      // The program ends from the unload sequence; the window goes when the view does.
      unload();
      return 0;
    case WM_ENDSESSION:
      // Windows is shutting down or logging off and will not send WM_CLOSE: the locator is kept
      // now or never.
      if (wParam) unload();
      return 0;
    case WM_DESTROY:
      KillTimer(handle(), kClockTimer);
      return 0;
    case WM_DPICHANGED:
      dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case kShowModelText:
      if (Control* control = controlOf(reinterpret_cast<HWND>(lParam))) sync(*control);
      return 0;
    default:
      return defaultHandling(message, wParam, lParam);
  }
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

// The fields' colour, the check box's ground around its box, and the labels' text over the
// window's own ground: the brush paints the picture and the rose beneath the label's box.
LRESULT WindowView::colours(UINT message, HDC dc, HWND child) {
  const Control* control = controlOf(child);
  if (control && isLabel(*control)) {
    SetTextColor(dc, toColorRef(control->design().foreground.value_or(Rgb{0, 0, 0})));
    SetBkMode(dc, TRANSPARENT);
    POINT origin{0, 0};
    MapWindowPoints(child, handle(), &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return reinterpret_cast<LRESULT>(canvas_.groundBrush(dc, dpi_));
  }
  if (!control || !control->design().background) {
    return defaultHandling(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  }
  const ControlDesign& design = control->design();
  SetBkColor(dc, toColorRef(*design.background));
  if (design.foreground) SetTextColor(dc, toColorRef(*design.foreground));
  return reinterpret_cast<LRESULT>(brushOf(*design.background));
}

HBRUSH WindowView::brushOf(const Rgb& colour) {
  const COLORREF wanted = toColorRef(colour);
  auto& brush = brushes_[wanted];
  if (!brush) brush.reset(CreateSolidBrush(wanted));
  return brush.get();
}

}  // namespace tarvel::win32
