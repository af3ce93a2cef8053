#include "window/qt/rose_accessible.hpp"

#include "window/qt/canvas.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::qt {

RoseAccessible::RoseAccessible(Canvas& canvas) : QAccessibleWidget(&canvas, QAccessible::Dial) {}

const Canvas& RoseAccessible::canvas() const {
  return static_cast<const Canvas&>(*widget());
}

QString RoseAccessible::text(QAccessible::Text kind) const {
  const WinDurOzirozador& window = canvas().window();
  switch (kind) {
    case QAccessible::Name: {
      const std::string_view name = window.Shape3.design().accessibleName;
      return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    case QAccessible::Value:
      return QString::fromStdString(WinDurOzirozador::bearingReading(window.needleBearing()));
    default:
      return QAccessibleWidget::text(kind);
  }
}

void* RoseAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

// At rest the needle shows no bearing: no value.
QVariant RoseAccessible::currentValue() const {
  const auto bearing = canvas().window().needleBearing();
  return bearing ? QVariant(*bearing) : QVariant();
}

QAccessibleInterface* RoseAccessible::forObject(const QString&, QObject* object) {
  if (auto* canvas = dynamic_cast<Canvas*>(object)) return new RoseAccessible(*canvas);
  return nullptr;
}

}  // namespace tarvel::qt
