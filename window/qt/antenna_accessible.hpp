#pragma once

#include <QAccessibleWidget>
#include <QWidget>

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::qt {

// Over the rose, a widget that paints nothing and takes no click, for a screen reader to find the
// antenna's heading as it reads a label: "Antenne 130°", "Antenne injoignable". Only a window
// with a rotator has one.
class AntennaIndicator : public QWidget {
 public:
  AntennaIndicator(const WinDurOzirozador& window, QWidget* parent);
  const WinDurOzirozador& window() const { return window_; }
  // The heading changed: the bridge is told once.
  void changed();

 private:
  const WinDurOzirozador& window_;
};

class AntennaAccessible : public QAccessibleWidget {
 public:
  explicit AntennaAccessible(AntennaIndicator& indicator);
  QString text(QAccessible::Text kind) const override;

  // Qt's factory: the indicator's interface, none for any other object.
  static QAccessibleInterface* forObject(const QString& className, QObject* object);
};

}  // namespace tarvel::qt
