#pragma once

#include <string_view>

#include "adif/reading.hpp"
#include "adif/scanner.hpp"

namespace tarvel::adif {

// Every stored DISTANCE judged against its record's squares; a finding for each that does not
// agree. Nothing of the log is written.
class Checker final : public ScanEvents {
 public:
  Checker(std::string_view myGrid, Reports& reports)
      : reports_(reports), reading_(myGrid, reports) {}

  void text(std::string_view) override {}
  void fieldStart(const Tag& tag) override { reading_.fieldStart(tag); }
  void value(std::string_view piece) override { reading_.value(piece); }
  void fieldEnd(const FieldEnd& end) override { reading_.fieldEnd(end); }
  void endOfHeader(std::string_view) override { reading_.endOfHeader(); }
  void endOfRecord(std::string_view raw, Where where) override;
  void fault(const Fault& fault) override { reading_.fault(fault); }
  void finish() { reading_.finish(); }

  const Tally& tally() { return reading_.tally(); }

 private:
  void check(Where where);

  Reports& reports_;
  RecordReading reading_;
};

}  // namespace tarvel::adif
