#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Logs made up at random, in the shapes loggers write: a header or none, names in either case,
// fields the command reads and fields it does not, values holding '<', "<EOR>" and UTF-8, both
// line ends; squares of 2 to 10 characters, sometimes missing or empty; no DISTANCE at all.
namespace tarvel::adif::testing {

struct GeneratedLog {
  std::string text;
  std::uint64_t records = 0;
  std::uint64_t withDistance = 0;  // records with both squares and a great-circle path
};

GeneratedLog generateLog(unsigned seed, std::size_t records);

}  // namespace tarvel::adif::testing
