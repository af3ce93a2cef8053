#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "adif/held_output.hpp"
#include "adif/reading.hpp"
#include "adif/scanner.hpp"

namespace tarvel::adif {

struct FillOptions {
  std::string_view myGrid;  // checked, or empty
  bool overwrite = false;
};

// The log written again with a DISTANCE in every record that has both squares and none yet:
// every byte as it came, the new field just before the record's <EOR>, or in place of an empty
// one (and with --overwrite of any one) where it stands. A record that cannot be read or has a
// field that is not what it should be comes out as it went in.
class Filler final : public ScanEvents {
 public:
  Filler(const FillOptions& options, Sink& out, HeldOutput& held, Reports& reports)
      : options_(options), out_(out), held_(held), reading_(options.myGrid, reports) {}

  void text(std::string_view bytes) override { write(bytes); }
  void fieldStart(const Tag& tag) override;
  void value(std::string_view piece) override;
  void fieldEnd(const FieldEnd& end) override;
  void endOfHeader(std::string_view raw) override;
  void endOfRecord(std::string_view raw, Where where) override;
  void fault(const Fault& fault) override { reading_.fault(fault); }
  // After the scanner's own: what is held of a record cut short comes out as it went in.
  void finish();

  const Tally& tally() { return reading_.tally(); }

 private:
  void write(std::string_view bytes);
  std::optional<double> distanceFor(Where where);
  void writeDistance(double kilometres, std::string_view name, std::string_view type);
  void release(std::uint64_t skip);

  FillOptions options_;
  Sink& out_;
  HeldOutput& held_;
  RecordReading reading_;
  // From a DISTANCE field to be replaced, the record's output is held: that field's tag and value
  // first (written again if the record keeps it), then the rest.
  bool holding_ = false, inReplaced_ = false;
  std::uint64_t replacedSize_ = 0;
  std::string replacedName_, replacedType_;
  std::string field_;  // the new field, built again for each record
};

}  // namespace tarvel::adif
