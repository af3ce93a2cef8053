#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The ADI syntax of ADIF 3.1, read as a stream: bytes go in as they come, in chunks of any size,
// and every byte comes out again in one event, in order, so that a writer can copy the file
// exactly. Memory stays bounded whatever the file: a value is handed on in pieces as it arrives,
// never held whole; what is held back is one tag and at most kLookahead bytes after a value.
//
// A file that begins with anything but '<' (a UTF-8 byte order mark aside) has a header: its text
// may hold anything up to <EOH>, and a '<' there that opens no tag is only text. A file that
// begins with '<' has none, unless an <EOH> comes before the first <EOR> (as many loggers write
// their header fields without text). In records, a '<' outside a value always opens a tag.
namespace tarvel::adif {

struct Where {
  std::uint64_t record;  // counted from 1 after the header; 0 in a header
  std::uint64_t offset;  // bytes from the start of the input
};

struct Tag {
  std::string_view raw;   // as written, "<call:5:S>"
  std::string_view name;  // as written: names are case-insensitive
  std::string_view type;  // the data type indicator, empty when none
  std::uint64_t length;   // of the value, in bytes as declared
  Where where;            // of the '<'
};

struct Fault {
  enum class Kind {
    BadLength,      // <CALL:x>: the length is not a number
    NoLength,       // <CALL>: a field without a length (only <EOR> and <EOH> have none)
    NoName,         // <:4>
    UnclosedTag,    // no '>' before the next '<' or within kLongestTag bytes
    PastEnd,        // the value runs past the end of the input
    NoEndOfRecord,  // fields after the last <EOR>
    NoEndOfHeader,  // header text and no <EOH>
  } kind;
  Where where;
  std::string text;  // the tag as written, cut at kLongestShown bytes
};

struct FieldEnd {
  bool inCharacters;     // the length was read as a count of UTF-8 characters (see Scanner)
  std::string_view tag;  // the field's tag as written, cut at Scanner::kLongestShown bytes
  Where where;           // of the tag
};

class ScanEvents {
 public:
  // Bytes outside the fields: header text, what stands between fields, and an unreadable record
  // from its fault to its <EOR>.
  virtual void text(std::string_view bytes) = 0;
  virtual void fieldStart(const Tag& tag) = 0;
  virtual void value(std::string_view piece) = 0;  // the field's value, in one or more pieces
  virtual void fieldEnd(const FieldEnd& end) = 0;
  virtual void endOfHeader(std::string_view raw) = 0;
  virtual void endOfRecord(std::string_view raw, Where where) = 0;
  // The record being read cannot be; what follows of it comes as text, up to its <EOR> if any.
  virtual void fault(const Fault& fault) = 0;

 protected:
  ~ScanEvents() = default;
};

class Scanner {
 public:
  static constexpr std::size_t kLongestTag = 4096;
  static constexpr std::size_t kLookahead = 65536;
  static constexpr std::size_t kLongestShown = 64;

  void feed(std::string_view bytes, ScanEvents& events);
  // The end of the input: what was held back is decided and handed on, and a cut record reported.
  void finish(ScanEvents& events);

 private:
  enum class State { Start, Text, Value, AfterValue, Resync };

  bool step(ScanEvents& events);
  bool start(ScanEvents& events);
  bool text(ScanEvents& events);
  bool tag(ScanEvents& events);
  void field(ScanEvents& events, const Tag& tag);
  bool value(ScanEvents& events);
  bool afterValue(ScanEvents& events);
  bool endValue(ScanEvents& events, std::size_t extra, bool inCharacters);
  bool resync(ScanEvents& events);
  bool endOfRecord(ScanEvents& events, std::string_view raw);
  bool endOfHeader(ScanEvents& events, std::string_view raw);
  bool fail(ScanEvents& events, Fault::Kind kind, std::size_t size);
  std::string_view available() const;
  Where where(std::size_t at) const;

  std::string buffer_;      // bytes held back from the last feed
  std::string_view input_;  // what is being read: the bytes fed, or buffer_ with them after it
  std::size_t at_ = 0;      // the first byte of input_ not yet handed on
  std::uint64_t base_ = 0;  // offset in the input of input_[0]
  State state_ = State::Start;
  bool finishing_ = false;
  bool headerText_ = false;    // in the text of a header, until <EOH>
  bool recordsBegun_ = false;  // past an <EOH> or an <EOR>: no header any more
  bool recordOpen_ = false;    // a field or a fault since the last <EOR>
  std::uint64_t record_ = 1;
  std::uint64_t recordStart_ = 0;  // offset of its first tag
  // The current field's tag, for its end and for a value cut by the end of the input.
  Where tagWhere_{};
  std::string lastTag_;
  // The value being read.
  std::uint64_t length_ = 0, left_ = 0;
  std::uint64_t starts_ = 0;  // its bytes that begin a UTF-8 character
};

}  // namespace tarvel::adif
