#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "rotator/commands.hpp"
#include "rotator/outcome.hpp"

namespace tarvel::rotator {

// The reply to one command, read a line at a time:
//  - P and S: one line, "RPRT 0" or "RPRT -n";
//  - p: the azimuth and the elevation, a number a line, or one "RPRT -n";
//  - \dump_state: its protocol's number, then, from protocol 1 on, "key=value" lines (and the
//    model's number) up to "done"; protocol 0 (hamlib before 4.0) has no keys, five numbers:
//    model, min_az, max_az, min_el, max_el. Or one "RPRT -n".
class ReplyReader {
 public:
  explicit ReplyReader(const Command& command);

  // One line without its end of line; the outcome once the reply is whole. A fault comes with
  // the first line that cannot belong to the reply.
  std::optional<Outcome> line(std::string_view text);

 private:
  enum class Shape { Status, Position, State };
  static Shape shapeOf(const Command& command);

  std::optional<Outcome> statusLine(std::string_view text);
  std::optional<Outcome> positionLine(std::string_view text);
  std::optional<Outcome> stateLine(std::string_view text);
  Fault fault(FaultKind kind, std::string_view reply) const;

  Command command_;
  Shape shape_;
  std::vector<double> numbers_;  // p's, and protocol 0's
  std::optional<int> protocol_;
  std::optional<double> minAzimuth_, maxAzimuth_;
};

}  // namespace tarvel::rotator
