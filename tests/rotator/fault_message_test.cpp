// Every fault says what and where, in French.
#include <gtest/gtest.h>

#include <vector>

#include "rotator/fault.hpp"

namespace tarvel::rotator {
namespace {

constexpr std::string_view kWhere = "192.0.2.7:4533";

TEST(FaultMessage, NamesTheRotatorAndTheCommand) {
  const std::vector<FaultKind> replyFaults{FaultKind::NoReply,        FaultKind::ClosedBeforeReply,
                                           FaultKind::ClosedMidReply, FaultKind::Refused,
                                           FaultKind::Malformed,      FaultKind::Overlong};
  for (FaultKind kind : replyFaults) {
    const std::string message =
        faultMessage({.kind = kind, .command = "P 224.0 0.0", .code = -1}, kWhere);
    SCOPED_TRACE(message);
    EXPECT_NE(message.find(kWhere), std::string::npos);
    EXPECT_NE(message.find("« P 224.0 0.0 »"), std::string::npos);
  }
  for (FaultKind kind : {FaultKind::Unreachable, FaultKind::ConnectTimeout, FaultKind::UnknownHost,
                         FaultKind::Network, FaultKind::OutOfRange, FaultKind::StoppedShort}) {
    const std::string message = faultMessage({.kind = kind}, kWhere);
    EXPECT_NE(message.find(kWhere), std::string::npos) << message;
  }
}

TEST(FaultMessage, SaysWhatTheRotatorAnswered) {
  EXPECT_EQ(
      faultMessage({.kind = FaultKind::Refused, .command = "P 500.0 0.0", .code = -1}, kWhere),
      "le rotator à 192.0.2.7:4533 refuse « P 500.0 0.0 » : RPRT -1, "
      "paramètre invalide");
  EXPECT_EQ(faultMessage({.kind = FaultKind::Unreachable}, "127.0.0.1:4533"),
            "aucun rotator ne répond à 127.0.0.1:4533 : rotctld est-il lancé ?");
  // A peer's bytes are shown cut short, and only as printable text.
  const std::string message = faultMessage(
      {.kind = FaultKind::Malformed, .command = "p", .reply = "\x1b[2J" + std::string(60, 'x')},
      kWhere);
  EXPECT_NE(message.find("« ?[2J" + std::string(36, 'x') + "... »"), std::string::npos) << message;
  EXPECT_EQ(
      faultMessage({.kind = FaultKind::OutOfRange, .limits = {0, 180}, .target = 224}, kWhere),
      "l'azimut 224.0° sort des limites du rotator à 192.0.2.7:4533 "
      "(0.0° à 180.0°)");
}

}  // namespace
}  // namespace tarvel::rotator
