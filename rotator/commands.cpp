#include "rotator/commands.hpp"

#include "rotator/tenths.hpp"

namespace tarvel::rotator {
namespace {

struct Text {
  std::string operator()(const SetPosition& p) const {
    return "P " + tenths(p.azimuth) + " " + tenths(p.elevation);
  }
  std::string operator()(const GetPosition&) const { return "p"; }
  std::string operator()(const Stop&) const { return "S"; }
  std::string operator()(const DumpState&) const { return "\\dump_state"; }
};

}  // namespace

std::string commandText(const Command& command) {
  return std::visit(Text{}, command);
}

}  // namespace tarvel::rotator
