#pragma once

#include <string_view>

#include "adif/reports.hpp"

// What the adif command says: faults and warnings on standard error, each a line with the record's
// number and byte offset; the findings of a check on standard output, a French line or one JSON
// object each; the summary on standard error at the end.
namespace tarvel::calc {

class LogMessages final : public adif::Reports {
 public:
  LogMessages(bool json, bool checking) : json_(json), checking_(checking) {}

  void fault(const adif::Fault& fault) override;
  void warning(const adif::Warning& warning) override;
  void finding(const adif::Finding& finding) override;
  void summary(const adif::Tally& tally, bool overwrite);

  bool faulted() const { return faulted_; }
  bool findingsWritten() const { return findingsWritten_; }

 private:
  bool json_, checking_;
  bool faulted_ = false;
  bool findingsWritten_ = true;
};

}  // namespace tarvel::calc
