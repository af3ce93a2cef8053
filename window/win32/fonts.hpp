#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/design.hpp"
#include "window/win32/handles.hpp"

namespace tarvel::win32 {

// The design's face when this system has it, otherwise the first similar face it has.
std::wstring availableFace(std::string_view designFace);

// The design's fonts at one screen's DPI, each created once and owned here.
class FontSet {
 public:
  explicit FontSet(UINT dpi) : dpi_(dpi) {}
  // A control without a font of its own uses the window's font.
  HFONT fontOf(const std::optional<FontSpec>& wanted);

 private:
  struct Created {
    FontSpec fontSpec;
    UniqueFont font;
  };

  UINT dpi_;
  std::vector<Created> fonts_;
};

}  // namespace tarvel::win32
