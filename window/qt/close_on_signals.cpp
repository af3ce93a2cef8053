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
// How long the event loop has to take a signal before the signal ends the program by itself.
constexpr unsigned kSecondsToTakeIt = 3;

// A signal handler reaches nothing but globals: the pipe's writing end, for the time the watcher
// lives, and the first closing signal that came.
volatile std::sig_atomic_t signalPipe = -1;
volatile std::sig_atomic_t firstSignal = 0;

// Only async-signal-safe calls from here on: sigaction, sigprocmask, raise, write, alarm.
bool setAction(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  // SA_RESTART keeps the toolkit's own calls from failing with EINTR; a call that then never
  // returns (an open() waiting on a FIFO) is what the alarm is for.
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  return ::sigaction(signal, &action, nullptr) == 0;
}

// The signal's default action, at once: the program ends as if it had never caught it.
void endBy(int signal) {
  setAction(signal, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signal);
}

extern "C" void onAlarm(int) {
  if (firstSignal != 0) endBy(firstSignal);
}

// The first signal asks the event loop to close the window and gives it kSecondsToTakeIt; a second
// one ends the program at once.
extern "C" void onSignal(int signal) {
  if (firstSignal != 0) return endBy(signal);
  const int saved = errno;
  firstSignal = signal;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
  ::alarm(kSecondsToTakeIt);
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
  if (!setAction(SIGALRM, onAlarm)) return false;
  for (const int signal : kClosingSignals) {
    if (!setAction(signal, onSignal)) return false;
  }
  return true;
}

CloseOnSignals::~CloseOnSignals() {
  ::alarm(0);
  for (const int signal : kClosingSignals)
    setAction(signal, SIG_DFL);
  setAction(SIGALRM, SIG_DFL);
  signalPipe = -1;
  for (const int end : pipe_) {
    if (end >= 0) ::close(end);
  }
}

void CloseOnSignals::signalled() {
  // Taken: the closing sequence runs now, however long the disk takes.
  ::alarm(0);
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  close_();
}

}  // namespace tarvel::qt
