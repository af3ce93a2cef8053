// The real Qt window with a rotator, as tests/support/rotator_window_test.py drives it: my saved
// locator, a correspondent typed as real key events, a key typed just after, then the window's
// own event loop and clock for a while. It prints what it saw, a line each, for the script to
// judge against the rotator it started: the messages (and how many came during the sweep), the
// announcements, the rose's antenna reading and needle, and how soon the key reached its field.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "tests/support/rotator_probe.hpp"
#include "window/qt/rotator_socket.hpp"
#include "window/qt/window_view.hpp"

namespace tarvel {
namespace {

QLineEdit& editOf(qt::WindowView& view, const Control& control) {
  return *qobject_cast<QLineEdit*>(view.widgetOf(control));
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  using namespace tarvel;
  QApplication application(argc, argv);
  const auto given = probe::arguments(argc, argv);
  if (!given) return 2;
  probe::ProbedWindow<qt::RotatorSocket, qt::WindowView> probed(given->address);
  WinDurOzirozador& window = probed.window;
  qt::WindowView& view = *probed.view;
  view.show();
  window.show();

  QElapsedTimer clock;
  clock.start();
  QTest::keyClicks(&editOf(view, window.Text_S_Loc), QString::fromUtf8(given->locator));
  std::printf("messages_during_sweep %zu\n", probed.messagesDuringSweep());
  QLineEdit& seconds = editOf(view, window.Text_S_Lat_Sec);
  seconds.setFocus();
  seconds.selectAll();
  QTest::keyClicks(&seconds, QStringLiteral("5"));
  if (window.Text_S_Lat_Sec.text() == "5") std::printf("key_ms %lld\n", clock.elapsed());
  std::printf("azimuth_label %s\n", window.LabelAzimut.caption().c_str());
  while (clock.elapsed() < given->runMilliseconds) QTest::qWait(20);
  probed.printWhatItSaw();
  return 0;
}
