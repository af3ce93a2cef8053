#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>

namespace tarvel::qt {

// What a tool outside the window asked of a field's text: the characters from start to end
// replaced by text (an insertion when start equals end, a deletion when text is empty).
struct OutsideEdit {
  int start = 0;
  int end = 0;
  QString text;
};

// A field's line edit, or the editable part of a direction box, that an assistive tool may write
// into through its accessible text. The edit never changes the text itself: it hands the tool's
// request to the window, later, from the window's own queue, so that the tool's call returns at
// once and the window's rules judge the text (a message box they raise must not hold the tool).
class FieldEdit : public QLineEdit {
 public:
  explicit FieldEdit(QWidget* parent) : QLineEdit(parent) {}

  std::function<void(const OutsideEdit&)> onOutsideEdit;
  void editFromOutside(OutsideEdit edit);
};

}  // namespace tarvel::qt
