#pragma once

#include <windows.h>

#include <optional>

#include "window/win32/accessible_properties.hpp"

// The compass rose as a screen reader finds it: a window of its own, named by the design, which
// paints nothing, and whose value is the bearing the needle shows.
namespace tarvel::win32 {

// An empty window region: the rose's window paints nothing and clips nothing of the drawing
// beneath it. False when Windows does not take the region: the window would hide the drawing.
bool paintsNothing(HWND rose);

// The rose's value, and the event that tells a screen reader of it, where the property service
// takes the value.
void showBearing(AccessibleProperties& properties, HWND rose, std::optional<int> bearing);

}  // namespace tarvel::win32
