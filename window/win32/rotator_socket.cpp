#include "window/win32/rotator_socket.hpp"

#include <algorithm>
#include <array>
#include <memory>

#include "window/win32/utf16.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tarvel.RotatorSocket";
constexpr UINT kSocketMessage = WM_APP + 10;
constexpr UINT kFailureMessage = WM_APP + 11;
constexpr UINT_PTR kWakeTimer = 1;
constexpr WORD kWinsockVersion = MAKEWORD(2, 2);
constexpr std::size_t kReadSize = 4096;

struct AddressListFreer {
  void operator()(ADDRINFOW* list) const { FreeAddrInfoW(list); }
};

rotator::Fault connectionFault(int error) {
  switch (error) {
    case WSAECONNREFUSED:
    case WSAENETUNREACH:
    case WSAEHOSTUNREACH:
      return {.kind = rotator::FaultKind::Unreachable};
    case WSAETIMEDOUT:
      return {.kind = rotator::FaultKind::ConnectTimeout};
    default:
      return {.kind = rotator::FaultKind::Network, .code = error};
  }
}

bool registerClass(WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

// Without Winsock or its window the socket cannot be made: each open then fails as a network
// fault, told like any other.
RotatorSocket::RotatorSocket(WinDurOzirozador& window) : window_(window) {
  WSADATA data;
  started_ = WSAStartup(kWinsockVersion, &data) == 0;
  if (!registerClass(&RotatorSocket::procedure)) return;
  messages_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), this);
}

RotatorSocket::~RotatorSocket() {
  closeSocket();
  if (messages_) DestroyWindow(messages_);
  if (started_) WSACleanup();
}

LRESULT CALLBACK RotatorSocket::procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<RotatorSocket*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case kSocketMessage:
      if (static_cast<SOCKET>(wParam) == self->socket_)
        self->socketEvent(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
      return 0;
    case kFailureMessage:
      if (self->failing_) {
        self->failing_ = false;
        self->window_.rotatorFailed(self->failure_);
      }
      return 0;
    case WM_TIMER:
      KillTimer(window, kWakeTimer);
      self->window_.rotatorWake();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Resolving a name is the one call that may wait: a numeric address or the hosts file answers
// at once, which is what a rotator on the loopback or the local network has.
void RotatorSocket::open(const rotator::Address& address) {
  close();
  if (!started_ || !messages_)
    return failLater({.kind = rotator::FaultKind::Network, .code = WSASYSNOTREADY});
  ADDRINFOW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* found = nullptr;
  const int error = GetAddrInfoW(toUtf16(address.host).c_str(),
                                 std::to_wstring(address.port).c_str(), &hints, &found);
  if (error != 0) {
    const bool unknown = error == WSAHOST_NOT_FOUND || error == WSANO_DATA;
    return failLater(unknown ? rotator::Fault{.kind = rotator::FaultKind::UnknownHost}
                             : rotator::Fault{.kind = rotator::FaultKind::Network, .code = error});
  }
  const std::unique_ptr<ADDRINFOW, AddressListFreer> list(found);
  // Tried from the last: candidates_ is taken from its back.
  for (const ADDRINFOW* entry = list.get(); entry; entry = entry->ai_next) {
    sockaddr_storage storage{};
    std::copy_n(reinterpret_cast<const char*>(entry->ai_addr),
                std::min<std::size_t>(entry->ai_addrlen, sizeof storage),
                reinterpret_cast<char*>(&storage));
    candidates_.insert(candidates_.begin(), storage);
    lengths_.insert(lengths_.begin(), static_cast<int>(entry->ai_addrlen));
  }
  connectNext();
}

// "localhost" is ::1 and 127.0.0.1, and rotctld -T 127.0.0.1 refuses the first.
void RotatorSocket::connectNext() {
  closeSocket();
  if (candidates_.empty()) return failLater({.kind = rotator::FaultKind::Unreachable});
  const sockaddr_storage target = candidates_.back();
  const int length = lengths_.back();
  candidates_.pop_back();
  lengths_.pop_back();
  socket_ = socket(target.ss_family, SOCK_STREAM, IPPROTO_TCP);
  if (socket_ == INVALID_SOCKET)
    return failLater({.kind = rotator::FaultKind::Network, .code = WSAGetLastError()});
  if (WSAAsyncSelect(socket_, messages_, kSocketMessage, FD_CONNECT | FD_READ | FD_CLOSE) != 0)
    return failLater({.kind = rotator::FaultKind::Network, .code = WSAGetLastError()});
  if (connect(socket_, reinterpret_cast<const sockaddr*>(&target), length) == 0) return;
  if (const int error = WSAGetLastError(); error != WSAEWOULDBLOCK)
    failLater(connectionFault(error));
}

void RotatorSocket::socketEvent(WORD event, WORD error) {
  switch (event) {
    case FD_CONNECT:
      if (error == 0) return window_.rotatorConnected();
      if (error == WSAECONNREFUSED && !candidates_.empty()) return connectNext();
      closeSocket();
      return window_.rotatorFailed(connectionFault(error));
    case FD_READ:
      return readAll(false);
    case FD_CLOSE:
      return readAll(true);
    default:
      return;
  }
}

// What came before a close is read first; a close comes once, when nothing is left.
void RotatorSocket::readAll(bool closing) {
  std::array<char, kReadSize> buffer;
  for (;;) {
    const int count = recv(socket_, buffer.data(), static_cast<int>(buffer.size()), 0);
    if (count > 0) {
      const SOCKET reading = socket_;
      window_.rotatorReceived({buffer.data(), static_cast<std::size_t>(count)});
      if (socket_ != reading) return;  // the bytes were a fault that closed the connection
      if (!closing) return;  // another FD_READ comes for what is left
      continue;
    }
    if (count == 0 || closing) return window_.rotatorClosed();
    const int error = WSAGetLastError();
    if (error == WSAEWOULDBLOCK) return;
    closeSocket();
    return window_.rotatorFailed({.kind = rotator::FaultKind::Network, .code = error});
  }
}

void RotatorSocket::write(std::string_view bytes) {
  if (socket_ == INVALID_SOCKET) return;
  // A command is a few bytes, which the system's buffer takes at once.
  if (send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0) == SOCKET_ERROR)
    failLater({.kind = rotator::FaultKind::Network, .code = WSAGetLastError()});
}

void RotatorSocket::close() {
  closeSocket();
  candidates_.clear();
  lengths_.clear();
  failing_ = false;
  if (messages_) KillTimer(messages_, kWakeTimer);
}

void RotatorSocket::closeSocket() {
  if (socket_ == INVALID_SOCKET) return;
  closesocket(socket_);
  socket_ = INVALID_SOCKET;
  // A new socket may get the same handle: the old one's messages must not reach it.
  MSG pending;
  while (messages_ && PeekMessageW(&pending, messages_, kSocketMessage, kSocketMessage, PM_REMOVE))
    ;
}

void RotatorSocket::failLater(const rotator::Fault& fault) {
  closeSocket();
  failure_ = fault;
  failing_ = true;
  if (messages_) PostMessageW(messages_, kFailureMessage, 0, 0);
}

void RotatorSocket::wakeAt(Clock::time_point when) {
  if (!messages_) return;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now());
  SetTimer(messages_, kWakeTimer, static_cast<UINT>(std::max<long long>(wait.count(), USER_TIMER_MINIMUM)),
           nullptr);
}

}  // namespace tarvel::win32
