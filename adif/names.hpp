#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The fields the distances are read from, and the few that name a record in a finding. Every
// other field passes through untouched.
namespace tarvel::adif {

enum class Field : std::uint8_t {
  Call,
  QsoDate,
  GridSquare,
  GridSquareExt,
  MyGridSquare,
  MyGridSquareExt,
  Lat,
  Lon,
  MyLat,
  MyLon,
  AntPath,
  Distance,
};
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::Distance) + 1;

// A field's name as ADIF spells it, in capitals.
std::string_view nameOf(Field field);
// The field a name as written stands for (names are case-insensitive), if the command reads it.
std::optional<Field> fieldOf(std::string_view name);

inline char capital(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// ASCII letters compared without their case against a name in capitals.
bool sameName(std::string_view written, std::string_view capitals);

}  // namespace tarvel::adif
