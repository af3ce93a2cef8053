#pragma once

#include <winsock2.h>
// After winsock2.h, which it needs.
#include <ws2tcpip.h>

#include <vector>

#include "rotator/fault.hpp"
#include "rotator/transport.hpp"

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::win32 {

// The rotator's connection on the thread's message queue: a Winsock socket made non-blocking by
// WSAAsyncSelect, whose connection, bytes and close come as messages to a message-only window of
// its own, with a timer there for the session's wake. It only moves bytes, and tells the window
// from the message loop, never from inside a call the session made; a socket once closed has its
// waiting messages taken off the queue.
class RotatorSocket : public rotator::Transport {
 public:
  explicit RotatorSocket(WinDurOzirozador& window);
  ~RotatorSocket() override;
  RotatorSocket(const RotatorSocket&) = delete;
  RotatorSocket& operator=(const RotatorSocket&) = delete;

  void open(const rotator::Address& address) override;
  void write(std::string_view bytes) override;
  void close() override;
  void wakeAt(Clock::time_point when) override;
  Clock::time_point now() override { return Clock::now(); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void socketEvent(WORD event, WORD error);
  void connectNext();
  void readAll(bool closing);
  // A fault met inside a call of the session's, told from the queue.
  void failLater(const rotator::Fault& fault);
  void closeSocket();

  WinDurOzirozador& window_;
  bool started_ = false;  // Winsock
  HWND messages_ = nullptr;
  SOCKET socket_ = INVALID_SOCKET;
  std::vector<sockaddr_storage> candidates_;  // the host's addresses not yet tried
  std::vector<int> lengths_;
  rotator::Fault failure_{};
  bool failing_ = false;
};

}  // namespace tarvel::win32
