#include "adif/checker.hpp"

namespace tarvel::adif {

void Checker::endOfRecord(std::string_view, Where where) {
  if (reading_.readable()) check(where);
  reading_.next();
}

void Checker::check(Where where) {
  Tally& tally = reading_.tally();
  const Record& record = reading_.record();
  const Record::Value& stored = record[Field::Distance];
  if (stored.empty()) {
    ++tally.withoutDistance;
    return;
  }
  const auto contact = reading_.contact(where.record);
  const Contact* both = std::get_if<Contact>(&contact);
  if (!both) return;
  ++tally.checked;
  const Verdict verdict = judge(stored.text, stored.cut, *both);
  if (verdict.kind == Verdict::Kind::Agrees) return;
  ++tally.findings;
  reports_.finding({{where.record, record.start()},
                    record[Field::Call].text,
                    record[Field::QsoDate].text,
                    stored.text,
                    *both,
                    verdict});
}

}  // namespace tarvel::adif
