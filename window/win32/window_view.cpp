#include "window/win32/window_view.hpp"

#include <commctrl.h>

#include <string>
#include <type_traits>

#include "window/model/control_visit.hpp"
#include "window/win32/child_windows.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/purpose_labels.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/rose_accessible.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_order.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFrameExtendedStyle = 0;
constexpr UINT_PTR kClockTimer = 1;
// Each child's identifier is its place in the design table from here on: dialog functions,
// accessibility tools and WM_COMMAND's low word tell the controls apart by it.
constexpr int kFirstChildId = 1000;

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

}  // namespace

WindowView::WindowView(WinDurOzirozador& window, const Creation& creation)
    : window_(window), creation_(creation), layout_(creation), canvas_(window) {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TARVEL_IDI_ICON));
  const std::wstring caption = toUtf16(design::kCaption);
  create(caption.c_str(), {kFrameStyle, kFrameExtendedStyle, icon}, creation_);
  // A failure from here on takes the window with it while every member is whole.
  try {
    layout_.open(GetDpiForWindow(handle()));
    layout_.fitFrame(handle(), kFrameStyle, kFrameExtendedStyle);
    icons_.load(handle(), layout_.dpi());
    createChildren();
    labelByPurpose(children_, creation_);
    notification_ = std::make_unique<UiaNotification>(handle(), creation_);
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

void WindowView::createChildren() {
  for (Control* control : inWindowOrder(window_)) {
    const auto place = &control->design() - design::controls().data();
    if (HWND child = createChild(*control, kFirstChildId + static_cast<int>(place)))
      enrol(child, *control);
  }
  createAntennaReading();
  layout_.applyFonts(children_);
  for (const auto& [control, child] : children_) {
    const std::string_view name = control->design().accessibleName;
    if (control->kind() != ControlKind::Label && !name.empty()) properties_.setName(child, name);
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
  const RECT box = layout_.boxOf(control);
  HWND child = creation_.createWindow(
      childClass.extendedStyle, childClass.name, caption.c_str(), style, box.left, box.top,
      box.right - box.left, box.bottom - box.top, handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!child) throw CreationFailed("le contrôle " + control.fullName());
  return child;
}

// With a rotator only: over the rose, a static window that paints nothing, whose text is the
// antenna's heading as a screen reader reads it. Its name changes with each WM_SETTEXT.
void WindowView::createAntennaReading() {
  const std::string reading = window_.antennaReading();
  if (reading.empty()) return;
  const RECT box = layout_.boxOf(window_.Shape3);
  antenna_ = creation_.createWindow(0, WC_STATICW, toUtf16(reading).c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOPREFIX,
                                    box.left, box.top, box.right - box.left, box.bottom - box.top,
                                    handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!antenna_ || !paintsNothing(antenna_)) throw CreationFailed("la lecture de l'antenne");
  // Beneath the labels, which clip their siblings above them by their rectangles, region or not.
  SetWindowPos(antenna_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowView::enrol(HWND child, Control& control) {
  children_[&control] = child;
  controls_[child] = &control;
  visit(control, Overloaded{
                     [&](TextField& field) {
                       SendMessageW(child, EM_LIMITTEXT, field.design().maxLength, 0);
                       subclassField(child);
                     },
                     [&](ComboBox&) {
                       COMBOBOXINFO parts{};
                       parts.cbSize = sizeof parts;
                       GetComboBoxInfo(child, &parts);
                       controls_[parts.hwndItem] = &control;
                       controls_[parts.hwndList] = &control;
                     },
                     [&](Shape&) {
                       if (!paintsNothing(child)) forget(child);
                     },
                     [](auto&) {},
                 });
}

void WindowView::forget(HWND child) {
  children_.erase(controlOf(child));
  controls_.erase(child);
  DestroyWindow(child);
}

// The fonts of the other screen replace the old ones once every control has been given them.
void WindowView::dpiChanged(UINT dpi, const RECT& suggested) {
  const std::unique_ptr<FontSet> previousFonts = layout_.moveTo(dpi);
  SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  layout_.place(children_);
  layout_.applyFonts(children_);
  icons_.load(handle(), layout_.dpi());
  // The labels paint the new ground too.
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The focused control's window: a combo box's, not its edit's.
HWND WindowView::focusedChild() const {
  const Control* focused = controlOf(GetFocus());
  return focused ? childOf(*focused) : nullptr;
}

// Every control tells its window when it gains or loses the focus: the frame follows.
void WindowView::followFocus() {
  if (focusFrame_.follow(focusedChild())) invalidateDrawing();
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
                         if (display(child, shown)) layout_.fit(child, shown);
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

void WindowView::bearingShown(std::optional<int> bearing) {
  if (HWND rose = childOf(window_.Shape3)) showBearing(properties_, rose, bearing);
}

void WindowView::antennaShown(std::optional<int>) {
  invalidateDrawing();
  if (!antenna_) return;
  const std::string reading = window_.antennaReading();
  SetWindowTextW(antenna_, toUtf16(reading).c_str());
  if (properties_.setValue(antenna_, reading))
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, antenna_, OBJID_CLIENT, CHILDID_SELF);
}

void WindowView::announce(std::string_view sentence) {
  if (notification_) notification_->announce(sentence);
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

void WindowView::paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle(), &paint);
  HWND focused = focusedChild();
  const RECT frame = focused ? FocusFrame::around(focused, handle(), layout_.dpi()) : RECT{};
  canvas_.paint(dc, layout_.dpi(), focused ? &frame : nullptr);
  EndPaint(handle(), &paint);
}

LRESULT WindowView::colours(UINT message, WPARAM wParam, LPARAM lParam) {
  auto* child = reinterpret_cast<HWND>(lParam);
  const Control* control = controlOf(child);
  HBRUSH brush = control ? colours_.of(*control, reinterpret_cast<HDC>(wParam), child, handle(),
                                       canvas_, layout_.dpi())
                         : nullptr;
  return brush ? reinterpret_cast<LRESULT>(brush) : defaultHandling(message, wParam, lParam);
}

LRESULT WindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_COMMAND:
      if (lParam) command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      followFocus();
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return colours(message, wParam, lParam);
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
    case kFunctionKeyMessage:
      window_.functionKey(static_cast<FunctionKey>(wParam));
      return 0;
    case WM_CLOSE:
      // The program ends from the unload sequence; the window goes when the view does.
      unload();
      return 0;
    case WM_ENDSESSION:
      // Windows is shutting down or logging off and will not send WM_CLOSE: the locator is kept
      // now or never, and no one is there to answer a message box.
      if (wParam) {
        closeUnattended();
        unload();
      }
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
    case kEditedFromOutside:
      editedFromOutside(reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      return defaultHandling(message, wParam, lParam);
  }
}

}  // namespace tarvel::win32
