#pragma once

#include <string_view>

namespace tarvel::rotator {

// What a hamlib error code means (enum rig_errcode_e in hamlib/rig.h), in French. RPRT sends the
// code negated: RPRT -1 is code 1, an invalid parameter, which rotctld answers for a position
// outside the rotator's limits.
std::string_view hamlibErrorMeaning(int code);

}  // namespace tarvel::rotator
