#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string_view>
#include <variant>

#include "rotator/address.hpp"
#include "rotator/fault.hpp"

// A TCP connection to rotctld through the system's sockets, for tarvel-calc's blocking calls:
// POSIX in rotator_socket_posix.cpp, Winsock in rotator_socket_win32.cpp. It only moves bytes;
// rotator::Conversation reads them. Every wait has a deadline.
namespace tarvel::calc {

class RotatorSocket {
 public:
  using Clock = std::chrono::steady_clock;
#ifdef _WIN32
  using Native = std::uintptr_t;  // SOCKET
#else
  using Native = int;
#endif

  struct Read {
    enum class Kind { Bytes, Closed, Late, Failed } kind;
    std::string_view bytes{};  // Bytes: valid until the next read
    int error = 0;             // Failed: the system's error number
  };

  // Connected within rotator::kConnectTime to the first of the host's addresses that accepts,
  // or the fault: nothing listening, no answer in time, an unknown host.
  static std::variant<RotatorSocket, rotator::Fault> connect(const rotator::Address& address);

  RotatorSocket(RotatorSocket&& other) noexcept;
  RotatorSocket& operator=(RotatorSocket&&) = delete;
  ~RotatorSocket();

  // Writes every byte (a command is a few bytes: the system takes them at once). 0, or the
  // system's error number; a peer that is gone reads as closed at the next read.
  int send(std::string_view bytes);

  // The bytes that came, the peer's close, or nothing before the deadline.
  Read receive(Clock::time_point deadline);

 private:
  explicit RotatorSocket(Native handle) : handle_(handle) {}

  Native handle_;
  std::array<char, 4096> buffer_;
};

// For the two implementations: the first of a resolved address list (addrinfo, ADDRINFOW) that
// `connect` reaches, or the last fault. "localhost" is ::1 and 127.0.0.1, and a daemon started
// with -T 127.0.0.1 refuses the first; a time-out ends the search, the time being spent.
template <typename Handle, typename Address, typename Connect>
std::variant<Handle, rotator::Fault> firstReached(const Address* list, Connect connect) {
  rotator::Fault last{.kind = rotator::FaultKind::Unreachable};
  for (const Address* candidate = list; candidate; candidate = candidate->ai_next) {
    auto attempt = connect(*candidate);
    if (std::holds_alternative<Handle>(attempt)) return attempt;
    last = std::get<rotator::Fault>(attempt);
    if (last.kind == rotator::FaultKind::ConnectTimeout) break;
  }
  return last;
}

}  // namespace tarvel::calc
