// A log is read in bounded memory however long a value: the scanner hands every byte on within a
// bounded distance of where it was fed, and a record held for --overwrite keeps at most its limit
// in memory, the rest in the overflow.
#include <gtest/gtest.h>

#include <string>

#include "adif/scanner.hpp"
#include "tests/adif/log_run.hpp"

namespace tarvel::adif {
namespace {

constexpr std::size_t kPiece = 1 << 16;
constexpr std::size_t kLongValue = 8 << 20;
constexpr std::uint64_t kHeldBound = Scanner::kLookahead + Scanner::kLongestTag;

class Counter final : public ScanEvents {
 public:
  void text(std::string_view b) override { handed += b.size(); }
  void fieldStart(const Tag& tag) override { handed += tag.raw.size(); }
  void value(std::string_view b) override { handed += b.size(); }
  void fieldEnd(const FieldEnd& end) override { inCharacters = inCharacters || end.inCharacters; }
  void endOfHeader(std::string_view raw) override { handed += raw.size(); }
  void endOfRecord(std::string_view raw, Where) override { handed += raw.size(); }
  void fault(const Fault&) override { ++faults; }
  std::uint64_t handed = 0;
  bool inCharacters = false;
  int faults = 0;
};

// Feeds the log in pieces; the most that was ever fed and not yet handed on.
std::uint64_t mostHeldBack(const std::string& log, Counter& counter) {
  Scanner scanner;
  std::uint64_t fed = 0, most = 0;
  for (std::size_t at = 0; at < log.size(); at += kPiece) {
    const std::string_view piece = std::string_view(log).substr(at, kPiece);
    scanner.feed(piece, counter);
    fed += piece.size();
    most = std::max(most, fed - counter.handed);
  }
  scanner.finish(counter);
  EXPECT_EQ(counter.handed, log.size());
  return most;
}

TEST(BoundedMemory, ALongValueIsHandedOnAsItComes) {
  Counter counter;
  const std::string log =
      "<COMMENT:" + std::to_string(kLongValue) + ">" + std::string(kLongValue, 'x') + "<EOR>";
  EXPECT_LE(mostHeldBack(log, counter), kHeldBound);
  EXPECT_EQ(counter.faults, 0);
}

// A length that would be right in characters, but whose characters run past what the scanner
// looks ahead: the byte count stands, and the rest is text between fields.
TEST(BoundedMemory, CountingCharactersLooksAheadSoFarOnly) {
  std::string value;
  for (std::size_t i = 0; i < kLongValue / 2; ++i)
    value += "\xC3\xA9";
  Counter counter;
  const std::string log = "<NAME:" + std::to_string(kLongValue / 2) + ">" + value + "<EOR>";
  EXPECT_LE(mostHeldBack(log, counter), kHeldBound);
  EXPECT_FALSE(counter.inCharacters);
}

// The regression this guards: the DISTANCE to replace comes first, its squares after a long
// value, so everything between waits for the record's end.
TEST(BoundedMemory, ARecordHeldForOverwriteOverflows) {
  constexpr std::size_t kLimit = 4096;
  const std::string comment =
      "<COMMENT:" + std::to_string(kLongValue) + ">" + std::string(kLongValue, 'c');
  const std::string squares = "<MY_GRIDSQUARE:6>IO91WM<GRIDSQUARE:6>JN18EU";
  const FillOptions overwrite{{}, true};
  const testing::LogRun replaced = testing::fill("<DISTANCE:4>5800" + comment + squares + "<EOR>\n",
                                                 overwrite, {kPiece}, kLimit);
  EXPECT_EQ(replaced.output, "<DISTANCE:5>346.2" + comment + squares + "<EOR>\n");
  EXPECT_EQ(replaced.overflowed,
            std::string("<DISTANCE:4>5800").size() + comment.size() + squares.size() - kLimit);
  EXPECT_TRUE(replaced.reports.empty());
  // Without its squares the record keeps its DISTANCE, and comes out whole.
  const std::string unchanged = "<DISTANCE:4>5800" + comment + "<EOR>\n";
  EXPECT_EQ(testing::fill(unchanged, overwrite, {kPiece}, kLimit).output, unchanged);
}

}  // namespace
}  // namespace tarvel::adif
