// hamlib's error codes, from its own header: every one has its French meaning, in its place.
#include <gtest/gtest.h>
#include <hamlib/rig.h>

#include <set>
#include <string>

#include "rotator/hamlib_codes.hpp"

namespace tarvel::rotator {
namespace {

TEST(HamlibCodes, EveryCodeOfTheHeaderHasItsOwnMeaning) {
  const std::string unknown(hamlibErrorMeaning(RIG_EEND));
  std::set<std::string> meanings;
  for (int code = RIG_OK; code < RIG_EEND; ++code) {
    const std::string meaning(hamlibErrorMeaning(code));
    EXPECT_NE(meaning, unknown) << code;
    EXPECT_TRUE(meanings.insert(meaning).second) << code << " repeats " << meaning;
  }
  EXPECT_EQ(hamlibErrorMeaning(-RIG_EINVAL), unknown);
}

}  // namespace
}  // namespace tarvel::rotator
