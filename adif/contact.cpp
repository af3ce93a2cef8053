#include "adif/contact.hpp"

#include <algorithm>
#include <charconv>
#include <optional>

#include "geo/great_circle.hpp"
#include "geo/grid_square.hpp"

namespace tarvel::adif {
namespace {

// An extension continues an eight-character square with characters 9 and 10, as far as the grid
// goes; what an extension holds beyond them is finer than a tenth of a kilometre.
constexpr std::size_t kSquareBeforeExtension = 8;
constexpr std::size_t kExtensionUsed = 2;
constexpr double kMinutesPerDegree = 60;

struct Side {
  Field square, extension, latitude, longitude;
};
constexpr Side kMine{Field::MyGridSquare, Field::MyGridSquareExt, Field::MyLat, Field::MyLon};
constexpr Side kTheirs{Field::GridSquare, Field::GridSquareExt, Field::Lat, Field::Lon};

struct Axis {
  char positive, negative;
  double limit;
};
constexpr Axis kLatitude{'N', 'S', 90};
constexpr Axis kLongitude{'E', 'W', 180};

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// XDDD MM.MMM: a hemisphere letter, three digits of degrees, a space, the minutes below 60.
std::optional<double> coordinate(std::string_view text, const Axis& axis) {
  if (text.size() < 6 || text[4] != ' ' || !digit(text[5])) return std::nullopt;
  const char letter = capital(text[0]);
  if (letter != axis.positive && letter != axis.negative) return std::nullopt;
  if (!std::all_of(text.begin() + 1, text.begin() + 4, digit)) return std::nullopt;
  const double degrees = (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
  double minutes = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] =
      std::from_chars(text.data() + 5, end, minutes, std::chars_format::fixed);
  if (error != std::errc{} || stop != end || minutes >= kMinutesPerDegree) return std::nullopt;
  const double value = degrees + minutes / kMinutesPerDegree;
  if (value > axis.limit) return std::nullopt;
  return letter == axis.negative ? -value : value;
}

std::variant<Station, Skip> stationOf(const Record& record, const Side& side,
                                      std::string_view fallback) {
  const Record::Value& square = record[side.square];
  std::string text = square.empty() ? std::string(fallback) : square.text;
  if (text.empty()) return Skip{Skip::Reason::NoSquares, side.square};
  if (square.cut || geo::checkSquare(text)) return Skip{Skip::Reason::BadSquare, side.square};
  const Record::Value& extension = record[side.extension];
  if (text.size() == kSquareBeforeExtension && !extension.empty()) {
    text.append(extension.text.substr(0, kExtensionUsed));
    if (geo::checkSquare(text)) return Skip{Skip::Reason::BadSquare, side.extension};
  }
  std::transform(text.begin(), text.end(), text.begin(), capital);
  const geo::Square cell = geo::decodeSquare(text);
  Station station{text, cell, cell.centre};
  const Record::Value& latitude = record[side.latitude];
  const Record::Value& longitude = record[side.longitude];
  if (latitude.empty() || longitude.empty()) return station;
  const auto lat = coordinate(latitude.text, kLatitude);
  if (!lat) return Skip{Skip::Reason::BadPosition, side.latitude};
  const auto lon = coordinate(longitude.text, kLongitude);
  if (!lon) return Skip{Skip::Reason::BadPosition, side.longitude};
  station.position = {*lat, *lon};
  return station;
}

// ANT_PATH: true for the long path, nothing for O and what ADIF does not define.
std::variant<bool, Skip> longPathOf(const Record& record) {
  const Record::Value& path = record[Field::AntPath];
  if (path.empty()) return false;
  const char letter = path.text.size() == 1 ? capital(path.text[0]) : '\0';
  switch (letter) {
    case 'S':
    case 'G':
      return false;
    case 'L':
      return true;
    case 'O':
      return Skip{Skip::Reason::OtherPath, Field::AntPath};
    default:
      return Skip{Skip::Reason::BadPath, Field::AntPath};
  }
}

}  // namespace

std::variant<Contact, Skip> contactOf(const Record& record, std::string_view myGrid) {
  const auto longPath = longPathOf(record);
  if (const Skip* skip = std::get_if<Skip>(&longPath)) return *skip;
  auto mine = stationOf(record, kMine, myGrid);
  if (const Skip* skip = std::get_if<Skip>(&mine)) return *skip;
  auto theirs = stationOf(record, kTheirs, {});
  if (const Skip* skip = std::get_if<Skip>(&theirs)) return *skip;
  return Contact{std::move(std::get<Station>(mine)), std::move(std::get<Station>(theirs)),
                 std::get<bool>(longPath)};
}

double distanceOf(const Contact& contact) {
  const double angle =
      geo::greatCircle(contact.mine.position, contact.theirs.position).centralAngle;
  return (contact.longPath ? geo::longPathAngle(angle) : angle) * geo::kEarthRadius;
}

// To a corner on the equator's side, where a degree of longitude is longest: the farthest of the
// four (haversine: the same step in latitude, a larger cosine).
double halfDiagonal(const Station& station) {
  const geo::Square& cell = station.cell;
  const double halfHeight = cell.centre.latitude - cell.southWest.latitude;
  const double halfWidth = cell.centre.longitude - cell.southWest.longitude;
  const double towardsEquator = cell.centre.latitude > 0 ? -halfHeight : halfHeight;
  const geo::Position corner{cell.centre.latitude + towardsEquator,
                             cell.centre.longitude + halfWidth};
  return geo::greatCircle(cell.centre, corner).centralAngle * geo::kEarthRadius;
}

}  // namespace tarvel::adif
