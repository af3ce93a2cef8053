#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A record's output that cannot be written yet: with --overwrite, everything from a DISTANCE that
// comes before the squares to the record's end. It stays in memory up to a limit and goes on to
// an overflow beyond it (an anonymous temporary file, for the program), so a record holding a
// value of any size is held in bounded memory.
namespace tarvel::adif {

class Sink {
 public:
  virtual void write(std::string_view bytes) = 0;

 protected:
  ~Sink() = default;
};

class Overflow {
 public:
  virtual void append(std::string_view bytes) = 0;
  // Writes what was appended since the last release, less its first `skip` bytes, in order, and
  // forgets it.
  virtual void release(Sink& out, std::uint64_t skip) = 0;

 protected:
  ~Overflow() = default;
};

class HeldOutput {
 public:
  HeldOutput(std::size_t memoryLimit, Overflow& overflow)
      : limit_(memoryLimit), overflow_(overflow) {}

  void append(std::string_view bytes);
  std::uint64_t size() const { return memory_.size() + overflowed_; }
  void release(Sink& out, std::uint64_t skip);

 private:
  std::size_t limit_;
  Overflow& overflow_;
  std::string memory_;
  std::uint64_t overflowed_ = 0;
};

}  // namespace tarvel::adif
