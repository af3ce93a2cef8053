#include "window/qt/field_accessible.hpp"

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

#include "window/qt/field_edit.hpp"

namespace tarvel::qt {
namespace {

// IAccessible2's offset for "where the caret is", which Qt's bridges pass on.
constexpr int kCaretOffset = -2;

// Qt's line edit leaves this margin between its frame and its text.
constexpr int kTextMargin = 2;

}  // namespace

FieldAccessible::FieldAccessible(FieldEdit& edit)
    : QAccessibleWidget(&edit, QAccessible::EditableText) {}

FieldEdit& FieldAccessible::edit() const {
  return static_cast<FieldEdit&>(*widget());
}

QAccessible::State FieldAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = !edit().isReadOnly();
  state.readOnly = edit().isReadOnly();
  state.selectableText = true;
  return state;
}

QString FieldAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return edit().text();
  return QAccessibleWidget::text(kind);
}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface)
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  const bool selected = selectionIndex == 0 && edit().hasSelectedText();
  *startOffset = selected ? edit().selectionStart() : 0;
  *endOffset = selected ? edit().selectionEnd() : 0;
}

int FieldAccessible::selectionCount() const {
  return edit().hasSelectedText() ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) edit().deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  const int start = clamped(startOffset);
  edit().setSelection(start, clamped(endOffset) - start);
}

int FieldAccessible::cursorPosition() const {
  return edit().cursorPosition();
}

void FieldAccessible::setCursorPosition(int position) {
  edit().setCursorPosition(clamped(position));
}

// An offset inside the text or at its end; -1 for the end, as AT-SPI's callers write it.
int FieldAccessible::clamped(int offset) const {
  if (offset == kCaretOffset) return cursorPosition();
  const int count = characterCount();
  return offset < 0 ? count : std::min(offset, count);
}

QString FieldAccessible::text(int startOffset, int endOffset) const {
  const int start = clamped(startOffset);
  return edit().text().mid(start, std::max(0, clamped(endOffset) - start));
}

QString FieldAccessible::piece(int start, int end, int* startOffset, int* endOffset) const {
  *startOffset = start;
  *endOffset = end;
  return edit().text().mid(start, end - start);
}

// Before the character, the one before it; before the whole value, nothing.
QString FieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
  const int at = clamped(offset);
  if (boundaryType == QAccessible::CharBoundary && at > 0)
    return piece(at - 1, at, startOffset, endOffset);
  return piece(0, 0, startOffset, endOffset);
}

// After the character, the next one; after the whole value, nothing, at its end.
QString FieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
  const int at = clamped(offset);
  const int count = characterCount();
  if (boundaryType == QAccessible::CharBoundary && at + 1 < count)
    return piece(at + 1, at + 2, startOffset, endOffset);
  return piece(count, count, startOffset, endOffset);
}

// The character gives the one character (none at the end); every other boundary the whole value.
QString FieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                      int* startOffset, int* endOffset) const {
  const int at = clamped(offset);
  const int count = characterCount();
  if (boundaryType == QAccessible::CharBoundary)
    return piece(at, std::min(at + 1, count), startOffset, endOffset);
  return piece(0, count, startOffset, endOffset);
}

int FieldAccessible::characterCount() const {
  return static_cast<int>(edit().text().size());
}

// The text carries no attributes: one run, the whole value, wherever it is asked.
QString FieldAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

// Where the edit draws its text, in its own coordinates, as its alignment places it.
QRect FieldAccessible::textBox() const {
  const QFontMetrics metrics(edit().font());
  const QSize size(metrics.horizontalAdvance(edit().text()), metrics.height());
  const QRect inside = edit()
                           .contentsRect()
                           .marginsRemoved(edit().textMargins())
                           .adjusted(kTextMargin, 0, -kTextMargin, 0);
  return QStyle::alignedRect(edit().layoutDirection(), edit().alignment(), size, inside);
}

QRect FieldAccessible::characterRect(int offset) const {
  const int at = clamped(offset);
  const QFontMetrics metrics(edit().font());
  const QString text = edit().text();
  const QRect box = textBox();
  const int left = box.left() + metrics.horizontalAdvance(text.left(at));
  const int width = at < text.size() ? metrics.horizontalAdvance(text.at(at)) : 0;
  return QRect(edit().mapToGlobal(QPoint(left, box.top())), QSize(width, box.height()));
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const {
  for (int offset = 0; offset < characterCount(); ++offset) {
    if (characterRect(offset).contains(point)) return offset;
  }
  return -1;
}

void FieldAccessible::deleteText(int startOffset, int endOffset) {
  replaceText(startOffset, endOffset, QString());
}

void FieldAccessible::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  const int start = clamped(startOffset);
  edit().editFromOutside({start, std::max(start, clamped(endOffset)), text});
}

QAccessibleInterface* FieldAccessible::forObject(const QString&, QObject* object) {
  if (auto* edit = dynamic_cast<FieldEdit*>(object)) return new FieldAccessible(*edit);
  return nullptr;
}

}  // namespace tarvel::qt
