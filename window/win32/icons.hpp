#pragma once

#include <windows.h>

#include "window/win32/handles.hpp"

namespace tarvel::win32 {

// The program's icon at the size a system metric (SM_CXSMICON, SM_CXICON...) has at `dpi`: the
// image drawn for that size, or the next larger one scaled down, never a smaller one blown up.
// Null when it cannot be loaded.
UniqueIcon programIconAt(int widthMetric, int heightMetric, UINT dpi);

// The title bar's and the taskbar's icons of a window at its DPI, owned here while the window
// shows them.
class WindowIcons {
 public:
  void load(HWND window, UINT dpi);

 private:
  UniqueIcon small_;
  UniqueIcon large_;
};

}  // namespace tarvel::win32
