#include "tests/adif/log_run.hpp"

#include <algorithm>

#include "adif/checker.hpp"
#include "adif/scanner.hpp"

namespace tarvel::adif::testing {
namespace {

constexpr std::string_view kFaultNames[] = {
    "BadLength", "NoLength", "NoName", "UnclosedTag", "PastEnd", "NoEndOfRecord", "NoEndOfHeader"};
constexpr std::string_view kWarningNames[] = {"LengthInCharacters", "BadSquare", "BadPosition",
                                              "BadPath"};
constexpr std::string_view kVerdictNames[] = {"Agrees", "Disagrees", "InMiles", "SameSquares",
                                              "NotANumber"};

std::string at(Where where) {
  return std::to_string(where.record) + "@" + std::to_string(where.offset);
}

class Recorder final : public Reports {
 public:
  explicit Recorder(std::vector<std::string>& lines) : lines_(lines) {}
  void fault(const Fault& f) override {
    lines_.push_back("fault " + std::string(kFaultNames[static_cast<int>(f.kind)]) + " " +
                     at(f.where));
  }
  void warning(const Warning& w) override {
    lines_.push_back("warning " + std::string(kWarningNames[static_cast<int>(w.kind)]) + " " +
                     at(w.where));
  }
  void finding(const Finding& f) override {
    lines_.push_back("finding " + std::string(kVerdictNames[static_cast<int>(f.verdict.kind)]) +
                     " " + at(f.where));
  }

 private:
  std::vector<std::string>& lines_;
};

class StringSink final : public Sink {
 public:
  explicit StringSink(std::string& out) : out_(out) {}
  void write(std::string_view bytes) override { out_.append(bytes); }

 private:
  std::string& out_;
};

class StringOverflow final : public Overflow {
 public:
  explicit StringOverflow(std::uint64_t& appended) : appended_(appended) {}
  void append(std::string_view bytes) override {
    held_.append(bytes);
    appended_ += bytes.size();
  }
  void release(Sink& out, std::uint64_t skip) override {
    out.write(std::string_view(held_).substr(skip));
    held_.clear();
  }

 private:
  std::string held_;
  std::uint64_t& appended_;
};

void scan(std::string_view input, const std::vector<std::size_t>& sizes, ScanEvents& events) {
  Scanner scanner;
  for (std::string_view piece : piecesOf(input, sizes))
    scanner.feed(piece, events);
  scanner.finish(events);
}

}  // namespace

std::vector<std::string_view> piecesOf(std::string_view input,
                                       const std::vector<std::size_t>& sizes) {
  if (sizes.empty()) return {input};
  std::vector<std::string_view> pieces;
  for (std::size_t i = 0; !input.empty(); i = std::min(i + 1, sizes.size() - 1)) {
    pieces.push_back(input.substr(0, sizes[i]));
    input.remove_prefix(pieces.back().size());
  }
  return pieces;
}

LogRun fill(std::string_view input, const FillOptions& options,
            const std::vector<std::size_t>& sizes, std::size_t heldInMemory) {
  LogRun run;
  Recorder reports(run.reports);
  StringSink out(run.output);
  StringOverflow overflow(run.overflowed);
  HeldOutput held(heldInMemory, overflow);
  Filler filler(options, out, held, reports);
  scan(input, sizes, filler);
  filler.finish();
  run.tally = filler.tally();
  return run;
}

LogRun check(std::string_view input, std::string_view myGrid,
             const std::vector<std::size_t>& sizes) {
  LogRun run;
  Recorder reports(run.reports);
  Checker checker(myGrid, reports);
  scan(input, sizes, checker);
  checker.finish();
  run.tally = checker.tally();
  return run;
}

}  // namespace tarvel::adif::testing
