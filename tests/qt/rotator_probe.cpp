// The real Qt window with a rotator, as tests/support/rotator_window_test.py drives it: my saved
// locator, a correspondent typed as real key events, a key typed just after, then the window's
// own event loop and clock for a while. It prints what it saw, a line each, for the script to
// judge against the rotator it started: the messages (and how many came during the sweep), the
// announcements, the rose's antenna reading and needle, and how soon the key reached its field.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "tests/runner/toolkit_backend.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/qt/rotator_socket.hpp"
#include "window/qt/window_view.hpp"

namespace tarvel {
namespace {

constexpr int kRunMilliseconds = 4000;

QLineEdit& editOf(qt::WindowView& view, const Control& control) {
  return *qobject_cast<QLineEdit*>(view.widgetOf(control));
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  using namespace tarvel;
  QApplication application(argc, argv);
  const char* where = std::getenv("TARVEL_ROTATOR");
  const auto address = rotator::parseAddress(where ? where : "");
  if (!address || argc < 2) {
    std::fprintf(stderr, "usage: TARVEL_ROTATOR=HOST:PORT rotator_probe LOCATOR [MILLISECONDS]\n");
    return 2;
  }
  const int runTime = argc > 2 ? std::atoi(argv[2]) : kRunMilliseconds;
  test_support::TemporaryFolder folder;
  test_support::writeFile(folder.path() / "SavLoc.ini", "\"JN18EU\"\r\n");
  scenarios::ScriptedToolkitPlatform platform;
  platform.folders = {folder.path(), folder.path() / "user"};
  WinDurOzirozador window(platform);
  qt::RotatorSocket socket(window);
  window.attachRotator(socket, *address);
  qt::WindowView view(window);
  platform.attach(view);
  window.Form_Load();
  view.show();
  window.show();

  // Only a sweep runs passes of the event loop from inside the window: the messages that came
  // after its first pass and before its last. One shown before it started is not in its middle.
  std::optional<std::size_t> beforeSweep;
  std::size_t duringSweep = 0;
  platform.onEventLoopPass = [&] {
    if (!beforeSweep) beforeSweep = platform.messages.size();
    duringSweep = std::max(duringSweep, platform.messages.size() - *beforeSweep);
  };
  QElapsedTimer clock;
  clock.start();
  QTest::keyClicks(&editOf(view, window.Text_S_Loc), QString::fromUtf8(argv[1]));
  std::printf("messages_during_sweep %zu\n", duringSweep);
  QLineEdit& seconds = editOf(view, window.Text_S_Lat_Sec);
  seconds.setFocus();
  seconds.selectAll();
  QTest::keyClicks(&seconds, QStringLiteral("5"));
  if (window.Text_S_Lat_Sec.text() == "5") std::printf("key_ms %lld\n", clock.elapsed());
  std::printf("azimuth_label %s\n", window.LabelAzimut.caption().c_str());
  while (clock.elapsed() < runTime) QTest::qWait(20);
  for (const RecordedMessage& message : platform.messages)
    std::printf("message %s\n", message.text.c_str());
  for (const std::string& sentence : platform.announcements)
    std::printf("announced %s\n", sentence.c_str());
  std::printf("reading %s\n", window.antennaReading().c_str());
  std::printf("needle %s\n", window.antennaNeedle() ? "drawn" : "none");
  return 0;
}
