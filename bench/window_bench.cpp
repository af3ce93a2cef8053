// From the sixth key typed into the correspondent's locator to the labels written: checking,
// decoding, encoding, distance and azimuth, the needle's sweep (one empty event-loop pass a
// degree) and the correspondent's time, on a headless window whose own locator was kept.
#include <benchmark/benchmark.h>

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

void sixthKeyToLabels(benchmark::State& state, std::string_view correspondent) {
  test_support::TemporaryFolder folder;
  test_support::writeFile(folder.path() / "SavLoc.ini", "\"JN23XX\"\r\n");
  DiskFileSystem files;
  HeadlessPlatform platform(files, folder.path(), folder.path() / "user");
  WinDurOzirozador window(platform);
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
    state.ResumeTiming();
  }
  if (window.LabelDistance.caption().rfind("Distance: ", 0) != 0)
    state.SkipWithError("the labels were not written");
  state.counters["passes"] =
      benchmark::Counter(static_cast<double>(platform.eventLoopPasses - passesBefore),
                         benchmark::Counter::kAvgIterations);
  state.SetLabel(window.LabelDistance.caption() + ", " + window.LabelAzimut.caption());
}
BENCHMARK_CAPTURE(sixthKeyToLabels, IO91WM, std::string_view("IO91WM"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixthKeyToLabels, KN12AA, std::string_view("KN12AA"))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel
