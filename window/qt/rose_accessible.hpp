#pragma once

#include <QAccessibleWidget>

namespace tarvel::qt {

class Canvas;

// The compass rose as a screen reader finds it: an object of its own, named by the design, whose
// value is the bearing the needle shows.
class RoseAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit RoseAccessible(Canvas& canvas);

  QString text(QAccessible::Text kind) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant&) override {}  // the user cannot turn the needle
  QVariant maximumValue() const override { return 360; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  // Qt's factory: the rose's interface for the canvas, none for any other object.
  static QAccessibleInterface* forObject(const QString& className, QObject* object);

 private:
  const Canvas& canvas() const;
};

}  // namespace tarvel::qt
