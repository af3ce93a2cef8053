#pragma once

#include <string_view>

// tarvel-calc adif: the distances of a whole ADIF log filled in, or the ones there checked.
namespace tarvel::calc {

struct AdifOptions {
  std::string_view myGrid;  // checked; stands in for a missing MY_GRIDSQUARE
  bool overwrite = false, check = false, inPlace = false;
};

// The log is `file`, standard input when it is empty or "-". Returns the exit status; throws
// BadInput for options that exclude each other.
int runAdif(std::string_view file, const AdifOptions& options, bool json);

}  // namespace tarvel::calc
