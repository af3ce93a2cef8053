#include "calc/rotator_link.hpp"

namespace tarvel::calc {
namespace {

using Clock = rotator::Conversation::Clock;

RotatorSocket connected(const rotator::Address& address) {
  auto attempt = RotatorSocket::connect(address);
  if (auto* fault = std::get_if<rotator::Fault>(&attempt))
    throw RotatorError(rotator::faultMessage(*fault, rotator::addressText(address)));
  return std::move(std::get<RotatorSocket>(attempt));
}

}  // namespace

RotatorLink::RotatorLink(const rotator::Address& address)
    : where_(rotator::addressText(address)), socket_(connected(address)) {}

void RotatorLink::fail(const rotator::Fault& fault) const {
  throw RotatorError(rotator::faultMessage(fault, where_));
}

rotator::Outcome RotatorLink::exchange(const rotator::Command& command) {
  if (const int error = socket_.send(conversation_.ask(command, Clock::now())))
    fail({.kind = rotator::FaultKind::Network, .code = error});
  for (;;) {
    const RotatorSocket::Read read = socket_.receive(conversation_.deadline());
    std::optional<rotator::Outcome> outcome;
    switch (read.kind) {
      case RotatorSocket::Read::Kind::Bytes:
        outcome = conversation_.receive(read.bytes);
        break;
      case RotatorSocket::Read::Kind::Closed:
        outcome = conversation_.closed();
        break;
      case RotatorSocket::Read::Kind::Late:
        outcome = conversation_.expire(Clock::now());
        break;
      case RotatorSocket::Read::Kind::Failed:
        fail({.kind = rotator::FaultKind::Network, .code = read.error});
    }
    if (!outcome) continue;
    if (const auto* fault = std::get_if<rotator::Fault>(&*outcome)) fail(*fault);
    return *outcome;
  }
}

}  // namespace tarvel::calc
