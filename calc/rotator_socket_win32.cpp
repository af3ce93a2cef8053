#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <winsock2.h>
// After winsock2.h, which they need.
#include <mstcpip.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <memory>
#include <string>

#include "calc/rotator_socket.hpp"
#include "rotator/bounds.hpp"

namespace tarvel::calc {
namespace {

using rotator::Fault;
using rotator::FaultKind;
using Clock = RotatorSocket::Clock;

constexpr WORD kWinsockVersion = MAKEWORD(2, 2);

struct AddressListFreer {
  void operator()(ADDRINFOW* list) const { FreeAddrInfoW(list); }
};

std::wstring wide(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
  return result;
}

// select's time-out until the deadline, rounded up so that a wait never ends just before it.
timeval timeUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::microseconds>(deadline - Clock::now());
  const long long micro = std::max<long long>(0, left.count());
  return {static_cast<long>(micro / 1'000'000), static_cast<long>(micro % 1'000'000)};
}

Fault connectionFault(int error) {
  switch (error) {
    case WSAECONNREFUSED:
    case WSAENETUNREACH:
    case WSAEHOSTUNREACH:
      return {.kind = FaultKind::Unreachable};
    case WSAETIMEDOUT:
      return {.kind = FaultKind::ConnectTimeout};
    default:
      return {.kind = FaultKind::Network, .code = error};
  }
}

// Windows answers a refused connection by sending its SYN again, some 2 s on the loopback, which
// would pass for a time-out: one SYN only, where the system has the option (Windows 8 on). Where
// it has not, the connection is only slower to fail.
void synOnce(SOCKET handle) {
  TCP_INITIAL_RTO_PARAMETERS parameters{TCP_INITIAL_RTO_UNSPECIFIED_RTT,
                                        TCP_INITIAL_RTO_NO_SYN_RETRANSMISSIONS};
  DWORD returned = 0;
  WSAIoctl(handle, SIO_TCP_INITIAL_RTO, &parameters, sizeof parameters, nullptr, 0, &returned,
           nullptr, nullptr);
}

enum class Await { Reading, Writing, Connecting };

// select(2) on the one socket until the deadline: above 0 ready, 0 late, or SOCKET_ERROR. A
// connection is ready once made (writable) or refused (in the exception set).
int awaitSocket(SOCKET handle, Await what, Clock::time_point deadline) {
  fd_set ready, failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(handle, &ready);
  FD_SET(handle, &failed);
  timeval limit = timeUntil(deadline);
  return what == Await::Reading
             ? select(0, &ready, nullptr, nullptr, &limit)
             : select(0, nullptr, &ready, what == Await::Connecting ? &failed : nullptr, &limit);
}

int connectionError(SOCKET handle, Clock::time_point deadline) {
  const int ready = awaitSocket(handle, Await::Connecting, deadline);
  if (ready == SOCKET_ERROR) return WSAGetLastError();
  if (ready == 0) return WSAETIMEDOUT;
  int error = 0;
  int length = sizeof error;
  if (getsockopt(handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0)
    return WSAGetLastError();
  return error;
}

std::variant<SOCKET, Fault> connectTo(const ADDRINFOW& address, Clock::time_point deadline) {
  const SOCKET handle = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (handle == INVALID_SOCKET) return Fault{.kind = FaultKind::Network, .code = WSAGetLastError()};
  u_long nonBlocking = 1;
  int error = 0;
  if (ioctlsocket(handle, FIONBIO, &nonBlocking) != 0) {
    error = WSAGetLastError();
  } else {
    synOnce(handle);
    if (connect(handle, address.ai_addr, static_cast<int>(address.ai_addrlen)) != 0) {
      error = WSAGetLastError();
      if (error == WSAEWOULDBLOCK) error = connectionError(handle, deadline);
    }
  }
  if (error == 0) return handle;
  closesocket(handle);
  return connectionFault(error);
}

}  // namespace

std::variant<RotatorSocket, Fault> RotatorSocket::connect(const rotator::Address& address) {
  const Clock::time_point deadline = Clock::now() + rotator::kConnectTime;
  WSADATA data;
  if (const int error = WSAStartup(kWinsockVersion, &data))
    return Fault{.kind = FaultKind::Network, .code = error};
  // From here the socket, or its failure, owns the WSAStartup and its WSACleanup.
  auto attempt = [&]() -> std::variant<RotatorSocket, Fault> {
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_NUMERICSERV;
    ADDRINFOW* found = nullptr;
    const int resolved = GetAddrInfoW(wide(address.host).c_str(),
                                      std::to_wstring(address.port).c_str(), &hints, &found);
    if (resolved == WSAHOST_NOT_FOUND || resolved == WSANO_DATA)
      return Fault{.kind = FaultKind::UnknownHost};
    if (resolved != 0) return Fault{.kind = FaultKind::Network, .code = resolved};
    const std::unique_ptr<ADDRINFOW, AddressListFreer> list(found);
    auto reached = firstReached<SOCKET>(
        found, [&](const ADDRINFOW& candidate) { return connectTo(candidate, deadline); });
    if (const SOCKET* handle = std::get_if<SOCKET>(&reached)) return RotatorSocket(*handle);
    return std::get<Fault>(reached);
  }();
  if (std::holds_alternative<Fault>(attempt)) WSACleanup();
  return attempt;
}

RotatorSocket::RotatorSocket(RotatorSocket&& other) noexcept : handle_(other.handle_) {
  other.handle_ = INVALID_SOCKET;
}

RotatorSocket::~RotatorSocket() {
  if (handle_ == INVALID_SOCKET) return;
  closesocket(handle_);
  WSACleanup();
}

int RotatorSocket::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const int sent = ::send(handle_, bytes.data(), static_cast<int>(bytes.size()), 0);
    if (sent == SOCKET_ERROR) {
      const int error = WSAGetLastError();
      if (error == WSAECONNRESET || error == WSAECONNABORTED) return 0;
      if (error != WSAEWOULDBLOCK) return error;
      if (awaitSocket(handle_, Await::Writing, Clock::now() + rotator::kReplyTime) <= 0)
        return WSAETIMEDOUT;
      continue;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return 0;
}

RotatorSocket::Read RotatorSocket::receive(Clock::time_point deadline) {
  for (;;) {
    const int ready = awaitSocket(handle_, Await::Reading, deadline);
    if (ready == SOCKET_ERROR) return {.kind = Read::Kind::Failed, .error = WSAGetLastError()};
    if (ready == 0) return {.kind = Read::Kind::Late};
    const int got = recv(handle_, buffer_.data(), static_cast<int>(buffer_.size()), 0);
    if (got > 0)
      return {.kind = Read::Kind::Bytes, .bytes = {buffer_.data(), static_cast<std::size_t>(got)}};
    const int error = got == 0 ? 0 : WSAGetLastError();
    if (got == 0 || error == WSAECONNRESET || error == WSAECONNABORTED)
      return {.kind = Read::Kind::Closed};
    if (error != WSAEWOULDBLOCK) return {.kind = Read::Kind::Failed, .error = error};
  }
}

}  // namespace tarvel::calc
