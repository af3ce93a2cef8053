#include "calc/commands.hpp"

#include <array>

#include "calc/number_text.hpp"
#include "geo/great_circle.hpp"
#include "geo/grid_square.hpp"
#include "geo/sun.hpp"

namespace tarvel::calc {
namespace {

constexpr std::array<CommandInfo, 4> kCommands{{{"locator", Command::Locator, 1},
                                                {"position", Command::Position, 1},
                                                {"path", Command::Path, 2},
                                                {"sun", Command::Sun, 1}}};
constexpr int kDistanceDecimals = 1;

// One result, written as "key":value pairs in JSON or as French words otherwise.
class Line {
 public:
  Line(std::string& out, bool json) : out_(out), json_(json) {
    if (json_) out_ += '{';
  }
  ~Line() { out_ += json_ ? "}\n" : "\n"; }

  // The key in JSON, the French label otherwise; appends the value with `write`.
  template <typename Write>
  void field(std::string_view key, std::string_view label, Write write) {
    if (json_) {
      if (!first_) out_ += ',';
      out_ += '"';
      out_ += key;
      out_ += "\":";
    } else {
      if (!first_) out_ += " ; ";
      out_ += label;
    }
    first_ = false;
    write(out_);
  }
  bool json() const { return json_; }

 private:
  std::string& out_;
  bool json_;
  bool first_ = true;
};

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

void locator(std::string_view operand, const Options& options, Line& line) {
  const std::string text = geo::encodeSquare(parsePosition(operand), options.precision);
  line.field("locator", "locator ",
             [&](std::string& out) { appendString(out, text, line.json()); });
}

void position(std::string_view operand, Line& line) {
  const geo::Square square = geo::decodeSquare(parseLocator(operand));
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

void path(std::string_view from, std::string_view to, const Options& options, Line& line) {
  const geo::GreatCircle circle = geo::greatCircle(parsePosition(from), parsePosition(to));
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
      if (!line.json()) o += "\xC2\xB0";
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
      return json ? "polar_night" : "nuit polaire, le Soleil ne se l\xC3\xA8ve pas";
    case geo::Daylight::Normal:
      break;
  }
  return json ? "normal" : "";
}

void sunEvents(std::string_view operand, const Options& options, Line& line) {
  const geo::SunTimes times = geo::sunTimes(parsePosition(operand), options.date);
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

}  // namespace

const CommandInfo* findCommand(std::string_view name) {
  for (const CommandInfo& info : kCommands) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

void runCommand(const CommandInfo& command, std::span<const std::string_view> operands,
                const Options& options, std::string& out) {
  // A fault halfway leaves the output as it was, so a batch goes on with whole lines only.
  const std::size_t start = out.size();
  try {
    Line line(out, options.json);
    switch (command.command) {
      case Command::Locator:
        locator(operands[0], options, line);
        break;
      case Command::Position:
        position(operands[0], line);
        break;
      case Command::Path:
        path(operands[0], operands[1], options, line);
        break;
      case Command::Sun:
        sunEvents(operands[0], options, line);
        break;
    }
  } catch (const BadInput&) {
    out.resize(start);
    throw;
  }
}

}  // namespace tarvel::calc
