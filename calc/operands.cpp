#include "calc/operands.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "geo/grid_square.hpp"

namespace tarvel::calc {
namespace {

constexpr std::array<Unit, 3> kUnits{{{"km", 1}, {"mi", 1.609344}, {"nmi", 1.852}}};
constexpr std::array<int, 4> kPrecisions{4, 6, 8, 10};
constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerDegree = 3600;

struct Axis {
  std::string_view name;  // in the messages
  double limit;           // the absolute value allowed
  char positive, negative;
  char alsoNegative;  // "O" for Ouest beside "W"
};
constexpr Axis kLatitude{"la latitude", 90, 'N', 'S', 'S'};
constexpr Axis kLongitude{"la longitude", 180, 'E', 'W', 'O'};

// The units marks of degrees, minutes and seconds, ASCII or typographic: the prime and double
// prime (U+2032, U+2033), and the right single quotation mark (U+2019) a keyboard gives for "'".
constexpr std::array<std::string_view, 2> kDegreeMarks{"°", "d"};
constexpr std::array<std::string_view, 3> kMinuteMarks{"'", "′", "’"};
constexpr std::array<std::string_view, 3> kSecondMarks{"\"", "″", "''"};

std::string quoted(std::string_view text) {
  return "« " + std::string(text) + " »";
}

// The character a user sees at a byte offset of UTF-8 text, counted from 1.
std::string characterAt(std::string_view text, std::size_t offset) {
  const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  const auto before = text.substr(0, offset);
  const auto skipped = std::count_if(before.begin(), before.end(), continuation);
  return "caractère " + std::to_string(offset - static_cast<std::size_t>(skipped) + 1);
}

std::string where(const Axis& axis, std::string_view text, std::size_t offset) {
  return std::string(axis.name) + " " + quoted(text) + ", " + characterAt(text, offset) + " : ";
}

[[noreturn]] void fail(std::string message) {
  throw BadInput(std::move(message));
}

// Reads a number without sign at `at`, moving past it.
std::optional<double> number(std::string_view text, std::size_t& at) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data() + at, text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc{}) return std::nullopt;
  at = static_cast<std::size_t>(end - text.data());
  return value;
}

bool skipMark(std::string_view text, std::size_t& at, auto marks) {
  for (std::string_view mark : marks) {
    if (text.substr(at).starts_with(mark)) {
      at += mark.size();
      return true;
    }
  }
  return false;
}

// Minutes or seconds after the degrees: a number and its mark, below 60.
double part(const Axis& axis, std::string_view text, std::size_t& at, auto marks,
            std::string_view name) {
  const std::size_t start = at;
  const auto value = number(text, at);
  if (!value) return 0;
  if (!skipMark(text, at, marks)) {
    fail(where(axis, text, at) + "il manque le symbole des " + std::string(name));
  }
  if (*value >= kMinutesPerDegree) {
    fail(where(axis, text, start) + std::string(name) + " de 0 à 59.999");
  }
  return *value;
}

double coordinate(std::string_view text, const Axis& axis) {
  if (text.empty()) fail(std::string(axis.name) + " manque");
  std::size_t at = 0;
  double sign = 1;
  if (text[0] == '-' || text[0] == '+') {
    sign = text[0] == '-' ? -1 : 1;
    at = 1;
  }
  const auto degrees = number(text, at);
  if (!degrees) fail(where(axis, text, at) + "un nombre est attendu");
  double value = *degrees;
  if (at < text.size() && skipMark(text, at, kDegreeMarks)) {
    value += part(axis, text, at, kMinuteMarks, "minutes") / kMinutesPerDegree;
    value += part(axis, text, at, kSecondMarks, "secondes") / kSecondsPerDegree;
  }
  if (at < text.size()) {
    const char letter = text[at];
    const bool negative = letter == axis.negative || letter == axis.alsoNegative;
    if ((letter != axis.positive && !negative) || at + 1 != text.size() || sign < 0) {
      fail(where(axis, text, at) + quoted(text.substr(at)) + " inattendu");
    }
    if (negative) sign = -1;
  }
  value *= sign;
  if (!(std::fabs(value) <= axis.limit)) {
    std::string limit = std::to_string(static_cast<int>(axis.limit));
    fail(std::string(axis.name) + " " + quoted(text) + " sort de la plage -" + limit + " à " +
         limit);
  }
  return value;
}

std::string pairName(std::size_t pair) {
  const geo::PairRule& rule = geo::kPairRules[pair];
  return std::string(rule.lowest == '0' ? "un chiffre" : "une lettre") + " de " + rule.lowest +
         " à " + rule.highest;
}

}  // namespace

std::string_view parseLocator(std::string_view text) {
  if (const auto fault = geo::checkSquare(text)) {
    if (fault->kind == geo::SquareFault::Kind::Length) {
      fail("locator " + quoted(text) + " de " + std::to_string(fault->position) +
           " caractères : il en faut un nombre pair, de 2 à 10");
    }
    const std::size_t at = static_cast<std::size_t>(fault->position - 1);
    fail("locator " + quoted(text) + ", " + characterAt(text, at) + " " +
         quoted(text.substr(at, 1)) + " : il faut " + pairName(at / 2));
  }
  return text;
}

geo::Position parsePosition(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    const bool letter =
        !text.empty() && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
    if (!letter)
      fail("position " + quoted(text) + " : ni locator ni LAT,LON (il manque la virgule)");
    return geo::decodeSquare(parseLocator(text)).centre;
  }
  return {coordinate(text.substr(0, comma), kLatitude),
          coordinate(text.substr(comma + 1), kLongitude)};
}

int parsePrecision(std::string_view text) {
  for (int precision : kPrecisions) {
    if (text == std::to_string(precision)) return precision;
  }
  fail("précision " + quoted(text) + " inconnue (4, 6, 8 ou 10)");
}

Unit parseUnit(std::string_view text) {
  for (const Unit& unit : kUnits) {
    if (text == unit.name) return unit;
  }
  fail("unité " + quoted(text) + " inconnue (km, mi ou nmi)");
}

std::chrono::sys_days parseDate(std::string_view text) {
  using namespace std::chrono;
  int y = 0;
  unsigned m = 0, d = 0;
  const char* end = text.data() + text.size();
  auto [p1, e1] = std::from_chars(text.data(), end, y);
  const bool shaped = text.size() == 10 && e1 == std::errc{} && p1 == text.data() + 4 &&
                      *p1 == '-' && std::from_chars(p1 + 1, end, m).ptr == p1 + 3 && p1[3] == '-' &&
                      std::from_chars(p1 + 4, end, d).ptr == end;
  const year_month_day date{year{y}, month{m}, day{d}};
  if (!shaped || !date.ok())
    fail("date " + quoted(text) + " invalide (AAAA-MM-JJ, par exemple 2026-06-21)");
  return sys_days{date};
}

}  // namespace tarvel::calc
