#include "adif/reading.hpp"

namespace tarvel::adif {
namespace {

Warning::Kind warningFor(Skip::Reason reason) {
  switch (reason) {
    case Skip::Reason::BadPosition:
      return Warning::Kind::BadPosition;
    case Skip::Reason::BadPath:
      return Warning::Kind::BadPath;
    default:
      return Warning::Kind::BadSquare;
  }
}

}  // namespace

std::optional<Field> RecordReading::fieldStart(const Tag& tag) {
  open_ = true;
  return record_.begin(tag);
}

void RecordReading::fieldEnd(const FieldEnd& end) {
  record_.end();
  if (end.inCharacters)
    reports_.warning({Warning::Kind::LengthInCharacters, end.where, end.tag, {}});
}

void RecordReading::fault(const Fault& fault) {
  reports_.fault(fault);
  if (fault.where.record == 0) {  // the header's: no record lost
    record_.clear();
    open_ = false;
    return;
  }
  open_ = unreadable_ = true;
}

void RecordReading::endOfHeader() {
  record_.clear();
  open_ = unreadable_ = false;
}

std::variant<Contact, Skip> RecordReading::contact(std::uint64_t number) {
  auto contact = contactOf(record_, myGrid_);
  const Skip* skip = std::get_if<Skip>(&contact);
  if (!skip) return contact;
  switch (skip->reason) {
    case Skip::Reason::NoSquares:
      ++tally_.withoutSquares;
      break;
    case Skip::Reason::OtherPath:
      ++tally_.otherPath;
      break;
    default: {
      ++tally_.invalid;
      const Record::Value& at = record_[skip->field];
      reports_.warning(
          {warningFor(skip->reason), {number, at.offset}, nameOf(skip->field), at.text});
    }
  }
  return contact;
}

void RecordReading::next() {
  ++tally_.records;
  if (unreadable_) ++tally_.unreadable;
  record_.clear();
  open_ = unreadable_ = false;
}

void RecordReading::finish() {
  if (open_) next();
}

}  // namespace tarvel::adif
