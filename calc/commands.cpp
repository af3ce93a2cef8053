#include "calc/commands.hpp"

#include <array>

#include "calc/number_text.hpp"
#include "calc/result_line.hpp"
#include "calc/rotator_command.hpp"
#include "calc/status.hpp"
#include "geo/great_circle.hpp"
#include "geo/grid_square.hpp"
#include "geo/sun.hpp"

namespace tarvel::calc {
namespace {

constexpr int kDistanceDecimals = 1;

void appendString(std::string& out, std::string_view text, bool json) {
  if (json) out += '"';
  out += text;
  if (json) out += '"';
}

void appendPosition(std::string& out, geo::Position p) {
  appendDegrees(out, p.latitude);
  out += ',';
  appendDegrees(out, p.longitude);
}

using Operands = std::span<const std::string_view>;

void locator(Operands operands, const Options& options, ResultLine& line) {
  const std::string text = geo::encodeSquare(parsePosition(operands[0]), options.precision);
  line.field("locator", "locator ",
             [&](std::string& out) { appendString(out, text, line.json()); });
}

void position(Operands operands, const Options&, ResultLine& line) {
  const geo::Square square = geo::decodeSquare(parseLocator(operands[0]));
  if (line.json()) {
    line.field("latitude", "", [&](std::string& o) { appendDegrees(o, square.centre.latitude); });
    line.field("longitude", "", [&](std::string& o) { appendDegrees(o, square.centre.longitude); });
    line.field("corner_latitude", "",
               [&](std::string& o) { appendDegrees(o, square.southWest.latitude); });
    line.field("corner_longitude", "",
               [&](std::string& o) { appendDegrees(o, square.southWest.longitude); });
    return;
  }
  line.field("", "centre ", [&](std::string& o) { appendPosition(o, square.centre); });
  line.field("", "coin sud-ouest ", [&](std::string& o) { appendPosition(o, square.southWest); });
}

void path(Operands operands, const Options& options, ResultLine& line) {
  const geo::GreatCircle circle =
      geo::greatCircle(parsePosition(operands[0]), parsePosition(operands[1]));
  const double unitsPerRadian = geo::kEarthRadius / options.unit.kilometres;
  const auto distance = [&](double angle) {
    return [&, angle](std::string& o) {
      appendFixed(o, angle * unitsPerRadian, kDistanceDecimals);
      if (!line.json()) o.append(" ").append(options.unit.name);
    };
  };
  const auto heading = [&](double degrees) {
    return [&, degrees](std::string& o) {
      appendAzimuth(o, degrees);
      if (!line.json()) o += "°";
    };
  };
  line.field("distance", "distance ", distance(circle.centralAngle));
  line.field("azimuth", "azimut ", heading(circle.azimuth));
  line.field("reverse_azimuth", "azimut retour ", heading(circle.reverseAzimuth));
  line.field("long_path_distance", "chemin long ",
             distance(geo::longPathAngle(circle.centralAngle)));
  line.field("long_path_azimuth", "azimut chemin long ",
             heading(geo::longPathAzimuth(circle.azimuth)));
  if (line.json())
    line.field("unit", "", [&](std::string& o) { appendString(o, options.unit.name, true); });
}

std::string_view stateName(geo::Daylight daylight, bool json) {
  switch (daylight) {
    case geo::Daylight::PolarDay:
      return json ? "polar_day" : "jour polaire, le Soleil ne se couche pas";
    case geo::Daylight::PolarNight:
      return json ? "polar_night" : "nuit polaire, le Soleil ne se lève pas";
    case geo::Daylight::Normal:
      break;
  }
  return json ? "normal" : "";
}

void sun(Operands operands, const Options& options, ResultLine& line) {
  const geo::SunTimes times = geo::sunTimes(parsePosition(operands[0]), options.date);
  const std::chrono::year_month_day date{options.date};
  line.field("date", "", [&](std::string& o) {
    if (line.json()) o += '"';
    appendInteger(o, static_cast<int>(date.year()), 4);
    o += '-';
    appendInteger(o, static_cast<int>(static_cast<unsigned>(date.month())), 2);
    o += '-';
    appendInteger(o, static_cast<int>(static_cast<unsigned>(date.day())), 2);
    if (line.json()) o += '"';
  });
  const auto clock = [&](std::optional<int> minutes) {
    return [&, minutes](std::string& o) {
      if (!minutes) {
        o += line.json() ? "null" : "aucun ce jour";
        return;
      }
      if (line.json()) o += '"';
      appendClock(o, *minutes);
      o += line.json() ? "\"" : " UTC";
    };
  };
  if (line.json() || times.daylight == geo::Daylight::Normal) {
    line.field("sunrise", "lever ", clock(times.sunrise));
    line.field("sunset", "coucher ", clock(times.sunset));
  }
  if (line.json() || times.daylight != geo::Daylight::Normal) {
    line.field("state", "", [&](std::string& o) {
      appendString(o, stateName(times.daylight, line.json()), line.json());
    });
  }
}

// A command of one result line, in French or as one JSON object.
template <void (*write)(Operands, const Options&, ResultLine&)>
int oneLine(const CommandCall& call) {
  ResultLine line(call.out, call.options.json);
  write(call.operands, call.options, line);
  return kSuccess;
}

void rotate(Operands operands, const Options& options, ResultLine& line) {
  rotateAntenna(operands[0], operands[1], options.rotator, line);
}

void heading(Operands, const Options& options, ResultLine& line) {
  readHeading(options.rotator, line);
}

// A log in, a log out (or findings): its output is its own, not a result line.
int adif(const CommandCall& call) {
  return runAdif(call.operands.empty() ? "" : call.operands[0], call.options.adif,
                 call.options.json);
}

void setPrecision(std::string_view value, Options& options) {
  options.precision = parsePrecision(value);
}
void setUnit(std::string_view value, Options& options) {
  options.unit = parseUnit(value);
}
void setDate(std::string_view value, Options& options) {
  options.date = parseDate(value);
}
void setLongPath(std::string_view, Options& options) {
  options.rotator.longPath = true;
}
void setNoWait(std::string_view, Options& options) {
  options.rotator.noWait = true;
}
void setRotator(std::string_view value, Options& options) {
  options.rotator.address = rotatorAddress(value);
}

void setMyGrid(std::string_view value, Options& options) {
  options.adif.myGrid = parseLocator(value);
}
template <bool AdifOptions::*flag>
void setAdifFlag(std::string_view, Options& options) {
  options.adif.*flag = true;
}

constexpr OptionEntry kPrecision{"--precision", true, setPrecision};
constexpr OptionEntry kUnit{"--unit", true, setUnit};
constexpr OptionEntry kDate{"--date", true, setDate};
constexpr OptionEntry kLongPath{"--long-path", false, setLongPath};
constexpr OptionEntry kNoWait{"--no-wait", false, setNoWait};
constexpr OptionEntry kRotator{"--rotator", true, setRotator};
constexpr OptionEntry kMyGrid{"--my-grid", true, setMyGrid};
constexpr OptionEntry kOverwrite{"--overwrite", false, setAdifFlag<&AdifOptions::overwrite>};
constexpr OptionEntry kCheck{"--check", false, setAdifFlag<&AdifOptions::check>};
constexpr OptionEntry kInPlace{"--in-place", false, setAdifFlag<&AdifOptions::inPlace>};
constexpr std::array<const OptionEntry*, 1> kLocatorOptions{&kPrecision};
constexpr std::array<const OptionEntry*, 1> kPathOptions{&kUnit};
constexpr std::array<const OptionEntry*, 1> kSunOptions{&kDate};
constexpr std::array<const OptionEntry*, 3> kRotateOptions{&kLongPath, &kRotator, &kNoWait};
constexpr std::array<const OptionEntry*, 1> kHeadingOptions{&kRotator};
constexpr std::array<const OptionEntry*, 4> kAdifOptions{&kMyGrid, &kOverwrite, &kCheck, &kInPlace};

constexpr std::array<const OptionEntry*, 0> kNoOptions{};

// Name, run, fewest and most operands, options, reads line batches, usage line, summary.
constexpr std::array<CommandEntry, 7> kCommands{{
    {"locator", oneLine<locator>, 1, 1, kLocatorOptions, true,
     "locator LAT,LON [--precision 4|6|8|10]",
     "le locator de la position, de 6 caractères par défaut"},
    {"position", oneLine<position>, 1, 1, kNoOptions, true, "position LOCATOR",
     "le centre et le coin sud-ouest du carré d'un locator de 2 à 10 caractères"},
    {"path", oneLine<path>, 2, 2, kPathOptions, true, "path DE VERS [--unit km|mi|nmi]",
     "distance, azimut, azimut retour, distance et azimut du chemin long"},
    {"sun", oneLine<sun>, 1, 1, kSunOptions, true, "sun POSITION [--date AAAA-MM-JJ]",
     "lever et coucher du Soleil ce jour-là en UTC, aujourd'hui par défaut"},
    {"rotate", oneLine<rotate>, 2, 2, kRotateOptions, false,
     "rotate DE VERS [--long-path] [--rotator HÔTE[:PORT]] [--no-wait]",
     "tourne l'antenne vers VERS vu de DE (chemin court, ou long), par rotctld, et attend "
     "qu'elle y soit, sauf avec --no-wait"},
    {"heading", oneLine<heading>, 0, 0, kHeadingOptions, false, "heading [--rotator HÔTE[:PORT]]",
     "l'azimut et l'élévation de l'antenne"},
    {"adif", adif, 0, 1, kAdifOptions, false,
     "adif [FICHIER] [--my-grid LOCATOR] [--overwrite | --check] [--in-place]",
     "le journal ADIF (l'entrée standard sans FICHIER) avec la DISTANCE de chaque contact ; "
     "avec --check, les distances qui ne s'accordent pas avec les locators"},
}};

}  // namespace

std::span<const CommandEntry> commandTable() {
  return kCommands;
}

int runCommand(const CommandEntry& command, std::span<const std::string_view> operands,
               const Options& options, std::string& out) {
  // A fault halfway leaves the output as it was, so a batch goes on with whole lines only.
  const std::size_t start = out.size();
  try {
    return command.run({operands, options, out});
  } catch (const BadInput&) {
    out.resize(start);
    throw;
  }
}

}  // namespace tarvel::calc
