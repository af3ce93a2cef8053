#pragma once

#include <cstdint>
#include <string_view>

#include "adif/contact.hpp"
#include "adif/scanner.hpp"
#include "adif/verdict.hpp"

// What reading a log tells the program, as typed values; the program puts them into words.
namespace tarvel::adif {

struct Warning {
  enum class Kind {
    LengthInCharacters,  // a logger counted UTF-8 characters: read so, the value is right
    BadSquare,           // the record is left as it is
    BadPosition,
    BadPath,
  } kind;
  Where where;             // of the field's tag
  std::string_view name;   // for LengthInCharacters the tag as written, else the field's name
  std::string_view value;  // the value as written, cut, for the bad ones
};

struct Finding {
  Where where;                     // the record's number and the offset of its first tag
  std::string_view call, qsoDate;  // as written; empty when the record has none
  std::string_view stored;         // the DISTANCE as written, cut
  const Contact& contact;
  Verdict verdict;
};

class Reports {
 public:
  virtual void fault(const Fault& fault) = 0;
  virtual void warning(const Warning& warning) = 0;
  virtual void finding(const Finding& finding) = 0;

 protected:
  ~Reports() = default;
};

// The summary of a run; each record counts once, under the first that applies.
struct Tally {
  std::uint64_t records = 0;
  std::uint64_t unreadable = 0;
  std::uint64_t filled = 0;    // a DISTANCE written where there was none (or an empty one)
  std::uint64_t replaced = 0;  // --overwrite
  std::uint64_t kept = 0;      // a DISTANCE already there
  std::uint64_t checked = 0, findings = 0;
  std::uint64_t withoutDistance = 0;  // nothing to check
  std::uint64_t withoutSquares = 0;
  std::uint64_t otherPath = 0;
  std::uint64_t invalid = 0;  // a square, a position or a path that is not one: left as it is
};

}  // namespace tarvel::adif
