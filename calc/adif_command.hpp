#pragma once

#include <string_view>

// tarvel-calc adif: the distances of a whole ADIF log filled in, or the ones there checked.
namespace tarvel::calc {

// The exit status of a check that found distances that disagree with their squares.
inline constexpr int kFindings = 3;

struct AdifRequest {
  std::string_view file;    // empty or "-": standard input
  std::string_view myGrid;  // checked; stands in for a missing MY_GRIDSQUARE
  bool overwrite = false, check = false, inPlace = false, json = false;
};

// Returns the exit status; throws BadInput for options that exclude each other.
int runAdif(const AdifRequest& request);

}  // namespace tarvel::calc
