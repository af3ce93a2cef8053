#include "adif/names.hpp"

#include <algorithm>
#include <array>

namespace tarvel::adif {
namespace {

constexpr std::array<std::string_view, kFieldCount> kNames{
    "CALL", "QSO_DATE", "GRIDSQUARE", "GRIDSQUARE_EXT", "MY_GRIDSQUARE", "MY_GRIDSQUARE_EXT",
    "LAT",  "LON",      "MY_LAT",     "MY_LON",         "ANT_PATH",      "DISTANCE"};

}  // namespace

std::string_view nameOf(Field field) {
  return kNames[static_cast<std::size_t>(field)];
}

std::optional<Field> fieldOf(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (sameName(name, kNames[i])) return static_cast<Field>(i);
  }
  return std::nullopt;
}

bool sameName(std::string_view written, std::string_view capitals) {
  return written.size() == capitals.size() &&
         std::equal(written.begin(), written.end(), capitals.begin(),
                    [](char a, char b) { return capital(a) == b; });
}

}  // namespace tarvel::adif
