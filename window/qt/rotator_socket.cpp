#include "window/qt/rotator_socket.hpp"

#include <QTcpSocket>
#include <algorithm>

#include "window/win_dur_ozirozador.hpp"

namespace tarvel::qt {
namespace {

rotator::Fault faultOf(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
      return {.kind = rotator::FaultKind::Unreachable};
    case QAbstractSocket::HostNotFoundError:
      return {.kind = rotator::FaultKind::UnknownHost};
    case QAbstractSocket::SocketTimeoutError:
      return {.kind = rotator::FaultKind::ConnectTimeout};
    default:
      return {.kind = rotator::FaultKind::Network, .code = static_cast<int>(error)};
  }
}

}  // namespace

RotatorSocket::RotatorSocket(WinDurOzirozador& window) : window_(window) {
  wake_.setSingleShot(true);
  connect(&wake_, &QTimer::timeout, this, [this] { window_.rotatorWake(); });
}

RotatorSocket::~RotatorSocket() {
  close();
}

template <typename Event>
void RotatorSocket::later(Event event) {
  QMetaObject::invokeMethod(
      this,
      [this, event, generation = generation_] {
        if (generation == generation_ && socket_) event();
      },
      Qt::QueuedConnection);
}

void RotatorSocket::open(const rotator::Address& address) {
  close();
  socket_ = new QTcpSocket(this);
  connect(socket_, &QTcpSocket::connected, this,
          [this] { later([this] { window_.rotatorConnected(); }); });
  connect(socket_, &QTcpSocket::readyRead, this, [this] { later([this] { readAll(); }); });
  connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
    later([this, error] { failed(error); });
  });
  socket_->connectToHost(QString::fromStdString(address.host), address.port);
}

void RotatorSocket::readAll() {
  const QByteArray bytes = socket_->readAll();
  if (!bytes.isEmpty()) window_.rotatorReceived({bytes.constData(), std::size_t(bytes.size())});
}

// The peer's close is an error of its own in Qt; what was read before it comes first.
void RotatorSocket::failed(int error) {
  readAll();
  if (!socket_) return;  // the bytes were a fault that closed the connection
  const auto kind = static_cast<QAbstractSocket::SocketError>(error);
  if (kind == QAbstractSocket::RemoteHostClosedError) return window_.rotatorClosed();
  window_.rotatorFailed(faultOf(kind));
}

void RotatorSocket::write(std::string_view bytes) {
  if (socket_) socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void RotatorSocket::close() {
  ++generation_;
  wake_.stop();
  if (!socket_) return;
  socket_->disconnect(this);
  socket_->abort();
  socket_->deleteLater();
  socket_ = nullptr;
}

void RotatorSocket::wakeAt(Clock::time_point when) {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now());
  wake_.start(std::max<std::chrono::milliseconds::rep>(wait.count(), 0));
}

}  // namespace tarvel::qt
