#pragma once

#include <string_view>

#include "adif/contact.hpp"

// A stored DISTANCE judged against the two squares.
namespace tarvel::adif {

struct Verdict {
  enum class Kind {
    Agrees,
    Disagrees,    // by more than the squares allow
    InMiles,      // agrees once multiplied by the statute mile: miles stored as kilometres
    SameSquares,  // more than the squares allow between two identical squares
    NotANumber,   // not a non-negative number
  } kind;
  double stored;     // kilometres as written (0 when not a number)
  double expected;   // kilometres along the record's path
  double tolerance;  // kilometres either way
};

// `stored` is the value as written, not empty; `cut`: it was longer than a record keeps.
Verdict judge(std::string_view stored, bool cut, const Contact& contact);

// The statute mile in kilometres.
inline constexpr double kMile = 1.609344;

}  // namespace tarvel::adif
