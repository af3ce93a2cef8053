#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "adif/filler.hpp"
#include "adif/reports.hpp"

// A log run through the scanner and the filler or the checker from strings, cut into pieces at
// given sizes, as the program feeds them; what the run reported is kept as short strings.
namespace tarvel::adif::testing {

struct LogRun {
  std::string output;
  std::vector<std::string> reports;  // "fault BadLength 3@45", "warning BadSquare 2@30", ...
  Tally tally;
  std::uint64_t overflowed = 0;  // bytes a held record put in the overflow, past its memory
};

// Pieces of `sizes` bytes in turn (the last size repeated); one piece when `sizes` is empty.
std::vector<std::string_view> piecesOf(std::string_view input,
                                       const std::vector<std::size_t>& sizes);

LogRun fill(std::string_view input, const FillOptions& options,
            const std::vector<std::size_t>& sizes = {}, std::size_t heldInMemory = 1 << 20);
LogRun check(std::string_view input, std::string_view myGrid,
             const std::vector<std::size_t>& sizes = {});

}  // namespace tarvel::adif::testing
