#pragma once

#include <QFont>

#include "window/model/design.hpp"

namespace tarvel::qt {

// The design's faces may be missing: each is mapped to a similar face of this system.
void installFontSubstitutes();
QFont fontOf(const FontSpec& wanted);

}  // namespace tarvel::qt
