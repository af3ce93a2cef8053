#!/bin/sh
# Measures the real window under Xvfb beside two Qt 6 windows built here: a bare QWidget of the
# same size, and a plain window with the same widgets (the fifty controls of the design table at
# the same places, with the same fonts, colours and globe picture, and no logic). For each: the
# time from start to the window mapped, the processor time it used until then (less disturbed by
# other work on the machine than the wall-clock time) and the peak resident memory then (median
# of 10), and one
# full 360° sweep of the real window. Needs the Release build (./scripts/build.sh), Xvfb and
# xdotool. Never waits without a bound: a window that does not appear within the time limit is
# reported as a failed start.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${TARVEL_BENCH_RUNS:-10}
limit_ms=${TARVEL_BENCH_LIMIT_MS:-10000}
work=$(mktemp -d)
xvfb=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

for tool in Xvfb xdotool pkg-config; do
  command -v "$tool" >/dev/null || { echo "window.sh needs $tool" >&2; exit 1; }
done
[ -x "$root/build/window/qt/tarvel" ] || { echo "no build/window/qt/tarvel: run ./scripts/build.sh" >&2; exit 1; }

cat > "$work/minimal.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Minimal-Qt6");
  window.resize(470, 251);
  window.show();
  return application.exec();
}
CPP

# The same widgets as Tarvel's window, from its design table, with none of its logic: no model,
# no event filter, no timer, no settings file.
cat > "$work/same_widgets.cpp" <<'CPP'
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include "window/model/design.hpp"
#include "window/qt/fonts.hpp"
#include "window/qt/design_values.hpp"
using namespace tarvel;
class Globe : public QWidget {
 public:
  explicit Globe(QWidget* parent) : QWidget(parent), globe_(QStringLiteral(":/globe.png")) {}
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 64));
    painter.drawPixmap(0, 0, globe_);
  }
 private:
  QPixmap globe_;
};
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qt::installFontSubstitutes();
  QWidget window;
  window.setWindowTitle("Same-widgets-Qt6");
  window.setWindowIcon(QIcon(QStringLiteral(":/tarvel.png")));
  window.setFixedSize(qt::logical(design::kClientWidth), qt::logical(design::kClientHeight));
  window.setFont(qt::fontOf(design::kWindowFont));
  (new Globe(&window))->setGeometry(window.rect());
  for (const ControlDesign& control : design::controls()) {
    const QString text = QString::fromUtf8(control.text.data(), control.text.size());
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::PushButton: widget = new QPushButton(text, &window); break;
      case ControlKind::TextField: widget = new QLineEdit(text, &window); break;
      case ControlKind::CheckBox: widget = new QCheckBox(&window); break;
      case ControlKind::Label: {
        auto* label = new QLabel(text, &window);
        label->setAttribute(Qt::WA_TranslucentBackground);
        widget = label;
        break;
      }
      case ControlKind::ComboBox: {
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->addItems(text == "Nord" ? QStringList{"Nord", "Sud"} : QStringList{"Est", "Ouest"});
        combo->setEditText(text);
        widget = combo;
        break;
      }
      default: continue;
    }
    widget->setGeometry(qt::logical(control.box));
    if (control.font) widget->setFont(qt::fontOf(*control.font));
    QPalette palette = widget->palette();
    if (control.foreground) palette.setColor(QPalette::WindowText, qt::toColor(*control.foreground));
    if (control.background) palette.setColor(QPalette::Base, qt::toColor(*control.background));
    widget->setPalette(palette);
    widget->setVisible(control.visible);
  }
  window.show();
  return application.exec();
}
CPP
cat > "$work/pictures.qrc" <<QRC
<RCC><qresource prefix="/">
<file alias="globe.png">$root/resources/globe.png</file>
<file alias="tarvel.png">$root/resources/tarvel.png</file>
</qresource></RCC>
QRC

