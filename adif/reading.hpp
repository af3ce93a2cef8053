#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "adif/contact.hpp"
#include "adif/record.hpp"
#include "adif/reports.hpp"
#include "adif/scanner.hpp"

namespace tarvel::adif {

// What filling and checking share: each record's values gathered from the scanner's events, its
// faults and warnings reported, its contact worked out, and the count of records kept.
class RecordReading {
 public:
  RecordReading(std::string_view myGrid, Reports& reports) : myGrid_(myGrid), reports_(reports) {}

  std::optional<Field> fieldStart(const Tag& tag);
  void value(std::string_view piece) { record_.add(piece); }
  void fieldEnd(const FieldEnd& end);
  void fault(const Fault& fault);
  void endOfHeader();

  bool readable() const { return !unreadable_; }
  const Record& record() const { return record_; }
  // The record's contact, or why it has none, counted and warned where a field is at fault.
  std::variant<Contact, Skip> contact(std::uint64_t number);
  // The record is done with: counted, and forgotten.
  void next();
  // The end of the input: a record cut short counts as unreadable.
  void finish();

  Tally& tally() { return tally_; }

 private:
  std::string_view myGrid_;
  Reports& reports_;
  Record record_;
  bool open_ = false, unreadable_ = false;
  Tally tally_;
};

}  // namespace tarvel::adif
