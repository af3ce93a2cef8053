// The window's lasting exchange with rotctld, driven as an event loop would drive it: the bytes it
// writes, the replies fed back in pieces, the connection's faults, and the clock moved by hand.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rotator/session.hpp"

namespace tarvel::rotator {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kDumpState180 =
    "1\n1\nmin_az=-180.000000\nmax_az=180.000000\nmin_el=0.000000\nmax_el=90.000000\ndone\n";

// What the session asked of the network, and a clock that moves only when told.
struct ScriptedTransport : Transport {
  std::vector<std::string> log;  // "open HOST:PORT", the lines written, "close"
  Clock::time_point clock{};
  Clock::time_point wake{};

  void open(const Address& address) override { log.push_back("open " + addressText(address)); }
  void write(std::string_view bytes) override { log.emplace_back(bytes); }
  void close() override { log.emplace_back("close"); }
  void wakeAt(Clock::time_point when) override { wake = when; }
  Clock::time_point now() override { return clock; }
  std::string last() const { return log.empty() ? std::string() : log.back(); }
};

class SessionTest : public ::testing::Test {
 protected:
  ScriptedTransport transport;
  Session session{{"127.0.0.1", 4533}, transport};

  // Connected, the range read and the antenna at `heading`.
  void pointFrom(double heading, double bearing) {
    session.point(bearing);
    session.connected();
    session.received(kDumpState180);
    session.received(std::to_string(heading) + "\n0.000000\n");
  }
};

TEST_F(SessionTest, ABearingIsSentInTheRotatorsRangeOnceItsRangeAndHeadingAreKnown) {
  session.point(224.2);
  EXPECT_EQ(transport.last(), "open 127.0.0.1:4533");
  session.connected();
  EXPECT_EQ(transport.last(), "\\dump_state\n");
  session.received(kDumpState180.substr(0, 20));  // a reply in two pieces
  session.received(kDumpState180.substr(20));
  EXPECT_EQ(transport.last(), "p\n");
  session.received("0.000000\n0.000000\n");
  EXPECT_EQ(transport.last(), "P -135.8 0.0\n");
  session.received("RPRT 0\n");
  EXPECT_FALSE(session.takeArrival());
  session.readHeading();
  EXPECT_EQ(transport.last(), "p\n");
  session.received("-137.000000\n0.000000\n");
  const auto arrival = session.takeArrival();
  ASSERT_TRUE(arrival);
  EXPECT_NEAR(*arrival, 224.2, 1e-9);
  EXPECT_FALSE(session.takeArrival()) << "told once";
  ASSERT_TRUE(session.heading());
  EXPECT_EQ(session.heading()->azimuth, -137);
  EXPECT_FALSE(session.takeFault());
}

TEST_F(SessionTest, RequestsWhileAReplyIsAwaitedWaitTheirTurnAndTheNewestBearingWins) {
  session.readHeading();
  session.connected();
  EXPECT_EQ(transport.last(), "p\n");
  session.point(10);
  session.point(20);
  session.received("5.000000\n0.000000\n");
  EXPECT_EQ(transport.last(), "\\dump_state\n");
  session.received(kDumpState180);
  EXPECT_EQ(transport.last(), "P 20.0 0.0\n");
  session.stop();
  session.received("RPRT 0\n");
  EXPECT_EQ(transport.last(), "S\n");
}

TEST_F(SessionTest, AStopForgetsABearingNotYetSent) {
  session.point(100);
  session.stop();
  session.connected();
  EXPECT_EQ(transport.last(), "S\n");
  session.received("RPRT 0\n");
  EXPECT_EQ(transport.last(), "S\n") << "nothing more to send";
}

// Each fault as the window meets it: is it told, and does the connection go?
struct FaultCase {
  std::string_view name;
  std::function<void(Session&, ScriptedTransport&)> happen;
  FaultKind kind;
  bool closes;
};

TEST_F(SessionTest, EachFaultIsToldOnceAndTheConnectionGoesWhenItsStateIsUnknown) {
  const std::vector<FaultCase> cases{
      {"nothing listening",
       [](Session& s, ScriptedTransport&) { s.failed({.kind = FaultKind::Unreachable}); },
       FaultKind::Unreachable, true},
      {"no reply within 2 s",
       [](Session& s, ScriptedTransport& t) {
         s.connected();
         t.clock += 1999ms;
         s.wake();
         t.clock += 1ms;
         s.wake();
       },
       FaultKind::NoReply, true},
      {"RPRT -1",
       [](Session& s, ScriptedTransport&) {
         s.connected();
         s.received("RPRT -1\n");
       },
       FaultKind::Refused, false},
      {"closed mid-reply",
       [](Session& s, ScriptedTransport&) {
         s.connected();
         s.received("12.0");
         s.closed();
       },
       FaultKind::ClosedMidReply, true},
      {"100 kB without a newline",
       [](Session& s, ScriptedTransport&) {
         s.connected();
         for (int i = 0; i < 100; ++i)
           s.received(std::string(1024, '9'));
       },
       FaultKind::Overlong, true},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedTransport t;
    Session s({"127.0.0.1", 4533}, t);
    s.readHeading();
    c.happen(s, t);
    const auto fault = s.takeFault();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, c.kind);
    EXPECT_EQ(t.last() == "close", c.closes) << t.last();
    EXPECT_FALSE(s.heading());
  }
}

