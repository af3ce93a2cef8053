#include "calc/rotator_command.hpp"

#include <cmath>
#include <cstdlib>

#include "calc/number_text.hpp"
#include "calc/operands.hpp"
#include "calc/rotator_link.hpp"
#include "calc/rotator_wait.hpp"
#include "geo/great_circle.hpp"
#include "rotator/range.hpp"

namespace tarvel::calc {
namespace {

using rotator::compassBearing;

constexpr std::string_view kAddressForm = "HÔTE[:PORT], port de 1 à 65535";

rotator::Address addressOf(std::string_view text, std::string_view source) {
  if (auto address = rotator::parseAddress(text)) return *address;
  throw BadInput(std::string(source) + " « " + std::string(text) + " » : adresse invalide (" +
                 std::string(kAddressForm) + ")");
}

rotator::Address chosenAddress(const RotatorOptions& options) {
  if (options.address) return *options.address;
  const char* environment = std::getenv("TARVEL_ROTATOR");
  if (environment && *environment) return addressOf(environment, "TARVEL_ROTATOR");
  return {std::string(rotator::kDefaultHost), rotator::kDefaultPort};
}

// A compass bearing and, in JSON always and in French where it differs, the rotator's value.
void azimuthField(ResultLine& line, std::string_view key, std::string_view label,
                  double rotatorAzimuth) {
  const double compass = compassBearing(rotatorAzimuth);
  line.field(key, label, [&](std::string& out) {
    appendAzimuth(out, compass);
    if (!line.json()) out += "°";
    if (line.json() || std::fabs(compass - rotatorAzimuth) < 0.05) return;
    out += " (";
    appendFixed(out, rotatorAzimuth, 1);
    out += "° pour le rotator)";
  });
  if (!line.json()) return;
  line.field("rotator_" + std::string(key), "",
             [&](std::string& out) { appendFixed(out, rotatorAzimuth, 1); });
}

void positionFields(ResultLine& line, rotator::Position position) {
  azimuthField(line, "azimuth", "azimut ", position.azimuth);
  line.field("elevation", "élévation ", [&](std::string& out) {
    appendFixed(out, position.elevation, 1);
    if (!line.json()) out += "°";
  });
}

double bearingOf(std::string_view from, std::string_view to, bool longPath) {
  const double shortPath = geo::greatCircle(parsePosition(from), parsePosition(to)).azimuth;
  return longPath ? geo::longPathAzimuth(shortPath) : shortPath;
}

}  // namespace

rotator::Address rotatorAddress(std::string_view text) {
  return addressOf(text, "--rotator");
}

void rotateAntenna(std::string_view from, std::string_view to, const RotatorOptions& options,
                   ResultLine& line) {
  const double bearing = bearingOf(from, to, options.longPath);
  RotatorLink link(chosenAddress(options));
  const auto limits = link.ask<rotator::Limits>(rotator::DumpState{});
  const auto start = link.ask<rotator::Position>(rotator::GetPosition{});
  const auto target = rotator::azimuthInRange(bearing, limits, start.azimuth);
  if (!target)
    link.fail({.kind = rotator::FaultKind::OutOfRange, .limits = limits, .target = bearing});
  // Held from before the antenna is sent, so that no Ctrl+C leaves it turning.
  Interrupts interrupts;
  link.ask<rotator::Accepted>(rotator::SetPosition{*target, 0});
  if (!options.noWait) positionFields(line, waitForAntenna(link, *target, start, interrupts));
  azimuthField(line, "target", "visée ", *target);
}

void readHeading(const RotatorOptions& options, ResultLine& line) {
  RotatorLink link(chosenAddress(options));
  positionFields(line, link.ask<rotator::Position>(rotator::GetPosition{}));
}

}  // namespace tarvel::calc
