#include "settings/settings_reader.hpp"

#include <algorithm>
#include <utility>

namespace tarvel::settings {
namespace {

bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool isSeparator(char c) {
  return c == ',' || isLineEnd(c);
}

}  // namespace

// The bytes up to the next one that can end the item's text are taken in one run: this is what
// makes a file of tens of megabytes quick to read.
std::size_t ItemReader::plainRun(std::string_view bytes) const {
  if (state_ != State::Quoted && state_ != State::Unquoted && state_ != State::AfterQuote) return 0;
  const char itemEnd = state_ == State::Quoted ? '"' : ',';
  const auto stop = std::find_if(bytes.begin(), bytes.end(),
                                 [itemEnd](char c) { return c == itemEnd || isLineEnd(c); });
  return static_cast<std::size_t>(stop - bytes.begin());
}

void ItemReader::feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t run = plainRun(bytes);
    if (state_ != State::AfterQuote) keep(bytes.substr(0, run));
    bytes.remove_prefix(run);
    if (bytes.empty()) return;
    take(bytes.front());
    bytes.remove_prefix(1);
  }
}

std::optional<std::string> ItemReader::finish() {
  if (state_ != State::Between && state_ != State::AfterCarriageReturn) emit();
  state_ = State::Between;
  return std::exchange(last_, std::nullopt);
}

void ItemReader::take(char c) {
  switch (state_) {
    case State::AfterCarriageReturn:
      state_ = State::Between;
      if (c == '\n') return;  // the LF of a CR LF
      [[fallthrough]];
    case State::Between:
      state_ = State::Leading;
      [[fallthrough]];
    case State::Leading:
      if (c == ' ') return;
      if (c == '"') {
        state_ = State::Quoted;
        return;
      }
      state_ = State::Unquoted;
      [[fallthrough]];
    case State::Unquoted:
      if (isSeparator(c)) return endItem(c);
      return keep(std::string_view(&c, 1));
    case State::Quoted:
      if (isLineEnd(c)) return endItem(c);
      if (c == '"') {
        state_ = State::AfterQuote;
        return;
      }
      return keep(std::string_view(&c, 1));
    case State::AfterQuote:
      if (isSeparator(c)) endItem(c);
      return;
  }
}

void ItemReader::keep(std::string_view text) {
  item_.append(text.substr(0, kMaxItemLength - item_.size()));
}

void ItemReader::endItem(char separator) {
  emit();
  state_ = separator == '\r' ? State::AfterCarriageReturn : State::Between;
}

void ItemReader::emit() {
  if (state_ == State::Unquoted || state_ == State::Leading) {
    while (!item_.empty() && item_.back() == ' ')
      item_.pop_back();
  }
  if (onItem_) onItem_(item_);
  last_ = item_;
  item_.clear();
}

}  // namespace tarvel::settings
