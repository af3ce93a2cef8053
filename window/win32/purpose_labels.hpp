#pragma once

#include "window/win32/creation.hpp"
#include "window/win32/layout.hpp"

namespace tarvel::win32 {

// MSAA names a field, a box or a check box without a text of its own from the static text just
// before it in the window order, and so does a screen reader that does not ask the property
// service. The design's captions serve several fields each ("Latitude" for the degrees, minutes
// and seconds) or none: every field, direction box and the check box gets a hidden static text
// of its own, its purpose, immediately before it. Hidden, it shows and paints nothing.
// Throws CreationFailed when Windows does not make one.
void labelByPurpose(const ChildWindows& children, const Creation& creation);

}  // namespace tarvel::win32
