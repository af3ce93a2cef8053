#include "stations/locator_text.hpp"

#include "window/model/code_page.hpp"
#include "window/model/utf8.hpp"

namespace tarvel::locator {

using geo::LatitudeHemisphere;
using geo::LongitudeHemisphere;

std::optional<LatitudeHemisphere> latitudeHemisphereOf(std::string_view word) {
  if (word == kNorth) return LatitudeHemisphere::North;
  if (word == kSouth) return LatitudeHemisphere::South;
  return std::nullopt;
}

std::optional<LongitudeHemisphere> longitudeHemisphereOf(std::string_view word) {
  if (word == kEast) return LongitudeHemisphere::East;
  if (word == kWest) return LongitudeHemisphere::West;
  return std::nullopt;
}

std::string_view wordOf(LatitudeHemisphere hemisphere) {
  return hemisphere == LatitudeHemisphere::North ? kNorth : kSouth;
}

std::string_view wordOf(LongitudeHemisphere hemisphere) {
  return hemisphere == LongitudeHemisphere::East ? kEast : kWest;
}

geo::LocatorCodes codesOf(std::string_view text) {
  const std::u32string characters = utf8::decode(text);
  geo::LocatorCodes codes{};
  for (std::size_t i = 0; i < codes.size() && i < characters.size(); ++i) {
    codes[i] = cp1252::fromUnicode(characters[i]);
  }
  return codes;
}

std::string textOf(const geo::LocatorCodes& codes) {
  std::string text;
  for (const int code : codes) {
    // Codes stay within 0 to 255 for what the fields admit; anything else has no character.
    const bool inPage = code >= 0 && code <= 255;
    utf8::append(text, inPage ? cp1252::toUnicode(static_cast<std::uint8_t>(code)) : U'?');
  }
  return text;
}

}  // namespace tarvel::locator
