#pragma once

#include <optional>

#include "rotator/arrival.hpp"
#include "rotator/conversation.hpp"
#include "rotator/transport.hpp"

namespace tarvel::rotator {

// A window's lasting exchange with one rotctld, without I/O and without ever waiting: the window
// asks (point, stop, readHeading), its transport tells what the network did, and the session
// answers with the commands to write, one at a time, connecting again when it must. A bearing
// is sent in the rotator's range (\dump_state, asked once a connection), the nearer way from the
// last heading read. What came of it is read back: the heading, the antenna's arrival, and the
// first fault since the rotator last answered (later ones are kept quiet until it answers again).
//
// The transport outlives nothing it was told: its owner closes it when it goes.
class Session {
 public:
  using Clock = Transport::Clock;

  Session(Address address, Transport& transport);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Sends the antenna to a compass bearing; a newer bearing replaces one not yet sent.
  void point(double bearing);
  void stop();
  // Reads the antenna's heading (p), unless a reading is already asked.
  void readHeading();

  // What the transport saw.
  void connected();
  void received(std::string_view bytes);
  void closed();
  void failed(const Fault& fault);
  void wake();

  // The last heading read on this connection; none before the first or after a fault that ended
  // the connection.
  const std::optional<Position>& heading() const { return heading_; }
  // The compass bearing the antenna arrived at, once.
  std::optional<double> takeArrival();
  // A fault to tell the user, once.
  std::optional<Fault> takeFault();
  const Address& address() const { return address_; }

 private:
  enum class Link { Closed, Connecting, Open };

  void next();
  std::optional<Command> nextCommand();
  void outcome(const Outcome& outcome);
  void answered(const Outcome& outcome);
  void report(const Fault& fault);
  void drop();

  Address address_;
  Transport& transport_;
  Link link_ = Link::Closed;
  Clock::time_point connectDeadline_{};
  Conversation conversation_;
  std::optional<Command> asked_;
  std::optional<double> wanted_;  // compass bearing not yet sent
  bool stopWanted_ = false;
  bool headingWanted_ = false;
  std::optional<Limits> limits_;
  std::optional<Position> heading_;
  std::optional<double> sent_;  // the rotator's azimuth of the last P accepted or asked
  std::optional<ArrivalWatch> watch_;
  std::optional<double> arrival_;
  std::optional<Fault> fault_;
  bool quiet_ = false;  // a fault was told and the rotator has not answered since
};

}  // namespace tarvel::rotator
