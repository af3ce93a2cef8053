#include "adif/scanner.hpp"

#include <algorithm>
#include <charconv>

#include "adif/names.hpp"

namespace tarvel::adif {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kEndOfRecord = "EOR";
constexpr std::string_view kEndOfHeader = "EOH";
constexpr std::size_t kShortText = 4;

bool continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// What may follow a value whose length was counted right.
bool boundary(char c) {
  return c == '<' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

}  // namespace

// The bytes are read where they are; only what is held back at the end is copied, to be read
// again with the next ones.
void Scanner::feed(std::string_view bytes, ScanEvents& events) {
  if (buffer_.empty()) {
    input_ = bytes;
  } else {
    buffer_.append(bytes);
    input_ = buffer_;
  }
  while (step(events)) {
  }
  base_ += at_;
  const std::string_view held = input_.substr(at_);
  if (input_.data() == buffer_.data())
    buffer_.erase(0, at_);
  else
    buffer_.assign(held);
  input_ = buffer_;
  at_ = 0;
}

void Scanner::finish(ScanEvents& events) {
  finishing_ = true;
  while (step(events)) {
  }
  if (state_ == State::Value) {
    events.fault({Fault::Kind::PastEnd, tagWhere_, lastTag_});
  } else if (headerText_) {
    events.fault({Fault::Kind::NoEndOfHeader, where(at_), {}});
  } else if (recordOpen_ && state_ != State::Resync) {
    events.fault({Fault::Kind::NoEndOfRecord, {record_, recordStart_}, {}});
  }
  buffer_.clear();
  input_ = buffer_;
  at_ = 0;
}

bool Scanner::step(ScanEvents& events) {
  switch (state_) {
    case State::Start:
      return start(events);
    case State::Text:
      return text(events);
    case State::Value:
      return value(events);
    case State::AfterValue:
      return afterValue(events);
    case State::Resync:
      return resync(events);
  }
  return false;
}

std::string_view Scanner::available() const {
  return input_.substr(at_);
}

Where Scanner::where(std::size_t at) const {
  return {headerText_ ? 0 : record_, base_ + at};
}

bool Scanner::start(ScanEvents& events) {
  std::string_view rest = available();
  const std::size_t mark = std::min(rest.size(), kByteOrderMark.size());
  if (mark > 0 && rest.substr(0, mark) == kByteOrderMark.substr(0, mark)) {
    if (mark < kByteOrderMark.size() && !finishing_) return false;
    if (mark == kByteOrderMark.size()) {
      events.text(rest.substr(0, mark));
      at_ += mark;
      rest.remove_prefix(mark);
    }
  }
  if (rest.empty()) return false;
  headerText_ = rest.front() != '<';
  state_ = State::Text;
  return true;
}

bool Scanner::text(ScanEvents& events) {
  const std::string_view rest = available();
  if (rest.empty()) return false;
  // Most text is a space or a line end before the next tag: looked at before a search is called.
  std::size_t open = 0;
  while (open < rest.size() && open < kShortText && rest[open] != '<')
    ++open;
  if (open == kShortText) open = rest.find('<', open);
  if (open == std::string_view::npos || open == rest.size()) {
    events.text(rest);
    at_ += rest.size();
    return false;
  }
  if (open > 0) {
    events.text(rest.substr(0, open));
    at_ += open;
  }
  return tag(events);
}

// At a '<': a tag, an end of record or of header, or a fault. One pass finds the tag's end and
// its first two colons: tags are short, and a search a part would be a call each.
bool Scanner::tag(ScanEvents& events) {
  const std::string_view rest = available();
  constexpr std::size_t npos = std::string_view::npos;
  std::size_t close = 1, colon = npos, typeColon = npos;
  for (; close < rest.size() && rest[close] != '>' && rest[close] != '<'; ++close) {
    if (rest[close] != ':' || typeColon != npos) continue;
    (colon == npos ? colon : typeColon) = close;
  }
  if (close == rest.size() && close < kLongestTag && !finishing_) return false;
  if (close == rest.size() || close >= kLongestTag || rest[close] == '<') {
    return fail(events, Fault::Kind::UnclosedTag, close);
  }
  const std::string_view raw = rest.substr(0, close + 1);
  const std::string_view name = raw.substr(1, std::min(colon, close) - 1);
  if (colon == npos) {
    if (sameName(name, kEndOfRecord)) return endOfRecord(events, raw);
    if (sameName(name, kEndOfHeader) && !recordsBegun_) return endOfHeader(events, raw);
    return fail(events, Fault::Kind::NoLength, raw.size());
  }
  const std::size_t lengthEnd = std::min(typeColon, close);
  std::uint64_t length = 0;
  const auto [end, error] = std::from_chars(raw.data() + colon + 1, raw.data() + lengthEnd, length);
  if (error != std::errc{} || end != raw.data() + lengthEnd) {
    return fail(events, Fault::Kind::BadLength, raw.size());
  }
  if (name.empty()) return fail(events, Fault::Kind::NoName, raw.size());
  const std::string_view type =
      typeColon == npos ? std::string_view() : raw.substr(typeColon + 1, close - typeColon - 1);
  field(events, {raw, name, type, length, where(at_)});
  return true;
}

void Scanner::field(ScanEvents& events, const Tag& tag) {
  if (!recordOpen_) recordStart_ = tag.where.offset;
  recordOpen_ = true;
  tagWhere_ = tag.where;
  lastTag_.assign(tag.raw.substr(0, kLongestShown));
  events.fieldStart(tag);
  at_ += tag.raw.size();
  length_ = left_ = tag.length;
  starts_ = 0;
  state_ = State::Value;
}

bool Scanner::value(ScanEvents& events) {
  const std::string_view rest = available();
  const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(left_, rest.size()));
  if (size > 0) {
    const std::string_view piece = rest.substr(0, size);
    std::uint64_t starts = 0;
    for (const char c : piece)
      starts += !continuation(static_cast<unsigned char>(c));
    starts_ += starts;
    events.value(piece);
    at_ += size;
    left_ -= size;
  }
  if (left_ > 0) return false;
  state_ = State::AfterValue;
  return true;
}

