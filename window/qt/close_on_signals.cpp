#include "window/qt/close_on_signals.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace tarvel::qt {
namespace {

constexpr std::array kClosingSignals{SIGTERM, SIGHUP, SIGINT};

// A signal handler reaches nothing but globals: the pipe's writing end, for the time the watcher
// lives.
volatile std::sig_atomic_t signalPipe = -1;

// Only async-signal-safe calls: write(2), errno kept.
extern "C" void onSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
  errno = saved;
}

}  // namespace

CloseOnSignals::CloseOnSignals(std::function<void()> close) : close_(std::move(close)) {
  // Without the pipe or a handler the signals keep their default action: the program works on.
  if (!watch()) std::perror("tarvel: the closing signals will not keep the locator");
}

bool CloseOnSignals::watch() {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  signalPipe = pipe_[1];
  auto* notifier = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, &CloseOnSignals::signalled);
  struct sigaction action {};
  action.sa_handler = onSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (const int signal : kClosingSignals) {
    if (::sigaction(signal, &action, nullptr) != 0) return false;
  }
  return true;
}

CloseOnSignals::~CloseOnSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (const int signal : kClosingSignals)
    ::sigaction(signal, &action, nullptr);
  signalPipe = -1;
  for (const int end : pipe_) {
    if (end >= 0) ::close(end);
  }
}

void CloseOnSignals::signalled() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  close_();
}

}  // namespace tarvel::qt
