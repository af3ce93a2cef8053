// The check on a table of stored distances: what agrees within the squares' uncertainty, and the
// faults loggers make (miles stored as kilometres, a distance between two identical squares, a
// number that is none).
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/adif/log_run.hpp"

namespace tarvel::adif::testing {
namespace {

struct Stored {
  const char* name;
  std::string record;
  std::vector<std::string> reports;  // the findings and warnings, empty when it agrees
};

// 346.2 km on the short path, 39730.4 km on the long.
const std::string kBoth = "<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:6>JN18EU";

std::string distance(const std::string& value) {
  return "<DISTANCE:" + std::to_string(value.size()) + ">" + value;
}

const std::vector<Stored> kStored = {
    {"as filled", kBoth + distance("346.2") + "<EOR>", {}},
    {"whole kilometres", kBoth + distance("346") + "<EOR>", {}},
    {"within the squares", kBoth + distance("340") + "<EOR>", {}},
    // Three degrees north along a meridian from the equator: 331.7 km on the WGS84 ellipsoid
    // (Vincenty) between squares of 40 m, 334.0 km on this sphere.
    {"on the ellipsoid",
     "<MY_GRIDSQUARE:8>JJ50AA00<MY_GRIDSQUARE_EXT:2>AA<GRIDSQUARE:8>JJ53AA00"
     "<GRIDSQUARE_EXT:2>AA" +
         distance("331.7") + "<EOR>",
     {}},
    {"too far", kBoth + distance("360") + "<EOR>", {"finding Disagrees 1@0"}},
    {"miles", kBoth + distance("215.1") + "<EOR>", {"finding InMiles 1@0"}},
    {"four characters are not exact",
     "<MY_GRIDSQUARE:4>IO91<GRIDSQUARE:4>JN18" + distance("346") + "<EOR>",
     {}},
    {"the long path", kBoth + "<ANT_PATH:1>L" + distance("39730") + "<EOR>", {}},
    {"the short one on the long path",
     kBoth + "<ANT_PATH:1>L" + distance("346.2") + "<EOR>",
     {"finding Disagrees 1@0"}},
    {"identical squares, a few kilometres",
     "<MY_GRIDSQUARE:6>JN18EU<GRIDSQUARE:6>jn18eu" + distance("4") + "<EOR>",
     {}},
    {"identical squares, far apart",
     "<MY_GRIDSQUARE:6>JN18EU<GRIDSQUARE:6>jn18eu" + distance("120") + "<EOR>",
     {"finding SameSquares 1@0"}},
    {"blanks around the number", kBoth + distance(" 346.2 ") + "<EOR>", {}},
    {"a decimal comma", kBoth + distance("346,2") + "<EOR>", {"finding NotANumber 1@0"}},
    {"negative", kBoth + distance("-346") + "<EOR>", {"finding NotANumber 1@0"}},
    {"longer than any number",
     kBoth + distance(std::string(100, '3')) + "<EOR>",
     {"finding NotANumber 1@0"}},
    {"no path to check", kBoth + "<ANT_PATH:1>O" + distance("99") + "<EOR>", {}},
    {"a square that is not one",
     "<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:4>JN1X" + distance("99") + "<EOR>",
     {"warning BadSquare 1@23"}},
    {"the record after another",
     "<CALL:4>G4AB" + kBoth + "<EOR>\n<CALL:4>G4AC" + kBoth + distance("215.1") + "<EOR>",
     {"finding InMiles 2@61"}},
};

// Named, not dumped as bytes, in a failure.
void PrintTo(const Stored& c, std::ostream* out) {
  *out << c.name;
}

class StoredDistances : public ::testing::TestWithParam<Stored> {};

TEST_P(StoredDistances, AreJudged) {
  const LogRun run = check(GetParam().record, {});
  EXPECT_EQ(run.reports, GetParam().reports);
  const auto findings =
      std::count_if(run.reports.begin(), run.reports.end(),
                    [](const std::string& r) { return r.starts_with("finding"); });
  EXPECT_EQ(run.tally.findings, static_cast<std::uint64_t>(findings));
}

INSTANTIATE_TEST_SUITE_P(Check, StoredDistances, ::testing::ValuesIn(kStored),
                         [](const ::testing::TestParamInfo<Stored>& info) {
                           std::string name;
                           for (const char c : std::string(info.param.name))
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

}  // namespace
}  // namespace tarvel::adif::testing
