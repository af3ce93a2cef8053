#pragma once

#include <QPixmap>
#include <QWidget>

namespace tarvel {
class WinDurOzirozador;
}

namespace tarvel::qt {

// The globe picture and the compass rose with its needle, beneath every other control.
class Canvas : public QWidget {
 public:
  Canvas(const WinDurOzirozador& window, QWidget* parent);
  long paints() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const WinDurOzirozador& window_;
  QPixmap globe_;
  long paints_ = 0;
};

}  // namespace tarvel::qt
