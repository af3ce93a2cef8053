#pragma once

#include <string>
#include <string_view>

#include "rotator/replies.hpp"

// Everything that can go wrong between Tarvel and a rotator, and the French message that says
// what and where. The transports report theirs (connection, system errors) in the same terms.
namespace tarvel::rotator {

enum class FaultKind {
  Unreachable,        // nothing listening there: the connection was refused
  ConnectTimeout,     // no connection within the time limit
  UnknownHost,        // the name resolves to no address
  Network,            // another refusal of the system's network calls; `code` is its number
  NoReply,            // no whole reply within the time limit
  ClosedBeforeReply,  // the peer closed the connection before a byte of the reply
  ClosedMidReply,     // ... or after part of it
  Refused,            // RPRT with a hamlib error; `code` is as sent, negative
  Malformed,          // a line the command does not answer; `reply` holds it
  Overlong,           // a reply beyond kReplyLimit (bounds.hpp)
  OutOfRange,         // `target` fits nowhere in `limits`
  StoppedShort,       // the antenna stopped at `heading`, away from `target`
};

struct Fault {
  FaultKind kind;
  std::string command{};  // the command's text, for a fault in its reply
  int code = 0;
  std::string reply{};
  Limits limits{};
  double target = 0;   // compass degrees
  double heading = 0;  // compass degrees
};

// The fault in French for the rotator at `where` (HOST:PORT), without a final full stop.
std::string faultMessage(const Fault& fault, std::string_view where);

// True for the faults after which the connection can carry no further command: its state is
// unknown (a late reply may still come), so the caller closes it. A refusal (RPRT -n) or a
// bearing out of range leaves it usable.
bool endsConnection(FaultKind kind);

}  // namespace tarvel::rotator
