#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/model/design.hpp"
#include "window/win32/creation.hpp"
#include "window/win32/handles.hpp"

namespace tarvel::win32 {

// The design's face, or the TrueType face that stands for a bitmap one, when this system has it;
// otherwise the first similar face it has.
std::wstring availableFace(std::string_view designFace);

// The design's fonts at one screen's DPI, all created at once and owned here. Throws
// CreationFailed when Windows does not make one.
class FontSet {
 public:
  FontSet(UINT dpi, const Creation& creation);
  // A control without a font of its own uses the window's font.
  HFONT fontOf(const std::optional<FontSpec>& wanted) const;

 private:
  void add(const FontSpec& fontSpec, const Creation& creation);

  struct Created {
    FontSpec fontSpec;
    UniqueFont font;
  };

  UINT dpi_;
  std::vector<Created> fonts_;
};

}  // namespace tarvel::win32
