#include "window/qt/antenna_accessible.hpp"

#include "window/win_dur_ozirozador.hpp"

namespace tarvel::qt {

AntennaIndicator::AntennaIndicator(const WinDurOzirozador& window, QWidget* parent)
    : QWidget(parent), window_(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setObjectName(QStringLiteral("Antenne"));
}

void AntennaIndicator::changed() {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleValueChangeEvent value(this, QString::fromStdString(window_.antennaReading()));
  QAccessible::updateAccessibility(&value);
}

AntennaAccessible::AntennaAccessible(AntennaIndicator& indicator)
    : QAccessibleWidget(&indicator, QAccessible::StaticText) {}

QString AntennaAccessible::text(QAccessible::Text kind) const {
  if (kind != QAccessible::Name && kind != QAccessible::Value) return QAccessibleWidget::text(kind);
  const auto& window = static_cast<const AntennaIndicator&>(*widget()).window();
  return QString::fromStdString(window.antennaReading());
}

QAccessibleInterface* AntennaAccessible::forObject(const QString&, QObject* object) {
  if (auto* indicator = dynamic_cast<AntennaIndicator*>(object))
    return new AntennaAccessible(*indicator);
  return nullptr;
}

}  // namespace tarvel::qt
