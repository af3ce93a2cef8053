#include "window/model/edit_buffer.hpp"

#include <algorithm>

#include "window/model/utf8.hpp"

namespace tarvel {

bool EditBuffer::assign(std::string_view text) {
  const bool changed = text_ != text;
  text_ = text;
  caretToEnd();
  return changed;
}

std::size_t EditBuffer::roomLeft(std::size_t currentLength) const {
  if (maxLength_ == 0) return std::u32string::npos;
  return currentLength - selectionLength_ >= maxLength_
             ? 0
             : maxLength_ - (currentLength - selectionLength_);
}

bool EditBuffer::insert(char32_t character) {
  if (roomLeft(utf8::length(text_)) == 0) return false;
  return replaceSelection(std::u32string(1, character));
}

std::string_view firstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

bool EditBuffer::paste(std::string_view text) {
  std::u32string pasted = utf8::decode(firstLine(text));
  const std::size_t room = roomLeft(utf8::length(text_));
  if (pasted.size() > room) pasted.resize(room);
  return replaceSelection(pasted);
}

bool EditBuffer::backspace() {
  if (selectionLength_ == 0) {
    if (caret_ == 0) return false;
    select(caret_ - 1, 1);
  }
  return replaceSelection({});
}

bool EditBuffer::apply(EditKey key) {
  const std::size_t length = utf8::length(text_);
  switch (key) {
    case EditKey::Delete:
      if (selectionLength_ == 0) {
        if (caret_ >= length) return false;
        select(caret_, 1);
      }
      return replaceSelection({});
    case EditKey::Home:
      select(0, 0);
      return false;
    case EditKey::End:
      select(length, 0);
      return false;
    case EditKey::Left:
      select(caret_ > 0 ? caret_ - 1 : 0, 0);
      return false;
    case EditKey::Right:
      select(caret_ + 1, 0);
      return false;
  }
  return false;
}

void EditBuffer::select(std::size_t start, std::size_t length) {
  const std::size_t textLength = utf8::length(text_);
  selectionStart_ = std::min(start, textLength);
  selectionLength_ = std::min(length, textLength - selectionStart_);
  caret_ = selectionStart_ + selectionLength_;
}

void EditBuffer::caretToEnd() {
  select(utf8::length(text_), 0);
}

bool EditBuffer::replaceSelection(std::u32string_view replacement) {
  if (selectionLength_ == 0 && replacement.empty()) return false;
  std::u32string characters = utf8::decode(text_);
  characters.replace(selectionStart_, selectionLength_, replacement);
  const std::string before = std::move(text_);
  text_ = utf8::encode(characters);
  select(selectionStart_ + replacement.size(), 0);
  return text_ != before;
}

}  // namespace tarvel
