// Times one full 360° sweep of the needle on the real window and counts the paints it made.
// Run it on a display (Xvfb will do): tarvel_sweep_timing [ROUNDS]
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "window/desktop/toolkit_platform.hpp"
#include "window/qt/fonts.hpp"
#include "window/qt/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tarvel::qt::installFontSubstitutes();
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

  tarvel::ToolkitPlatform platform;
  tarvel::WinDurOzirozador window(platform);
  tarvel::qt::WindowView view(window);
  platform.attach(view);
  window.Form_Load();
  view.show();
  if (!QTest::qWaitForWindowExposed(&view)) return 1;
  window.show();

  std::vector<double> milliseconds;
  long paints = 0;
  for (int round = 0; round < rounds; ++round) {
    window.Azimut = 360;
    const long paintsBefore = view.drawingPaints();
    const auto start = std::chrono::steady_clock::now();
    window.Dessine_Angle();
    const auto stop = std::chrono::steady_clock::now();
    paints = view.drawingPaints() - paintsBefore;
    milliseconds.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("full sweep (361 steps): median %.1f ms over %d rounds, %ld paints in the last\n",
              milliseconds[milliseconds.size() / 2], rounds, paints);
  return 0;
}
