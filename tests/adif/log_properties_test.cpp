// Properties of whole logs made up at random: filling adds one DISTANCE to each record that can
// have one and changes no other byte; what it fills, a check then finds right.
#include <gtest/gtest.h>

#include <string>

#include "tests/adif/generated_log.hpp"
#include "tests/adif/log_run.hpp"

namespace tarvel::adif::testing {
namespace {

constexpr std::size_t kRecords = 3000;

// The output less each DISTANCE field that stands just before an <EOR>; counts them. The
// generated values never hold a 'd', so every "<distance:" found opens a tag.
std::string withoutNewDistances(const std::string& output, std::uint64_t& removed) {
  std::string input;
  std::size_t at = 0;
  for (std::size_t tag = 0; (tag = output.find('<', tag)) != std::string::npos; ++tag) {
    const std::string_view name = std::string_view(output).substr(tag, 10);
    if (name != "<DISTANCE:" && name != "<distance:") continue;
    const std::size_t close = output.find('>', tag);
    const std::size_t next = close + 1 + std::stoul(output.substr(tag + 10, close - tag - 10));
    const std::string_view after = std::string_view(output).substr(next, 5);
    if (after != "<EOR>" && after != "<eor>") continue;
    input += output.substr(at, tag - at);
    at = next;
    ++removed;
  }
  return input + output.substr(at);
}

TEST(GeneratedLogs, FillingAddsDistancesAndChangesNoOtherByte) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const GeneratedLog log = generateLog(seed, kRecords / 8);
    const LogRun run = fill(log.text, {}, {seed * 7, 1, seed * 131});
    std::uint64_t removed = 0;
    EXPECT_EQ(withoutNewDistances(run.output, removed), log.text);
    EXPECT_EQ(removed, log.withDistance);
    EXPECT_EQ(run.tally.filled, log.withDistance);
    EXPECT_EQ(run.tally.records, log.records);
    EXPECT_TRUE(run.reports.empty()) << run.reports.front();
  }
}

TEST(GeneratedLogs, WhatIsFilledChecksRight) {
  const GeneratedLog log = generateLog(99, kRecords);
  const LogRun filled = fill(log.text, {});
  const LogRun checked = check(filled.output, {}, {4096});
  EXPECT_EQ(checked.tally.records, log.records);
  EXPECT_EQ(checked.tally.checked, log.withDistance);
  EXPECT_EQ(checked.tally.findings, 0u);
  EXPECT_TRUE(checked.reports.empty()) << checked.reports.front();
}

}  // namespace
}  // namespace tarvel::adif::testing