echo "== Building the two baselines"
qt_flags=$(pkg-config --cflags --libs Qt6Widgets)
rcc=$(pkg-config --variable=libexecdir Qt6Core 2>/dev/null || true)/rcc
[ -x "$rcc" ] || rcc=/usr/lib/qt6/libexec/rcc
"$rcc" --name pictures "$work/pictures.qrc" -o "$work/pictures.cpp"
# shellcheck disable=SC2086
g++ -O2 -fPIC -std=c++17 "$work/minimal.cpp" -o "$work/minimal" $qt_flags
# shellcheck disable=SC2086
g++ -O3 -fPIC -std=c++20 -DNDEBUG -I"$root" "$work/same_widgets.cpp" "$root/window/qt/fonts.cpp" \
  "$work/pictures.cpp" "$root/build/libtarvel_core.a" -o "$work/same_widgets" $qt_flags
cp "$root/build/window/qt/tarvel" "$work/tarvel"  # its own folder: no saved locator

. "$root/bench/xvfb.sh"
. "$root/bench/figures.sh"

# Starts a program, polls every 20 ms until a window of that title is mapped (at most limit_ms),
# then notes the time and the peak resident memory so far (VmHWM) and ends that process by its id.
# Answers false for a failed start, which it reports: no window in time, or the program ended
# (under load Xvfb now and then refuses a connection and Qt aborts).
measure() {
  program=$1 title=$2
  start=$(now_ms)
  "$program" >"$work/run.log" 2>&1 &
  program_pid=$!
  mapped=""
  while :; do
    if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
      mapped=$(now_ms)
      # Time on a processor, in nanoseconds, of the main thread (the threads Qt starts do little).
      awk '{printf "%.1f\n", $1 / 1e6}' "/proc/$program_pid/schedstat" >>"$work/$title.cpu"
      break
    fi
    if ! kill -0 "$program_pid" 2>/dev/null; then break; fi
    [ $(($(now_ms) - start)) -ge "$limit_ms" ] && break
    sleep 0.02
  done
  started=true
  if [ -n "$mapped" ]; then
    echo $((mapped - start)) >>"$work/$title.start"
    sleep 0.3
    awk '/^VmHWM:/ {print $2}' "/proc/$program_pid/status" >>"$work/$title.peak"
  elif kill -0 "$program_pid" 2>/dev/null; then
    echo "failed start: $title, no window within $limit_ms ms" | tee -a "$work/failures" >&2
    started=false
  else
    status=0
    wait "$program_pid" 2>/dev/null || status=$?
    echo "failed start: $title ended with status $status: $(grep -m1 . "$work/run.log" || true)" |
      tee -a "$work/failures" >&2
    started=false
  fi
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  $started
}

# One sample: a failed start is tried again, three attempts at most.
sample() {
  measure "$1" "$2" || measure "$1" "$2" || measure "$1" "$2" || true
}

echo "== Measuring, $runs rounds"
i=0
while [ "$i" -lt "$runs" ]; do
  sample "$work/minimal" Minimal-Qt6
  sample "$work/same_widgets" Same-widgets-Qt6
  sample "$work/tarvel" Tarvel-V1.1
  i=$((i + 1))
done

t=$(median "$work/Tarvel-V1.1.start") s=$(median "$work/Same-widgets-Qt6.start")
m=$(median "$work/Minimal-Qt6.start")
echo "start to window mapped (median of $runs): tarvel $t ms, same-widgets window $s ms," \
  "minimal window $m ms; ratios $(ratio "$t" "$s") and $(ratio "$t" "$m")"
t=$(median "$work/Tarvel-V1.1.cpu") s=$(median "$work/Same-widgets-Qt6.cpu")
m=$(median "$work/Minimal-Qt6.cpu")
echo "processor time to window mapped (median of $runs): tarvel $t ms, same-widgets window $s ms," \
  "minimal window $m ms; ratios $(ratio "$t" "$s") and $(ratio "$t" "$m")"
t=$(median "$work/Tarvel-V1.1.peak") s=$(median "$work/Same-widgets-Qt6.peak")
m=$(median "$work/Minimal-Qt6.peak")
echo "peak resident memory (median of $runs): tarvel $t KiB, same-widgets window $s KiB," \
  "minimal window $m KiB; ratios $(ratio "$t" "$s") and $(ratio "$t" "$m")"
failed=0
[ -f "$work/failures" ] && failed=$(wc -l <"$work/failures")
echo "failed starts (each tried again, three attempts at most): $failed"

(cd "$work" && timeout 120 "$root/build/bench/qt/tarvel_sweep_timing" 5) || echo "sweep timing failed or timed out" >&2
