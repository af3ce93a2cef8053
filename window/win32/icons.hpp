#pragma once

#include <windows.h>

#include "window/win32/handles.hpp"

namespace tarvel::win32 {

// The program's icon at the size a system metric (SM_CXSMICON, SM_CXICON...) has at `dpi`: the
// image drawn for that size, or the next larger one scaled down, never a smaller one blown up.
// Null when it cannot be loaded.
UniqueIcon programIconAt(int widthMetric, int heightMetric, UINT dpi);

}  // namespace tarvel::win32
