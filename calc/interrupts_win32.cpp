#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <csignal>

#include "calc/console.hpp"
#include "calc/interrupts.hpp"

namespace tarvel::calc {
namespace {

// A console control handler runs on a thread of its own and is given no context: the event it
// sets is reached through this one global, for the time an Interrupts lives.
std::atomic<HANDLE> interruptEvent{nullptr};

BOOL WINAPI onControl(DWORD event) {
  // A closing console, a logoff or a shutdown end the process once a handler returns: not ours.
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (const HANDLE target = interruptEvent.load()) SetEvent(target);
  return TRUE;
}

}  // namespace

struct Interrupts::Watch {
  HANDLE event = nullptr;
};

Interrupts::Interrupts() : watch_(std::make_unique<Watch>()) {
  watch_->event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (watch_->event) {
    interruptEvent = watch_->event;
    if (SetConsoleCtrlHandler(onControl, TRUE)) return;
    interruptEvent = nullptr;
    CloseHandle(watch_->event);
    watch_->event = nullptr;
  }
  writeText(Stream::Error,
            "tarvel-calc: Ctrl+C ne pourra pas arrêter l'antenne (console indisponible)\n");
}

Interrupts::~Interrupts() {
  if (!watch_->event) return;
  SetConsoleCtrlHandler(onControl, FALSE);
  interruptEvent = nullptr;
  CloseHandle(watch_->event);
}

int Interrupts::sleepUntil(Clock::time_point until) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
  const DWORD milliseconds = static_cast<DWORD>(std::max<std::int64_t>(0, left.count()));
  const DWORD waited =
      watch_->event ? WaitForSingleObject(watch_->event, milliseconds) : WAIT_FAILED;
  if (waited == WAIT_OBJECT_0) return SIGINT;
  if (waited == WAIT_FAILED) Sleep(milliseconds);  // the wait still lasts its time
  return 0;
}

}  // namespace tarvel::calc
