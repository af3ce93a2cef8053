#include "window/qt/field_edit.hpp"

#include <QMetaObject>
#include <utility>

namespace tarvel::qt {

void FieldEdit::editFromOutside(OutsideEdit edit) {
  // Queued with this edit as its context: dropped if the field is gone by then.
  QMetaObject::invokeMethod(
      this,
      [this, edit = std::move(edit)] {
        if (onOutsideEdit) onOutsideEdit(edit);
      },
      Qt::QueuedConnection);
}

}  // namespace tarvel::qt
