// From the sixth key typed into the correspondent's locator to the labels written: checking,
// decoding, encoding, distance and azimuth, the needle's sweep (one empty event-loop pass a
// degree) and the correspondent's time, on a headless window whose own locator was kept; and the
// same with a rotator configured, whose bearing is worked out and written with each result.
#include <benchmark/benchmark.h>

#include <deque>

#include "settings/disk_file_system.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

void typeText(TextField& field, std::string_view text) {
  for (const char character : text)
    field.typeKey(character);
}

// A rotctld on the other side of a transport that costs nothing: it answers what was written
// between the timed keys, so that the time is the window's own sending, which never waits.
class AnsweringRotator : public rotator::Transport {
 public:
  void open(const rotator::Address&) override { opened_ = true; }
  void write(std::string_view bytes) override { written_.emplace_back(bytes); }
  void close() override { opened_ = connected_ = false; }
  void wakeAt(Clock::time_point) override {}
  Clock::time_point now() override { return Clock::now(); }

  void answer(WinDurOzirozador& window) {
    if (opened_ && !connected_) {
      connected_ = true;
      window.rotatorConnected();
    }
    while (!written_.empty()) {
      const std::string line = std::move(written_.front());
      written_.pop_front();
      window.rotatorReceived(replyTo(line));
    }
  }
  long commands = 0;

 private:
  std::string_view replyTo(std::string_view line) {
    ++commands;
    if (line.starts_with("\\dump_state"))
      return "1\n1\nmin_az=-180.0\nmax_az=450.0\nmin_el=0.0\nmax_el=90.0\ndone\n";
    if (line.starts_with("p")) return "0.000000\n0.000000\n";
    return "RPRT 0\n";
  }

  bool opened_ = false, connected_ = false;
  std::deque<std::string> written_;
};

void sixthKeyToLabels(benchmark::State& state, std::string_view correspondent, bool rotator) {
  test_support::TemporaryFolder folder;
  test_support::writeFile(folder.path() / "SavLoc.ini", "\"JN23XX\"\r\n");
  DiskFileSystem files;
  HeadlessPlatform platform(files, folder.path(), folder.path() / "user");
  WinDurOzirozador window(platform);
  AnsweringRotator rotctld;
  if (rotator) window.attachRotator(rotctld, {"127.0.0.1", 4533});
  window.Form_Load();
  window.show();
  if (window.Text_M_Loc.text() != "JN23XX") state.SkipWithError("my locator was not kept");

  typeText(window.Text_S_Loc, correspondent.substr(0, 5));
  const std::int16_t sixth = correspondent[5];
  const long passesBefore = platform.eventLoopPasses;
  for (auto _ : state) {
    window.Text_S_Loc.typeKey(sixth);
    state.PauseTiming();
    window.Text_S_Loc.typeKey(key::kBackspace);  // five characters again, the needle at rest
    rotctld.answer(window);
    state.ResumeTiming();
  }
  if (window.LabelDistance.caption().rfind("Distance: ", 0) != 0)
    state.SkipWithError("the labels were not written");
  state.counters["passes"] =
      benchmark::Counter(static_cast<double>(platform.eventLoopPasses - passesBefore),
                         benchmark::Counter::kAvgIterations);
  if (rotator && rotctld.commands < static_cast<long>(state.iterations()))
    state.SkipWithError("the rotator was not sent each bearing");
  state.SetLabel(window.LabelDistance.caption() + ", " + window.LabelAzimut.caption());
}
BENCHMARK_CAPTURE(sixthKeyToLabels, IO91WM, std::string_view("IO91WM"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixthKeyToLabels, IO91WM_rotator, std::string_view("IO91WM"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixthKeyToLabels, KN12AA, std::string_view("KN12AA"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixthKeyToLabels, KN12AA_rotator, std::string_view("KN12AA"), true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel
