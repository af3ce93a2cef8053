#include "window/win32/rose_accessible.hpp"

#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {

bool paintsNothing(HWND rose) {
  HRGN nothing = CreateRectRgn(0, 0, 0, 0);
  if (nothing && SetWindowRgn(rose, nothing, FALSE)) return true;  // the window owns it now
  if (nothing) DeleteObject(nothing);
  return false;
}

void showBearing(AccessibleProperties& properties, HWND rose, std::optional<int> bearing) {
  if (properties.setValue(rose, WinDurOzirozador::bearingReading(bearing)))
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, rose, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace tarvel::win32
