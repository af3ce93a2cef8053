#include "rotator/session.hpp"

#include <utility>

#include "rotator/bounds.hpp"
#include "rotator/range.hpp"

namespace tarvel::rotator {

Session::Session(Address address, Transport& transport)
    : address_(std::move(address)), transport_(transport) {}

void Session::point(double bearing) {
  wanted_ = bearing;
  stopWanted_ = false;
  next();
}

void Session::stop() {
  wanted_.reset();
  stopWanted_ = true;
  next();
}

void Session::readHeading() {
  headingWanted_ = true;
  next();
}

void Session::connected() {
  if (link_ != Link::Connecting) return;
  link_ = Link::Open;
  conversation_ = Conversation();
  next();
}

void Session::received(std::string_view bytes) {
  if (link_ != Link::Open) return;
  if (auto result = conversation_.receive(bytes)) outcome(*result);
}

void Session::closed() {
  if (link_ == Link::Open) outcome(conversation_.closed());
}

void Session::failed(const Fault& fault) {
  if (link_ == Link::Closed) return;
  report(fault);
  drop();
}

// A wake may come early or late: the deadline decides.
void Session::wake() {
  const Clock::time_point now = transport_.now();
  if (link_ == Link::Connecting) {
    if (now >= connectDeadline_) return failed({.kind = FaultKind::ConnectTimeout});
    transport_.wakeAt(connectDeadline_);
  }
  if (link_ != Link::Open || !conversation_.waiting()) return;
  if (auto result = conversation_.expire(now)) return outcome(*result);
  transport_.wakeAt(conversation_.deadline());
}

std::optional<double> Session::takeArrival() {
  return std::exchange(arrival_, std::nullopt);
}

std::optional<Fault> Session::takeFault() {
  return std::exchange(fault_, std::nullopt);
}

void Session::next() {
  if (link_ == Link::Closed && (wanted_ || stopWanted_ || headingWanted_)) {
    link_ = Link::Connecting;
    connectDeadline_ = transport_.now() + kConnectTime;
    transport_.open(address_);
    transport_.wakeAt(connectDeadline_);
    return;
  }
  while (link_ == Link::Open && !conversation_.waiting()) {
    asked_ = nextCommand();
    if (!asked_) return;
    transport_.write(conversation_.ask(*asked_, transport_.now()));
    transport_.wakeAt(conversation_.deadline());
  }
}

// A stop first; a bearing needs the rotator's range and where it stands; a reading last.
std::optional<Command> Session::nextCommand() {
  if (stopWanted_) {
    stopWanted_ = false;
    return Stop{};
  }
  while (wanted_) {
    if (!limits_) return DumpState{};
    if (!heading_) {
      headingWanted_ = false;  // this reading is the one asked for
      return GetPosition{};
    }
    const double bearing = *std::exchange(wanted_, std::nullopt);
    if (const auto azimuth = azimuthInRange(bearing, *limits_, heading_->azimuth)) {
      sent_ = *azimuth;
      return SetPosition{*azimuth, 0};
    }
    report({.kind = FaultKind::OutOfRange, .limits = *limits_, .target = bearing});
  }
  if (std::exchange(headingWanted_, false)) return GetPosition{};
  return std::nullopt;
}

void Session::outcome(const Outcome& result) {
  if (const auto* fault = std::get_if<Fault>(&result)) {
    report(*fault);
    if (endsConnection(fault->kind)) return drop();
    // A bearing waiting on a refused \dump_state or p would ask again at once, and be refused
    // again, for ever: it is given up.
    wanted_.reset();
  } else {
    answered(result);
  }
  next();
}

void Session::answered(const Outcome& result) {
  quiet_ = false;
  const Clock::time_point now = transport_.now();
  if (const auto* limits = std::get_if<Limits>(&result)) limits_ = *limits;
  if (std::holds_alternative<Accepted>(result) && asked_) {
    if (std::holds_alternative<Stop>(*asked_)) watch_.reset();
    if (std::holds_alternative<SetPosition>(*asked_) && sent_ && heading_)
      watch_.emplace(*sent_, heading_->azimuth, now);
  }
  const auto* position = std::get_if<Position>(&result);
  if (!position) return;
  heading_ = *position;
  if (!watch_) return;
  switch (watch_->observe(position->azimuth, now)) {
    case Progress::Arrived:
      arrival_ = compassBearing(*sent_);
      watch_.reset();
      break;
    case Progress::StoppedShort:
      watch_.reset();  // an end stop or a brake: the heading shows where it is
      break;
    case Progress::Turning:
      break;
  }
}

void Session::report(const Fault& fault) {
  if (quiet_) return;
  fault_ = fault;
  quiet_ = true;
}

// Nothing asked of a lost connection is sent on a new one: the next request connects again.
void Session::drop() {
  transport_.close();
  link_ = Link::Closed;
  conversation_ = Conversation();
  asked_.reset();
  wanted_.reset();
  stopWanted_ = false;
  headingWanted_ = false;
  limits_.reset();
  heading_.reset();
  watch_.reset();
}

}  // namespace tarvel::rotator
