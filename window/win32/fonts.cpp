#include "window/win32/fonts.hpp"

#include <cmath>

#include "window/model/font_faces.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/utf16.hpp"

namespace tarvel::win32 {
namespace {

constexpr double kPointsPerInch = 72;

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one match is enough
}

bool hasFace(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, &noteFamily, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// "MS Sans Serif" and "System" are bitmap faces, drawn at a few pixel sizes only ("MS Sans Serif"
// stops at 20 pixels): their text would not grow with its box on a denser screen. Every Windows
// since XP has a TrueType face that stands for them, taken here at every DPI, so that the window
// keeps one look on every screen it is moved to; at 96 DPI it is drawn to the bitmap face's
// metrics.
struct OutlineFace {
  std::string_view bitmapFace;
  std::string_view outlineFace;
};
constexpr OutlineFace kOutlineFaces[] = {
    {"MS Sans Serif", "Microsoft Sans Serif"},
    {"System", "Microsoft Sans Serif"},  // bold in the design, as the bitmap face is
};

std::string_view outlineOf(std::string_view designFace) {
  for (const OutlineFace& entry : kOutlineFaces) {
    if (entry.bitmapFace == designFace) return entry.outlineFace;
  }
  return designFace;
}

bool sameSpec(const FontSpec& a, const FontSpec& b) {
  return a.face == b.face && a.points == b.points && a.bold == b.bold;
}

}  // namespace

std::wstring availableFace(std::string_view designFace) {
  const std::wstring face = toUtf16(outlineOf(designFace));
  if (hasFace(face)) return face;
  for (const std::string_view similar : design::similarFacesOf(designFace)) {
    std::wstring candidate = toUtf16(similar);
    if (hasFace(candidate)) return candidate;
  }
  return face;  // the font mapper's own choice
}

FontSet::FontSet(UINT dpi, const Creation& creation) : dpi_(dpi) {
  add(design::kWindowFont, creation);
  for (const ControlDesign& control : design::controls()) {
    if (control.font) add(*control.font, creation);
  }
}

HFONT FontSet::fontOf(const std::optional<FontSpec>& wanted) const {
  const FontSpec fontSpec = wanted.value_or(design::kWindowFont);
  for (const Created& created : fonts_) {
    if (sameSpec(created.fontSpec, fontSpec)) return created.font.get();
  }
  return fonts_.front().font.get();  // every design font is made: not reached
}

void FontSet::add(const FontSpec& fontSpec, const Creation& creation) {
  for (const Created& created : fonts_) {
    if (sameSpec(created.fontSpec, fontSpec)) return;
  }
  // A negative height asks for the character height, which is what a point size measures.
  const int height = -static_cast<int>(std::lround(fontSpec.points * dpi_ / kPointsPerInch));
  const std::wstring face = availableFace(fontSpec.face);
  UniqueFont font(creation.createFont(height, 0, 0, 0, fontSpec.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                      FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  if (!font) throw CreationFailed("la police " + std::string(fontSpec.face));
  fonts_.push_back({fontSpec, std::move(font)});
}

}  // namespace tarvel::win32
