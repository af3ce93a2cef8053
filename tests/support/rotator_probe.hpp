#pragma once

// What the Qt and Win32 rotator probes share, whatever their toolkit: the command line, the window
// with my saved locator and the rotator attached before its view exists (so that the view makes
// the antenna's reading), the count of messages shown during the sweep, and the lines printed for
// tests/support/rotator_window_test.py to judge.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "rotator/address.hpp"
#include "tests/runner/toolkit_backend.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::probe {

struct Arguments {
  rotator::Address address;
  std::string_view locator;
  int runMilliseconds = 4000;
};

inline std::optional<Arguments> arguments(int argc, char** argv) {
  const char* where = std::getenv("TARVEL_ROTATOR");
  const auto address = rotator::parseAddress(where ? where : "");
  if (!address || argc < 2) {
    std::fprintf(stderr, "usage: TARVEL_ROTATOR=HOST:PORT rotator_probe LOCATOR [MILLISECONDS]\n");
    return std::nullopt;
  }
  Arguments given{*address, argv[1]};
  if (argc > 2) given.runMilliseconds = std::atoi(argv[2]);
  return given;
}

template <typename Socket, typename View>
class ProbedWindow {
 public:
  explicit ProbedWindow(const rotator::Address& address) : window(platform), socket(window) {
    test_support::writeFile(folder.path() / "SavLoc.ini", "\"JN18EU\"\r\n");
    platform.folders = {folder.path(), folder.path() / "user"};
    window.attachRotator(socket, address);
    view.emplace(window);
    platform.attach(*view);
    window.Form_Load();
    watchTheSweep();
  }

  // The messages that came after the sweep's first pass and before its last.
  std::size_t messagesDuringSweep() const { return duringSweep_; }

  void printWhatItSaw() const {
    for (const RecordedMessage& message : platform.messages)
      std::printf("message %s\n", message.text.c_str());
    for (const std::string& sentence : platform.announcements)
      std::printf("announced %s\n", sentence.c_str());
    std::printf("reading %s\n", window.antennaReading().c_str());
    std::printf("needle %s\n", window.antennaNeedle() ? "drawn" : "none");
    std::fflush(stdout);
  }

  // In the order they are made: the folder first, the view last.
  test_support::TemporaryFolder folder;
  scenarios::ScriptedToolkitPlatform platform;
  WinDurOzirozador window;
  Socket socket;
  std::optional<View> view;

 private:
  // Only a sweep runs passes of the event loop from inside the window: one message shown before
  // it started is not in its middle.
  void watchTheSweep() {
    platform.onEventLoopPass = [this] {
      if (!beforeSweep_) beforeSweep_ = platform.messages.size();
      duringSweep_ = std::max(duringSweep_, platform.messages.size() - *beforeSweep_);
    };
  }

  std::optional<std::size_t> beforeSweep_;
  std::size_t duringSweep_ = 0;
};

}  // namespace tarvel::probe
