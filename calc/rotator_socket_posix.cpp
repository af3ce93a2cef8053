#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>

#include "calc/rotator_socket.hpp"
#include "rotator/bounds.hpp"

namespace tarvel::calc {
namespace {

using rotator::Fault;
using rotator::FaultKind;
using Clock = RotatorSocket::Clock;

struct AddressListFreer {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

// Milliseconds left until the deadline, rounded up so that a wait never ends just before it.
int millisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, 60'000));
}

// poll(2) for one event until the deadline, again after a signal: 1 ready, 0 late, -1 failed.
int waitFor(int handle, short event, Clock::time_point deadline) {
  for (;;) {
    pollfd watched{handle, event, 0};
    const int ready = ::poll(&watched, 1, millisecondsUntil(deadline));
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

Fault connectionFault(int error) {
  switch (error) {
    case ECONNREFUSED:
    case ENETUNREACH:
    case EHOSTUNREACH:
      return {.kind = FaultKind::Unreachable};
    case ETIMEDOUT:
      return {.kind = FaultKind::ConnectTimeout};
    default:
      return {.kind = FaultKind::Network, .code = error};
  }
}

// One address: a non-blocking connect, then poll until it is made or the deadline passes.
std::variant<int, Fault> connectTo(const addrinfo& address, Clock::time_point deadline) {
  const int handle =
      ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (handle < 0) return Fault{.kind = FaultKind::Network, .code = errno};
  int error = 0;
  if (::connect(handle, address.ai_addr, address.ai_addrlen) != 0) {
    error = errno;
    if (error == EINPROGRESS) {
      const int ready = waitFor(handle, POLLOUT, deadline);
      socklen_t length = sizeof error;
      if (ready < 0)
        error = errno;
      else if (ready == 0)
        error = ETIMEDOUT;
      else if (::getsockopt(handle, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    }
  }
  if (error == 0) return handle;
  ::close(handle);
  return connectionFault(error);
}

}  // namespace

std::variant<RotatorSocket, Fault> RotatorSocket::connect(const rotator::Address& address) {
  const Clock::time_point deadline = Clock::now() + rotator::kConnectTime;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const int resolved =
      ::getaddrinfo(address.host.c_str(), std::to_string(address.port).c_str(), &hints, &found);
  if (resolved == EAI_NONAME || resolved == EAI_NODATA)
    return Fault{.kind = FaultKind::UnknownHost};
  if (resolved != 0)
    return Fault{.kind = FaultKind::Network, .code = resolved == EAI_SYSTEM ? errno : resolved};
  const std::unique_ptr<addrinfo, AddressListFreer> list(found);
  auto reached = firstReached<int>(
      found, [&](const addrinfo& candidate) { return connectTo(candidate, deadline); });
  if (const int* handle = std::get_if<int>(&reached)) return RotatorSocket(*handle);
  return std::get<Fault>(reached);
}

RotatorSocket::RotatorSocket(RotatorSocket&& other) noexcept : handle_(other.handle_) {
  other.handle_ = -1;
}

RotatorSocket::~RotatorSocket() {
  if (handle_ >= 0) ::close(handle_);
}

int RotatorSocket::send(std::string_view bytes) {
  while (!bytes.empty()) {
    // MSG_NOSIGNAL: a peer that closed is an error to report, not a SIGPIPE that kills.
    const ssize_t sent = ::send(handle_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      if (errno == EPIPE || errno == ECONNRESET) return 0;
      if (errno != EAGAIN && errno != EWOULDBLOCK) return errno;
      if (waitFor(handle_, POLLOUT, Clock::now() + rotator::kReplyTime) <= 0) return ETIMEDOUT;
      continue;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return 0;
}

RotatorSocket::Read RotatorSocket::receive(Clock::time_point deadline) {
  for (;;) {
    const int ready = waitFor(handle_, POLLIN, deadline);
    if (ready < 0) return {.kind = Read::Kind::Failed, .error = errno};
    if (ready == 0) return {.kind = Read::Kind::Late};
    const ssize_t got = ::recv(handle_, buffer_.data(), buffer_.size(), 0);
    if (got > 0)
      return {.kind = Read::Kind::Bytes, .bytes = {buffer_.data(), static_cast<std::size_t>(got)}};
    if (got == 0 || errno == ECONNRESET) return {.kind = Read::Kind::Closed};
    if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
      return {.kind = Read::Kind::Failed, .error = errno};
  }
}

}  // namespace tarvel::calc