TEST_F(SessionTest, NoConnectionWithinTwoSecondsIsAFaultAtTheWake) {
  session.readHeading();
  EXPECT_EQ(transport.wake, transport.clock + 2s);
  transport.clock += 1s;
  session.wake();  // early: nothing yet
  EXPECT_FALSE(session.takeFault());
  transport.clock += 1s;
  session.wake();
  ASSERT_TRUE(session.takeFault());
  EXPECT_EQ(transport.last(), "close");
  session.connected();  // late, from a connection already closed
  EXPECT_EQ(transport.last(), "close");
}

TEST_F(SessionTest, LaterFaultsAreQuietUntilTheRotatorAnswersAgain) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    session.readHeading();
    EXPECT_EQ(transport.last(), "open 127.0.0.1:4533") << "each reading tries again";
    session.failed({.kind = FaultKind::Unreachable});
    EXPECT_EQ(session.takeFault().has_value(), attempt == 0);
  }
  session.readHeading();
  session.connected();
  session.received("1.0\n0.0\n");
  ASSERT_TRUE(session.heading());
  session.readHeading();
  session.closed();
  EXPECT_TRUE(session.takeFault()) << "the rotator had answered in between";
}

// Regression: a refused \dump_state was asked again at each refusal, a flood that held up the
// window's message queue under Wine for seconds.
TEST_F(SessionTest, ABearingWhoseRangeIsRefusedIsGivenUp) {
  session.point(40);
  session.connected();
  EXPECT_EQ(transport.last(), "\\dump_state\n");
  const std::size_t written = transport.log.size();
  session.received("RPRT -1\n");
  EXPECT_EQ(transport.log.size(), written) << transport.last();
  ASSERT_TRUE(session.takeFault());
}

TEST_F(SessionTest, ABearingOutsideTheRangeIsToldAndTheConnectionKept) {
  session.point(10);
  session.connected();
  session.received("1\n1\nmin_az=90.0\nmax_az=180.0\nmin_el=0.0\nmax_el=90.0\ndone\n");
  session.received("100.0\n0.0\n");
  const auto fault = session.takeFault();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->kind, FaultKind::OutOfRange);
  session.readHeading();
  EXPECT_EQ(transport.last(), "p\n");
}

TEST_F(SessionTest, AnAntennaThatStopsShortIsNotSaidToHaveArrived) {
  pointFrom(0, 90);
  session.received("RPRT 0\n");
  for (int second = 0; second < 7; ++second) {
    transport.clock += 1s;
    session.readHeading();
    session.received("30.000000\n0.000000\n");
  }
  EXPECT_FALSE(session.takeArrival());
  EXPECT_FALSE(session.takeFault());
}

}  // namespace
}  // namespace tarvel::rotator
