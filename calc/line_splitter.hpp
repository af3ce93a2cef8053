#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A batch's input cut into lines, block by block, in bounded time and memory: each byte is looked
// at once, and only the line begun in an earlier block is kept, up to kLongestLine bytes. A longer
// line is not kept but reported once and skipped to its end. It reads nothing itself: the caller
// feeds it whatever blocks it has read.
namespace tarvel::calc {

// Far more than any operand set needs (two positions in degrees, minutes and seconds).
inline constexpr std::size_t kLongestLine = 4096;  // bytes, without the newline

class LineSplitter {
 public:
  // Lines are numbered from 1, blank ones included, as an editor counts them.
  struct Sink {
    virtual void line(long number, std::string_view text) = 0;  // without its newline
    virtual void tooLong(long number) = 0;
  };

  explicit LineSplitter(Sink& sink) : sink_(sink) {}

  void feed(std::string_view block);
  void finish();  // at the end of the input: its last line, if it has no newline

 private:
  void end(std::string_view last);  // the line ends with `last`, the rest of the current block
  void keep(std::string_view start);

  Sink& sink_;
  std::string pending_;    // the current line so far, when it began in an earlier block
  long number_ = 1;        // of the current line
  bool skipping_ = false;  // the current line was too long, and was reported
};

}  // namespace tarvel::calc
