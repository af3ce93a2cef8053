#pragma once

#include <windows.h>

#include "window/win32/handles.hpp"

namespace tarvel::win32 {

struct Picture {
  UniqueBitmap bitmap;  // null when the picture could not be read
  SIZE size{};
};

// A PNG carried in the executable as an RCDATA resource, decoded by the Windows Imaging Component
// into a 32-bit bitmap that GDI draws.
Picture loadPngResource(int resourceId);

}  // namespace tarvel::win32
