// The filler on a table of record shapes: each field it reads, each fault it must survive, names
// in any case, both line ends, a header or none. Every shape is fed whole and in pieces of 1, 2,
// 5 and 13 bytes, and must come out the same each time.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/adif/log_run.hpp"

namespace tarvel::adif::testing {
namespace {

struct Shape {
  const char* name;
  std::string input;
  std::string output;
  std::string tally;  // records/filled/replaced/kept/without squares/other path/invalid/unreadable
  std::vector<std::string> reports = {};
  FillOptions options = {};
};

// The two stations of most shapes: 346.2 km apart on the short path, 39730.4 km on the long.
const std::string kBoth = "<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:6>JN18EU";

std::string tallyText(const Tally& t) {
  return std::to_string(t.records) + "/" + std::to_string(t.filled) + "/" +
         std::to_string(t.replaced) + "/" + std::to_string(t.kept) + "/" +
         std::to_string(t.withoutSquares) + "/" + std::to_string(t.otherPath) + "/" +
         std::to_string(t.invalid) + "/" + std::to_string(t.unreadable);
}

const std::vector<Shape> kShapes = {
    // Squares of each length, the extension, the paths.
    {"six characters", "<CALL:4>G4AB" + kBoth + "<EOR>\n",
     "<CALL:4>G4AB" + kBoth + "<DISTANCE:5>346.2<EOR>\n", "1/1/0/0/0/0/0/0"},
    {"lower case names and end, spaces between fields",
     "<call:4>g4ab <my_gridsquare:6>io91wm <gridsquare:6>jn18eu <eor>\n",
     "<call:4>g4ab <my_gridsquare:6>io91wm <gridsquare:6>jn18eu <distance:5>346.2<eor>\n",
     "1/1/0/0/0/0/0/0"},
    {"four characters, CR LF", "<MY_GRIDSQUARE:4>IO91\r\n<GRIDSQUARE:4>JN18\r\n<EOR>\r\n",
     "<MY_GRIDSQUARE:4>IO91\r\n<GRIDSQUARE:4>JN18\r\n<DISTANCE:5>439.7<EOR>\r\n",
     "1/1/0/0/0/0/0/0"},
    {"two characters", "<MY_GRIDSQUARE:2>IO<GRIDSQUARE:2>JN<EOR>",
     "<MY_GRIDSQUARE:2>IO<GRIDSQUARE:2>JN<DISTANCE:6>1802.2<EOR>", "1/1/0/0/0/0/0/0"},
    {"eight characters and an extension",
     "<MY_GRIDSQUARE:8>IO91WM00<GRIDSQUARE:8>JN18EU25<GRIDSQUARE_EXT:2>ab<EOR>",
     "<MY_GRIDSQUARE:8>IO91WM00<GRIDSQUARE:8>JN18EU25<GRIDSQUARE_EXT:2>ab<DISTANCE:5>344.9<EOR>",
     "1/1/0/0/0/0/0/0"},
    {"an extension after six characters is no part of the square",
     kBoth + "<GRIDSQUARE_EXT:2>AB<EOR>", kBoth + "<GRIDSQUARE_EXT:2>AB<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0"},
    {"long path", kBoth + "<ANT_PATH:1>l<EOR>", kBoth + "<ANT_PATH:1>l<DISTANCE:7>39730.4<EOR>",
     "1/1/0/0/0/0/0/0"},
    {"grey line takes the short path", kBoth + "<ANT_PATH:1>G<EOR>",
     kBoth + "<ANT_PATH:1>G<DISTANCE:5>346.2<EOR>", "1/1/0/0/0/0/0/0"},
    {"other path: none", kBoth + "<ANT_PATH:1>O<EOR>", kBoth + "<ANT_PATH:1>O<EOR>",
     "1/0/0/0/0/1/0/0"},
    {"a path ADIF does not define",
     kBoth + "<ANT_PATH:5>short<EOR>",
     kBoth + "<ANT_PATH:5>short<EOR>",
     "1/0/0/0/0/0/1/0",
     {"warning BadPath 1@43"}},
    // Positions more exact than the squares, on one side and on both.
    {"LAT and LON", kBoth + "<LAT:11>N048 51.400<LON:11>E002 21.133<EOR>",
     kBoth + "<LAT:11>N048 51.400<LON:11>E002 21.133<DISTANCE:5>345.1<EOR>", "1/1/0/0/0/0/0/0"},
    {"both stations' positions",
     kBoth +
         "<LAT:11>n048 51.400<LON:11>e002 21.133<MY_LAT:11>N051 30.000<MY_LON:11>W000 07.500<EOR>",
     kBoth + "<LAT:11>n048 51.400<LON:11>e002 21.133<MY_LAT:11>N051 30.000<MY_LON:11>W000 07.500"
             "<DISTANCE:5>343.1<EOR>",
     "1/1/0/0/0/0/0/0"},
    {"LAT without LON: the square", kBoth + "<LAT:11>N048 51.400<EOR>",
     kBoth + "<LAT:11>N048 51.400<DISTANCE:5>346.2<EOR>", "1/1/0/0/0/0/0/0"},
    {"LAT not in XDDD MM.MMM",
     kBoth + "<LAT:8>N48 51.4<LON:11>E002 21.133<EOR>",
     kBoth + "<LAT:8>N48 51.4<LON:11>E002 21.133<EOR>",
     "1/0/0/0/0/0/1/0",
     {"warning BadPosition 1@43"}},
    {"a second GRIDSQUARE is left alone", kBoth + "<GRIDSQUARE:4>FN31<EOR>",
     kBoth + "<GRIDSQUARE:4>FN31<DISTANCE:5>346.2<EOR>", "1/1/0/0/0/0/0/0"},
    // My square from the command line, and only where the record has none.
    {"--my-grid stands in",
     "<GRIDSQUARE:6>JN18EU<EOR>",
     "<GRIDSQUARE:6>JN18EU<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0",
     {},
     {"IO91WM", false}},
    {"MY_GRIDSQUARE before --my-grid",
     kBoth + "<EOR>",
     kBoth + "<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0",
     {},
     {"RR99", false}},
    // A distance there already.
    {"kept", "<DISTANCE:3>346" + kBoth + "<EOR>", "<DISTANCE:3>346" + kBoth + "<EOR>",
     "1/0/0/1/0/0/0/0"},
    {"an empty one is filled where it stands", "<DISTANCE:0> " + kBoth + "<EOR>",
     "<DISTANCE:5>346.2 " + kBoth + "<EOR>", "1/1/0/0/0/0/0/0"},
    {"--overwrite: in place, its name and type as written",
     "<distance:4:N>5800\n" + kBoth + "<EOR>",
     "<distance:5:N>346.2\n" + kBoth + "<EOR>",
     "1/0/1/0/0/0/0/0",
     {},
     {"", true}},
    {"--overwrite without squares keeps it",
     "<DISTANCE:4>5800<GRIDSQUARE:6>JN18EU<EOR>",
     "<DISTANCE:4>5800<GRIDSQUARE:6>JN18EU<EOR>",
     "1/0/0/0/1/0/0/0",
     {},
     {"", true}},
    // Values that hold what would end a record, and header text.
    {"a value holding <EOR> inside its length", "<COMMENT:12>a<EOR>b<c:1>d" + kBoth + "<EOR>",
     "<COMMENT:12>a<EOR>b<c:1>d" + kBoth + "<DISTANCE:5>346.2<EOR>", "1/1/0/0/0/0/0/0"},
    {"header text with a '<' that opens no tag, header fields",
     "Exported <today>\n<PROGRAMID:5>X<EOH><ADIF_VER:5>3.1.4<EOH>\n" + kBoth + "<EOR>",
     "Exported <today>\n<PROGRAMID:5>X<EOH><ADIF_VER:5>3.1.4<EOH>\n" + kBoth +
         "<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0"},
    {"header fields without text, a byte order mark",
     "\xEF\xBB\xBF<ADIF_VER:5>3.1.4<EOH>" + kBoth + "<EOR>",
     "\xEF\xBB\xBF<ADIF_VER:5>3.1.4<EOH>" + kBoth + "<DISTANCE:5>346.2<EOR>", "1/1/0/0/0/0/0/0"},
    {"no header: an <EOH> after a record is no tag",
     kBoth + "<EOR><EOH>" + kBoth + "<EOR>",
     kBoth + "<DISTANCE:5>346.2<EOR><EOH>" + kBoth + "<EOR>",
     "2/1/0/0/0/0/0/1",
     {"fault NoLength 2@48"}},
    // Lengths a logger counted in UTF-8 characters: read so, with a warning.
    {"a count that ends inside a character",
     "<NAME:4>José" + kBoth + "<EOR>",
     "<NAME:4>José" + kBoth + "<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0",
     {"warning LengthInCharacters 1@0"}},
    {"a count that ends before a letter",
     "<NAME:6>Müller" + kBoth + "<EOR>",
     "<NAME:6>Müller" + kBoth + "<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0",
     {"warning LengthInCharacters 1@0"}},
    {"a count that ends before a letter either way: the bytes stand",
     "<NAME:6>Müllerx" + kBoth + "<EOR>", "<NAME:6>Müllerx" + kBoth + "<DISTANCE:5>346.2<EOR>",
     "1/1/0/0/0/0/0/0"},
    {"a byte count followed by text stands", "<NAME:4>Jose text" + kBoth + "<EOR>",
     "<NAME:4>Jose text" + kBoth + "<DISTANCE:5>346.2<EOR>", "1/1/0/0/0/0/0/0"},
    // Faults: the record as it came, reported with its number and offset; the rest goes on.
    {"a length that is not a number",
     "<CALL:x>G4AB" + kBoth + "<EOR>\n" + kBoth + "<EOR>",
     "<CALL:x>G4AB" + kBoth + "<EOR>\n" + kBoth + "<DISTANCE:5>346.2<EOR>",
     "2/1/0/0/0/0/0/1",
     {"fault BadLength 1@0"}},
    {"a tag without '>'",
     "<CALL:4 G4AB" + kBoth + "<EOR>" + kBoth + "<EOR>",
     "<CALL:4 G4AB" + kBoth + "<EOR>" + kBoth + "<DISTANCE:5>346.2<EOR>",
     "2/1/0/0/0/0/0/1",
     {"fault UnclosedTag 1@0"}},
    {"a length past the end of the file",
     kBoth + "<EOR>\n<COMMENT:60>cut short",
     kBoth + "<DISTANCE:5>346.2<EOR>\n<COMMENT:60>cut short",
     "2/1/0/0/0/0/0/1",
     {"fault PastEnd 2@49"}},
    {"a record without <EOR> at the end",
     kBoth + "<EOR>\n" + kBoth + "\n",
     kBoth + "<DISTANCE:5>346.2<EOR>\n" + kBoth + "\n",
     "2/1/0/0/0/0/0/1",
     {"fault NoEndOfRecord 2@49"}},
    {"a header without <EOH>",
     "ADIF export\n" + kBoth,
     "ADIF export\n" + kBoth,
     "0/0/0/0/0/0/0/0",
     {"fault NoEndOfHeader 0@55"}},
    {"a square that is not one",
     "<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:3>FN3<EOR>",
     "<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:3>FN3<EOR>",
     "1/0/0/0/0/0/1/0",
     {"warning BadSquare 1@23"}},
    {"letters out of range",
     "<MY_GRIDSQUARE:4>ZZ99<GRIDSQUARE:6>JN18EU<EOR>",
     "<MY_GRIDSQUARE:4>ZZ99<GRIDSQUARE:6>JN18EU<EOR>",
     "1/0/0/0/0/0/1/0",
     {"warning BadSquare 1@0"}},
    {"an empty square", "<MY_GRIDSQUARE:6>IO91WM<gridsquare:0><EOR>",
     "<MY_GRIDSQUARE:6>IO91WM<gridsquare:0><EOR>", "1/0/0/0/1/0/0/0"},
};

// Named, not dumped as bytes, in a failure.
void PrintTo(const Shape& c, std::ostream* out) {
  *out << c.name;
}

class RecordShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(RecordShapes, ComeOutAsExpectedInAnyPieces) {
  const Shape& shape = GetParam();
  for (const std::vector<std::size_t>& sizes :
       std::vector<std::vector<std::size_t>>{{}, {1}, {2}, {5}, {13}}) {
    SCOPED_TRACE(sizes.empty() ? "whole" : "pieces of " + std::to_string(sizes[0]));
    const LogRun run = fill(shape.input, shape.options, sizes);
    EXPECT_EQ(run.output, shape.output);
    EXPECT_EQ(tallyText(run.tally), shape.tally);
    EXPECT_EQ(run.reports, shape.reports);
  }
}

INSTANTIATE_TEST_SUITE_P(Fill, RecordShapes, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<Shape>& info) {
                           std::string name;
                           for (const char c : std::string(info.param.name))
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return std::to_string(info.index) + "_" + name.substr(0, 40);
                         });

}  // namespace
}  // namespace tarvel::adif::testing
