#pragma once

#include <QObject>
#include <QTimer>

#include "rotator/transport.hpp"

class QTcpSocket;

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::qt {

// The rotator's connection on Qt's event loop: a QTcpSocket that only moves bytes, and a timer
// for the session's wake. What the socket does reaches the window as a queued call, from the
// event loop itself, never from inside the socket's own signals; a connection once closed is
// told of no more.
class RotatorSocket : public QObject, public rotator::Transport {
 public:
  explicit RotatorSocket(WinDurOzirozador& window);
  ~RotatorSocket() override;

  void open(const rotator::Address& address) override;
  void write(std::string_view bytes) override;
  void close() override;
  void wakeAt(Clock::time_point when) override;
  Clock::time_point now() override { return Clock::now(); }

 private:
  // Runs `event` later, if the connection it came from is still the open one.
  template <typename Event>
  void later(Event event);
  void readAll();
  void failed(int error);

  WinDurOzirozador& window_;
  QTcpSocket* socket_ = nullptr;
  unsigned generation_ = 0;
  QTimer wake_;
};

}  // namespace tarvel::qt
