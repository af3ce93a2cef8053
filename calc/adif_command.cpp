#include "calc/adif_command.hpp"

#include <string>

#include "adif/checker.hpp"
#include "adif/filler.hpp"
#include "adif/scanner.hpp"
#include "calc/adif_messages.hpp"
#include "calc/log_file.hpp"
#include "calc/messages.hpp"
#include "calc/operands.hpp"
#include "calc/status.hpp"

namespace tarvel::calc {
namespace {

// A record's output held in memory before the rest of it goes to a temporary file.
constexpr std::size_t kHeldInMemory = 1 << 20;

struct AdifRequest {
  std::string_view file;  // empty: standard input
  const AdifOptions& options;
  bool json;
};

void scan(const AdifRequest& request, adif::ScanEvents& events) {
  adif::Scanner scanner;
  readLog(std::string(request.file), [&](std::string_view block) { scanner.feed(block, events); });
  scanner.finish(events);
}

int check(const AdifRequest& request) {
  LogMessages messages(request.json, true);
  adif::Checker checker(request.options.myGrid, messages);
  scan(request, checker);
  checker.finish();
  messages.summary(checker.tally(), false);
  if (!messages.findingsWritten()) {
    writeError("écriture impossible sur la sortie standard");
    return kWriteFailed;
  }
  if (messages.faulted()) return kBadInput;
  return checker.tally().findings > 0 ? kFindings : kSuccess;
}

// Fills the log into `out`; false when a record could not be read.
bool fillInto(const AdifRequest& request, BlockWriter& out, LogMessages& messages,
              adif::Tally& tally) {
  OverflowFile overflow;
  adif::HeldOutput held(kHeldInMemory, overflow);
  adif::Filler filler({request.options.myGrid, request.options.overwrite}, out, held, messages);
  scan(request, filler);
  filler.finish();
  out.flush();
  tally = filler.tally();
  messages.summary(tally, request.options.overwrite);
  return !messages.faulted();
}

int fill(const AdifRequest& request) {
  LogMessages messages(request.json, false);
  adif::Tally tally;
  if (!request.options.inPlace) {
    StandardOutput out;
    return fillInto(request, out, messages, tally) ? kSuccess : kBadInput;
  }
  LogReplacement out{std::string(request.file)};
  const std::string log = "« " + std::string(request.file) + " »";
  if (!fillInto(request, out, messages, tally)) {
    writeError(log + " laissé tel quel : tout n'a pu être lu");
    return kBadInput;
  }
  if (tally.filled + tally.replaced == 0) {
    writeError(log + " laissé tel quel : aucune distance à écrire");
    return kSuccess;
  }
  out.commit();
  return kSuccess;
}

}  // namespace

int runAdif(std::string_view file, const AdifOptions& options, bool json) {
  const AdifRequest request{file == "-" ? "" : file, options, json};
  if (options.check && (options.overwrite || options.inPlace))
    throw BadInput("--check n'écrit rien : ni --overwrite ni --in-place avec lui");
  if (options.inPlace && request.file.empty())
    throw BadInput("--in-place remplace un fichier : il faut le nommer");
  try {
    return options.check ? check(request) : fill(request);
  } catch (const ReadFailed& failure) {
    writeError(failure.what());
    return kBadInput;
  } catch (const WriteFailed& failure) {
    writeError(failure.what());
    return kWriteFailed;
  }
}

}  // namespace tarvel::calc
