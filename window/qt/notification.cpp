#include "window/qt/notification.hpp"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace tarvel::qt {

class NotificationAccessible : public QAccessibleObject {
 public:
  NotificationAccessible(QObject& anchor, QWidget& window)
      : QAccessibleObject(&anchor), window_(window) {}

  QString sentence;

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(&window_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? sentence : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QWidget& window_;
};

// Qt's cache owns the interface and deletes it with the anchor.
Notification::Notification(QWidget& window)
    : accessible_(new NotificationAccessible(anchor_, window)) {
  QAccessible::registerAccessibleInterface(accessible_);
}

void Notification::show(const QString& sentence) {
  accessible_->sentence = sentence;
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(accessible_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tarvel::qt
