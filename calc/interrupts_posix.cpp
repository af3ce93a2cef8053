#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include "calc/console.hpp"
#include "calc/interrupts.hpp"

namespace tarvel::calc {

// The signals blocked and read from a signalfd, polled like any descriptor: no handler runs, so
// nothing global is shared with one.
struct Interrupts::Watch {
  int handle = -1;
  sigset_t previous{};
};

Interrupts::Interrupts() : watch_(std::make_unique<Watch>()) {
  sigset_t held;
  sigemptyset(&held);
  sigaddset(&held, SIGINT);
  sigaddset(&held, SIGTERM);
  if (::sigprocmask(SIG_BLOCK, &held, &watch_->previous) == 0) {
    watch_->handle = ::signalfd(-1, &held, SFD_CLOEXEC | SFD_NONBLOCK);
    if (watch_->handle >= 0) return;
    ::sigprocmask(SIG_SETMASK, &watch_->previous, nullptr);
  }
  writeText(Stream::Error,
            "tarvel-calc: Ctrl+C ne pourra pas arrêter l'antenne (signaux indisponibles)\n");
}

Interrupts::~Interrupts() {
  if (watch_->handle < 0) return;
  ::close(watch_->handle);
  ::sigprocmask(SIG_SETMASK, &watch_->previous, nullptr);
}

int Interrupts::sleepUntil(Clock::time_point until) {
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
    pollfd watched{watch_->handle, POLLIN, 0};  // a negative handle: poll only sleeps
    const int ready =
        ::poll(&watched, 1, static_cast<int>(std::max<std::int64_t>(0, left.count())));
    if (ready == 0) return 0;
    if (ready < 0) {
      if (errno == EINTR) continue;
      return 0;
    }
    signalfd_siginfo signal{};
    if (::read(watch_->handle, &signal, sizeof signal) == sizeof signal)
      return static_cast<int>(signal.ssi_signo);
  }
}

}  // namespace tarvel::calc
