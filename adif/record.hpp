#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "adif/names.hpp"
#include "adif/scanner.hpp"

namespace tarvel::adif {

// The values of one record that the command reads, gathered from the scanner's events: the first
// field of each name, cut at kKept bytes (no square, position or distance is that long). Every
// string keeps its capacity from record to record.
class Record {
 public:
  static constexpr std::size_t kKept = 64;

  struct Value {
    std::string text;  // as written, cut at kKept bytes
    bool present = false;
    bool cut = false;
    std::uint64_t offset = 0;                    // of its tag
    bool empty() const { return text.empty(); }  // absent, or <NAME:0>
  };

  // The field the tag opens, when the command reads it and it is the first of its name.
  std::optional<Field> begin(const Tag& tag);
  void add(std::string_view piece);
  void end() { filling_ = nullptr; }
  void clear();

  const Value& operator[](Field field) const { return values_[static_cast<std::size_t>(field)]; }
  std::uint64_t start() const { return start_; }  // offset of the first tag

 private:
  std::array<Value, kFieldCount> values_;
  Value* filling_ = nullptr;
  bool begun_ = false;
  std::uint64_t start_ = 0;
};

}  // namespace tarvel::adif
