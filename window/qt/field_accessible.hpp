#pragma once

#include <QAccessibleWidget>

namespace tarvel::qt {

class FieldEdit;

// A field's text as a screen reader reads it, in place of Qt's own line-edit interface: the
// fields hold one short word each, so every boundary but the character gives the whole value, at
// every offset, the end and an empty text included, and no query walks the text. (Qt 6.4's
// answers one-character attribute runs, which Orca speaks as a cut value, and its word query at
// the end of "59" never returns.) What a tool writes goes to the window's rules, not to the edit.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
 public:
  explicit FieldAccessible(FieldEdit& edit);

  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The text interface.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}  // a field's whole text is always in view
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  // The editable-text interface: each call is the window's to judge, later.
  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

  // Qt's factory: this interface for a field's edit, none for any other object.
  static QAccessibleInterface* forObject(const QString& className, QObject* object);

 private:
  FieldEdit& edit() const;
  int clamped(int offset) const;
  QString piece(int start, int end, int* startOffset, int* endOffset) const;
  QRect textBox() const;
};

}  // namespace tarvel::qt
