#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel {

// What a one-line field keeps of a text given to it: up to its first line break (CR or LF).
std::string_view firstLine(std::string_view text);

// Keys that act on a field's text or caret without producing a character.
enum class EditKey { Delete, Home, End, Left, Right };

// The editable text of a field: caret, selection, insertion and deletion as a one-line edit
// control does them. Positions count characters. Every editing call answers whether the text
// changed, so that the owner raises its change event only then.
class EditBuffer {
 public:
  explicit EditBuffer(std::size_t maxLength) : maxLength_(maxLength) {}

  const std::string& text() const { return text_; }
  std::size_t caret() const { return caret_; }
  std::size_t selectionStart() const { return selectionStart_; }
  std::size_t selectionLength() const { return selectionLength_; }

  // Text set by the program: the maximum length does not apply; the caret goes to the end.
  bool assign(std::string_view text);
  // A typed character replaces the selection; it is not added to a full field.
  bool insert(char32_t character);
  // Pasted text replaces the selection and is cut to what the maximum length leaves room for. A
  // one-line field takes it up to its first line break, as a one-line edit control does.
  bool paste(std::string_view text);
  bool backspace();
  bool apply(EditKey key);

  // Caret and selection, clamped to the text. The caret ends the selection.
  void select(std::size_t start, std::size_t length);
  void caretToEnd();

 private:
  bool replaceSelection(std::u32string_view replacement);
  std::size_t roomLeft(std::size_t currentLength) const;

  std::size_t maxLength_;  // 0: no limit
  std::string text_;
  std::size_t caret_ = 0;
  std::size_t selectionStart_ = 0;
  std::size_t selectionLength_ = 0;
};

}  // namespace tarvel
