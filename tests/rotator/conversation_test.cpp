// rotctld's replies read from bytes as a socket delivers them: whole, in pieces, wrong, endless,
// cut off, late.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "rotator/conversation.hpp"

namespace tarvel::rotator {
namespace {

using namespace std::chrono_literals;
using Clock = Conversation::Clock;

constexpr std::string_view kDumpState45 =
    "1\n1\nmin_az=-180.000000\nmax_az=450.000000\nmin_el=0.000000\nmax_el=90.000000\n"
    "south_zero=0\nrot_type=AzEl\ndone\n";

std::string number(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string_view kindName(FaultKind kind) {
  switch (kind) {
    case FaultKind::Unreachable:
      return "unreachable";
    case FaultKind::ConnectTimeout:
      return "connect timeout";
    case FaultKind::UnknownHost:
      return "unknown host";
    case FaultKind::Network:
      return "network";
    case FaultKind::NoReply:
      return "no reply";
    case FaultKind::ClosedBeforeReply:
      return "closed before reply";
    case FaultKind::ClosedMidReply:
      return "closed mid-reply";
    case FaultKind::Refused:
      return "refused";
    case FaultKind::Malformed:
      return "malformed";
    case FaultKind::Overlong:
      return "overlong";
    case FaultKind::OutOfRange:
      return "out of range";
    case FaultKind::StoppedShort:
      return "stopped short";
  }
  return "?";
}

struct Describe {
  std::string operator()(const Accepted&) const { return "accepted"; }
  std::string operator()(const Position& p) const {
    return "position " + number(p.azimuth) + " " + number(p.elevation);
  }
  std::string operator()(const Limits& l) const {
    return "limits " + number(l.minAzimuth) + " " + number(l.maxAzimuth);
  }
  std::string operator()(const Fault& f) const {
    std::string text = "fault " + std::string(kindName(f.kind));
    if (f.kind == FaultKind::Refused) text += " " + std::to_string(f.code);
    if (!f.reply.empty()) text += " [" + f.reply + "]";
    return text + " to [" + f.command + "]";
  }
};

std::string describe(const Outcome& outcome) {
  return std::visit(Describe{}, outcome);
}

struct Exchange {
  const char* name;
  Command command;
  std::vector<std::string> chunks;  // read in turn
  bool closes;                      // then the peer closes the connection
  std::string expected;             // the outcome, which comes with the last chunk
};

const std::vector<Exchange> kExchanges{
    {"accepted", SetPosition{224, 0}, {"RPRT 0\n"}, false, "accepted"},
    {"out of the limits",
     SetPosition{500, 0},
     {"RPRT -1\n"},
     false,
     "fault refused -1 [RPRT -1] to [P 500.0 0.0]"},
    {"from a daemon built for Windows", Stop{}, {"RPRT 0\r\n"}, false, "accepted"},
    {"a status that is not one",
     Stop{},
     {"RPRT zero\n"},
     false,
     "fault malformed [RPRT zero] to [S]"},
    {"position in pieces", GetPosition{}, {"6.0", "1\n0.0", "0\n"}, false, "position 6.01 0"},
    {"position as printf's %f",
     GetPosition{},
     {"-136.000000\n0.000000\n"},
     false,
     "position -136 0"},
    {"position refused", GetPosition{}, {"RPRT -5\n"}, false, "fault refused -5 [RPRT -5] to [p]"},
    {"position not a number", GetPosition{}, {"abc\n0\n"}, false, "fault malformed [abc] to [p]"},
    {"position neither finite", GetPosition{}, {"nan\n"}, false, "fault malformed [nan] to [p]"},
    {"position without one", GetPosition{}, {"RPRT 0\n"}, false, "fault malformed [RPRT 0] to [p]"},
    {"hamlib 4.5's state", DumpState{}, {std::string(kDumpState45)}, false, "limits -180 450"},
    {"the state with keyed model, byte by byte", DumpState{},
     [] {
       std::vector<std::string> bytes;
       for (char c : std::string_view("1\nrot_model=1\nmin_az=0.000000\nmax_az=360.000000\n"
                                      "min_el=0.000000\nmax_el=90.000000\ndone\n"))
         bytes.emplace_back(1, c);
       return bytes;
     }(),
     false, "limits 0 360"},
    {"protocol 0's state, without keys",
     DumpState{},
     {"0\n603\n-180.000000\n180.000000\n0.000000\n90.000000\n"},
     false,
     "limits -180 180"},
    {"a state without max_az",
     DumpState{},
     {"1\n1\nmin_az=0.000000\ndone\n"},
     false,
     "fault malformed [done] to [\\dump_state]"},
    {"a state with a limit that is not a number",
     DumpState{},
     {"1\n1\nmin_az=0.000000\nmax_az=\ndone\n"},
     false,
     "fault malformed [max_az=] to [\\dump_state]"},
    {"the state refused",
     DumpState{},
     {"RPRT -11\n"},
     false,
     "fault refused -11 [RPRT -11] to [\\dump_state]"},
    {"more than the reply",
     SetPosition{10, 0},
     {"RPRT 0\nRPRT 0\n"},
     false,
     "fault malformed [RPRT 0] to [P 10.0 0.0]"},
    {"100 kB without a newline",
     GetPosition{},
     {std::string(100'000, '7')},
     false,
     "fault overlong to [p]"},
    {"closed before a byte", GetPosition{}, {}, true, "fault closed before reply to [p]"},
    {"closed mid-reply", GetPosition{}, {"12.0"}, true, "fault closed mid-reply to [p]"},
    {"closed after the azimuth", GetPosition{}, {"12.0\n"}, true, "fault closed mid-reply to [p]"},
};

TEST(Conversation, ReadsEachReply) {
  const Clock::time_point now{};
  for (const Exchange& exchange : kExchanges) {
    SCOPED_TRACE(exchange.name);
    Conversation conversation;
    conversation.ask(exchange.command, now);
    std::optional<Outcome> outcome;
    for (std::size_t i = 0; i < exchange.chunks.size(); ++i) {
      ASSERT_FALSE(outcome) << "came before chunk " << i << ": " << describe(*outcome);
      outcome = conversation.receive(exchange.chunks[i]);
    }
    if (exchange.closes) {
      ASSERT_FALSE(outcome) << describe(*outcome);
      outcome = conversation.closed();
    }
    ASSERT_TRUE(outcome);
    EXPECT_EQ(describe(*outcome), exchange.expected);
    EXPECT_FALSE(conversation.waiting());
  }
}

// What a command's line is: a tenth of a degree with a point, never "-0.0"; a long name with its
// backslash.
TEST(Conversation, AsksWithOneLine) {
  const Clock::time_point now{};
  Conversation conversation;
  EXPECT_EQ(conversation.ask(SetPosition{-136.04, 0}, now), "P -136.0 0.0\n");
  conversation.closed();
  EXPECT_EQ(conversation.ask(SetPosition{-0.04, 0.06}, now), "P 0.0 0.1\n");
  conversation.closed();
  EXPECT_EQ(conversation.ask(DumpState{}, now), "\\dump_state\n");
}

// A flood is refused once the bound is passed, not after the last byte: memory stays bounded.
TEST(Conversation, StopsReadingAnEndlessReply) {
  Conversation conversation;
  conversation.ask(GetPosition{}, Clock::time_point{});
  const std::string kilobyte(1000, '1');
  int read = 0;
  std::optional<Outcome> outcome;
  while (!outcome && read < 100)
    outcome = conversation.receive(kilobyte), ++read;
  ASSERT_TRUE(outcome);
  EXPECT_EQ(describe(*outcome), "fault overlong to [p]");
  EXPECT_LE(read, 10);
}

TEST(Conversation, BytesNobodyAskedForAreAFault) {
  Conversation conversation;
  const auto outcome = conversation.receive("RPRT 0\n");
  ASSERT_TRUE(outcome);
  EXPECT_EQ(describe(*outcome), "fault malformed [RPRT 0] to []");
  EXPECT_EQ(describe(conversation.closed()), "fault closed before reply to []");
}

// Each reply has its own two seconds, counted from its command, by the caller's clock.
TEST(Conversation, ReplyIsDueTwoSecondsAfterItsCommand) {
  const Clock::time_point start{};
  Conversation conversation;
  conversation.ask(GetPosition{}, start);
  EXPECT_EQ(conversation.deadline(), start + 2s);
  EXPECT_FALSE(conversation.expire(start + 1999ms));
  EXPECT_FALSE(conversation.receive("12.5\n"));
  EXPECT_FALSE(conversation.expire(start + 1999ms));
  const auto late = conversation.expire(start + 2s);
  ASSERT_TRUE(late);
  EXPECT_EQ(describe(*late), "fault no reply to [p]");
  EXPECT_FALSE(conversation.expire(start + 10s));  // said once

  conversation.ask(Stop{}, start + 10s);
  EXPECT_FALSE(conversation.expire(start + 11s));
  EXPECT_EQ(describe(*conversation.receive("RPRT 0\n")), "accepted");
  EXPECT_FALSE(conversation.expire(start + 20s));  // nothing is waiting
}

// A refusal is a whole reply: the next command goes on the same connection.
TEST(Conversation, GoesOnAfterARefusal) {
  Conversation conversation;
  conversation.ask(SetPosition{500, 0}, Clock::time_point{});
  const auto refused = conversation.receive("RPRT -1\n");
  ASSERT_TRUE(refused);
  ASSERT_TRUE(std::holds_alternative<Fault>(*refused));
  EXPECT_FALSE(endsConnection(std::get<Fault>(*refused).kind));
  EXPECT_EQ(conversation.ask(GetPosition{}, Clock::time_point{}), "p\n");
  EXPECT_EQ(describe(*conversation.receive("10.00\n0.00\n")), "position 10 0");
}

}  // namespace
}  // namespace tarvel::rotator