// The declared length read as bytes unless it ends before anything but '<', white space or the
// end (which a count ending inside a UTF-8 character does: a continuation byte follows), and the
// same count read as characters ends cleanly: then the logger counted characters, and the value
// runs on to the end of its last one.
bool Scanner::afterValue(ScanEvents& events) {
  const std::string_view rest = available();
  if (rest.empty() && !finishing_) return false;
  if (rest.empty() || boundary(rest.front())) return endValue(events, 0, false);
  const std::size_t limit = std::min(rest.size(), kLookahead);
  std::uint64_t starts = starts_;
  std::size_t end = 0;
  for (; end < limit; ++end) {
    if (continuation(static_cast<unsigned char>(rest[end]))) continue;
    if (starts == length_) break;
    ++starts;
  }
  if (end == limit && limit == kLookahead) return endValue(events, 0, false);
  if (end == rest.size() && !finishing_) return false;
  const bool endsCleanly = end == rest.size() ? starts == length_ : boundary(rest[end]);
  return endsCleanly && end > 0 ? endValue(events, end, true) : endValue(events, 0, false);
}

bool Scanner::endValue(ScanEvents& events, std::size_t extra, bool inCharacters) {
  if (extra > 0) {
    events.value(available().substr(0, extra));
    at_ += extra;
  }
  events.fieldEnd({inCharacters, lastTag_, tagWhere_});
  state_ = State::Text;
  return true;
}

// After a fault: the record's bytes up to its <EOR> handed on as they are.
bool Scanner::resync(ScanEvents& events) {
  const std::string_view rest = available();
  if (rest.empty()) return false;
  if (rest.front() == '<') {
    const std::size_t size = kEndOfRecord.size() + 2;
    if (rest.size() < size && !finishing_) return false;
    if (rest.size() >= size && rest[size - 1] == '>' &&
        sameName(rest.substr(1, kEndOfRecord.size()), kEndOfRecord)) {
      return endOfRecord(events, rest.substr(0, size));
    }
  }
  const std::size_t next = std::min(rest.find('<', 1), rest.size());
  events.text(rest.substr(0, next));
  at_ += next;
  return next < rest.size();
}

bool Scanner::endOfRecord(ScanEvents& events, std::string_view raw) {
  events.endOfRecord(raw, {record_, base_ + at_});
  at_ += raw.size();
  ++record_;
  recordOpen_ = false;
  recordsBegun_ = true;
  headerText_ = false;
  state_ = State::Text;
  return true;
}

bool Scanner::endOfHeader(ScanEvents& events, std::string_view raw) {
  events.endOfHeader(raw);
  at_ += raw.size();
  record_ = 1;
  recordOpen_ = false;
  recordsBegun_ = true;
  headerText_ = false;
  state_ = State::Text;
  return true;
}

// A '<' that opens no readable tag: in header text it is text; in records the record is lost to
// the next <EOR>, and its bytes are handed on as they are.
bool Scanner::fail(ScanEvents& events, Fault::Kind kind, std::size_t size) {
  const std::string_view rest = available();
  if (headerText_) {
    events.text(rest.substr(0, 1));
    ++at_;
    return true;
  }
  if (!recordOpen_) recordStart_ = base_ + at_;
  recordOpen_ = true;
  events.fault({kind, where(at_), std::string(rest.substr(0, std::min(size, kLongestShown)))});
  state_ = State::Resync;
  // The fault's own '<' is text; the search for <EOR> begins after it.
  events.text(rest.substr(0, 1));
  ++at_;
  return true;
}

}  // namespace tarvel::adif
