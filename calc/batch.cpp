#include "calc/batch.hpp"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "calc/console.hpp"
#include "calc/line_splitter.hpp"
#include "calc/messages.hpp"
#include "calc/status.hpp"

namespace tarvel::calc {
namespace {

constexpr std::size_t kChunk = 1 << 16;  // bytes read or written at once

// Splits a line at spaces and tabs into at most `words.size()` operands; returns how many there
// were (more than fit counts one over, which is all the caller needs to refuse the line).
std::size_t splitLine(std::string_view line, std::vector<std::string_view>& words) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t count = 0;
  auto at = line.begin();
  while (count < words.size()) {
    at = std::find_if_not(at, line.end(), blank);
    if (at == line.end()) break;
    const auto end = std::find_if(at, line.end(), blank);
    words[count++] = std::string_view(&*at, static_cast<std::size_t>(end - at));
    at = end;
  }
  return count;
}

class Batch : public LineSplitter::Sink {
 public:
  Batch(const CommandEntry& command, const Options& options)
      : command_(command), options_(options), words_(command.mostOperands + 1) {}

  void line(long number, std::string_view text) override {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const std::size_t count = splitLine(text, words_);
    if (count == 0) return;  // blank lines separate nothing
    try {
      if (count < command_.fewestOperands || count > command_.mostOperands) {
        throw BadInput(operandCountFault(command_, count));
      }
      note(runCommand(command_, std::span(words_.data(), count), options_, out_));
    } catch (const BadInput& fault) {
      fail(number, fault.what());
    }
    if (out_.size() >= kChunk) writeOk_ = flush() && writeOk_;
  }

  void tooLong(long number) override {
    fail(number, "plus de " + std::to_string(kLongestLine) + " octets, ligne ignorée");
  }

  bool flush() {
    const bool ok = out_.empty() || writeText(Stream::Output, out_);
    out_.clear();
    return ok;
  }
  // The highest status of a line, as the run's.
  void note(int status) { status_ = std::max(status_, status); }
  int status() const { return status_; }
  bool writeOk() const { return writeOk_; }

 private:
  // The results before it go out first, so that the message stands where the line would.
  void fail(long number, const std::string& message) {
    note(kBadInput);
    writeOk_ = flush() && writeOk_;
    writeOk_ = writeError("ligne " + std::to_string(number) + " : " + message) && writeOk_;
  }

  const CommandEntry& command_;
  const Options& options_;
  std::vector<std::string_view> words_;
  std::string out_;
  int status_ = kSuccess;
  bool writeOk_ = true;
};

}  // namespace

int runBatch(const CommandEntry& command, const Options& options) {
  Batch batch(command, options);
  LineSplitter lines(batch);
  std::vector<char> chunk(kChunk);
  std::size_t read = 0;
  while ((read = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) {
    lines.feed(std::string_view(chunk.data(), read));
  }
  lines.finish();
  if (std::ferror(stdin) != 0) {
    writeError("lecture de l'entrée standard impossible");
    batch.note(kBadInput);
  }
  return afterWriting(batch.flush() && batch.writeOk(), batch.status());
}

}  // namespace tarvel::calc
