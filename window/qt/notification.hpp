#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace tarvel::qt {

class NotificationAccessible;

// The result said to a screen reader, on a bridge that has no announcement of its own: an
// accessible object with the notification role, named by the sentence and shown when the result
// is complete, which Orca speaks by itself. It is no widget and no child in the window's tree, so
// it takes no Tab stop and flat review never meets it; only the event that shows it is seen.
class Notification {
 public:
  explicit Notification(QWidget& window);
  void show(const QString& sentence);

 private:
  QObject anchor_;  // what Qt's cache keys the object on
  NotificationAccessible* accessible_;
};

}  // namespace tarvel::qt
