#pragma once

#include <QWidget>

namespace tarvel::qt {

// A frame in the design's focus colour around the control that has the focus, drawn the same on
// fields, boxes, buttons and the check box, whatever the style draws of its own.
class FocusFrame : public QWidget {
 public:
  explicit FocusFrame(QWidget* parent);
  void surround(const QWidget& control);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvel::qt
