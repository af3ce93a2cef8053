#include "calc/adif_messages.hpp"

#include <array>
#include <string>

#include "calc/console.hpp"
#include "calc/messages.hpp"
#include "calc/number_text.hpp"

namespace tarvel::calc {
namespace {

using adif::Fault;
using adif::Verdict;
using adif::Warning;

struct FaultText {
  Fault::Kind kind;
  std::string_view before, after;  // around the tag as written, when there is one
};
constexpr std::array<FaultText, 7> kFaultTexts{{
    {Fault::Kind::BadLength, "la longueur de ", " n'est pas un nombre"},
    {Fault::Kind::NoLength, "", " n'a pas de longueur"},
    {Fault::Kind::NoName, "", " n'a pas de nom"},
    {Fault::Kind::UnclosedTag, "la balise ", " n'est pas fermée par « > »"},
    {Fault::Kind::PastEnd, "la valeur de ", " dépasse la fin du fichier"},
    {Fault::Kind::NoEndOfRecord, "pas de <EOR> à la fin du fichier", ""},
    {Fault::Kind::NoEndOfHeader, "l'en-tête ne finit par aucun <EOH>", ""},
}};

struct WarningText {
  Warning::Kind kind;
  std::string_view before, after;  // around the tag, or the field's name and its value
};
constexpr std::array<WarningText, 4> kWarningTexts{{
    {Warning::Kind::LengthInCharacters, "la longueur de ",
     " compte des caractères UTF-8, pas des octets : lue ainsi"},
    {Warning::Kind::BadSquare, "", " n'est pas un locator"},
    {Warning::Kind::BadPosition, "", " n'est pas de la forme XDDD MM.MMM"},
    {Warning::Kind::BadPath, "", " n'est ni S, ni L, ni G, ni O"},
}};

struct VerdictName {
  Verdict::Kind kind;
  std::string_view json;
};
constexpr std::array<VerdictName, 4> kVerdictNames{{{Verdict::Kind::Disagrees, "disagrees"},
                                                    {Verdict::Kind::InMiles, "miles"},
                                                    {Verdict::Kind::SameSquares, "same_squares"},
                                                    {Verdict::Kind::NotANumber, "not_a_number"}}};

// A line of the summary: a count, its words in the singular (0 and 1, in French) and the plural.
struct Count {
  std::uint64_t adif::Tally::*count;
  std::string_view one, many;
  enum class Shown { Always, WithOverwrite, WhenAny } shown;
};
constexpr std::array<Count, 7> kFillCounts{{
    {&adif::Tally::filled, "rempli", "remplis", Count::Shown::Always},
    {&adif::Tally::replaced, "remplacé", "remplacés", Count::Shown::WithOverwrite},
    {&adif::Tally::kept, "gardé", "gardés", Count::Shown::Always},
    {&adif::Tally::withoutSquares, "sans locator", "sans locator", Count::Shown::Always},
    {&adif::Tally::otherPath, "sur un autre chemin", "sur un autre chemin", Count::Shown::WhenAny},
    {&adif::Tally::invalid, "laissé tel quel (champ invalide)",
     "laissés tels quels (champ invalide)", Count::Shown::WhenAny},
    {&adif::Tally::unreadable, "illisible", "illisibles", Count::Shown::WhenAny},
}};
constexpr std::array<Count, 7> kCheckCounts{{
    {&adif::Tally::checked, "vérifié", "vérifiés", Count::Shown::Always},
    {&adif::Tally::findings, "en désaccord", "en désaccord", Count::Shown::Always},
    {&adif::Tally::withoutDistance, "sans distance", "sans distance", Count::Shown::Always},
    {&adif::Tally::withoutSquares, "sans locator", "sans locator", Count::Shown::Always},
    {&adif::Tally::otherPath, "sur un autre chemin", "sur un autre chemin", Count::Shown::WhenAny},
    {&adif::Tally::invalid, "non vérifié (champ invalide)", "non vérifiés (champ invalide)",
     Count::Shown::WhenAny},
    {&adif::Tally::unreadable, "illisible", "illisibles", Count::Shown::WhenAny},
}};

template <typename Entry, std::size_t N, typename Kind>
const Entry& entryFor(const std::array<Entry, N>& table, Kind kind) {
  for (const Entry& entry : table) {
    if (entry.kind == kind) return entry;
  }
  return table.front();
}

// A log's bytes in a one-line message: its line ends and other control characters as spaces.
std::string quoted(std::string_view text) {
  std::string shown = "« ";
  for (const char c : text)
    shown += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  return shown + " »";
}

std::string place(adif::Where where) {
  const std::string record =
      where.record == 0 ? "en-tête" : "enregistrement " + std::to_string(where.record);
  return record + ", octet " + std::to_string(where.offset) + " : ";
}

// The length of the valid UTF-8 sequence at `at`, 0 when none begins there.
std::size_t sequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead < 0xC2 || lead > 0xF4 || at + size > text.size()) return 0;
  // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = at + 2; i < at + size; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return size;
}

// A JSON string of a log's bytes: valid UTF-8 as it is, any other byte as U+FFFD.
void appendJsonString(std::string& out, std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t size = 1;
    if (c == '"' || c == '\\') {
      out.append({'\\', static_cast<char>(c)});
    } else if (c < 0x20) {
      out.append("\\u00").append({kHex[c >> 4], kHex[c & 0xF]});
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((size = sequenceAt(text, i)) > 0) {
      out.append(text.substr(i, size));
    } else {
      out += "\xEF\xBF\xBD";
      size = 1;
    }
    i += size;
  }
  out += '"';
}

void appendJsonField(std::string& out, std::string_view key, std::string_view text) {
  out.append(",\"").append(key).append("\":");
  if (text.empty())
    out += "null";
  else
    appendJsonString(out, text);
}

void appendKilometres(std::string& out, double kilometres) {
  appendFixed(out, kilometres, 1);
  out += " km";
}

std::string findingJson(const adif::Finding& finding) {
  std::string out = "{\"record\":" + std::to_string(finding.where.record) +
                    ",\"offset\":" + std::to_string(finding.where.offset);
  appendJsonField(out, "call", finding.call);
  appendJsonField(out, "qso_date", finding.qsoDate);
  appendJsonField(out, "finding", entryFor(kVerdictNames, finding.verdict.kind).json);
  appendJsonField(out, "distance", finding.stored);
  out += ",\"expected\":";
  appendFixed(out, finding.verdict.expected, 1);
  out += ",\"tolerance\":";
  appendFixed(out, finding.verdict.tolerance, 1);
  appendJsonField(out, "my_gridsquare", finding.contact.mine.square);
  appendJsonField(out, "gridsquare", finding.contact.theirs.square);
  appendJsonField(out, "path", finding.contact.longPath ? "long" : "short");
  return out + "}\n";
}

std::string findingText(const adif::Finding& finding) {
  const adif::Verdict& verdict = finding.verdict;
  std::string out = "enregistrement " + std::to_string(finding.where.record) + " (" +
                    (finding.call.empty() ? "sans indicatif" : quoted(finding.call)) + ", " +
                    (finding.qsoDate.empty() ? "sans date" : quoted(finding.qsoDate)) +
                    ") : DISTANCE " + quoted(finding.stored);
  const std::string squares = "de " + finding.contact.mine.square + " à " +
                              finding.contact.theirs.square +
                              (finding.contact.longPath ? " par le chemin long" : "");
  std::string within = ", à ";
  appendKilometres(within, verdict.tolerance);
  within += " près";
  switch (verdict.kind) {
    case Verdict::Kind::Disagrees:
      out += " au lieu de ";
      appendKilometres(out, verdict.expected);
      out += " " + squares + within;
      break;
    case Verdict::Kind::InMiles:
      out += " semble en milles : " + squares + ", ";
      appendKilometres(out, verdict.expected);
      out += " font ";
      appendFixed(out, verdict.expected / adif::kMile, 1);
      out += " mi" + within;
      break;
    case Verdict::Kind::SameSquares:
      out += " entre deux locators identiques, " + finding.contact.mine.square + " : au plus ";
      appendKilometres(out, verdict.tolerance);
      break;
    case Verdict::Kind::NotANumber:
      out += " n'est pas un nombre de kilomètres";
      break;
    case Verdict::Kind::Agrees:
      break;
  }
  return out + "\n";
}

}  // namespace

void LogMessages::fault(const adif::Fault& fault) {
  faulted_ = true;
  const FaultText& text = entryFor(kFaultTexts, fault.kind);
  std::string message = place(fault.where) + std::string(text.before);
  if (!fault.text.empty()) message += quoted(fault.text);
  writeError(message + std::string(text.after));
}

void LogMessages::warning(const adif::Warning& warning) {
  const WarningText& text = entryFor(kWarningTexts, warning.kind);
  std::string message = place(warning.where) + std::string(text.before);
  if (warning.kind == Warning::Kind::LengthInCharacters) {
    message += quoted(warning.name) + std::string(text.after);
  } else {
    message += std::string(warning.name) + " " + quoted(warning.value) + std::string(text.after) +
               (checking_ ? " : distance non vérifiée" : " : enregistrement laissé tel quel");
  }
  writeError(message);
}

void LogMessages::finding(const adif::Finding& finding) {
  const std::string line = json_ ? findingJson(finding) : findingText(finding);
  findingsWritten_ = writeText(Stream::Output, line) && findingsWritten_;
}

void LogMessages::summary(const adif::Tally& tally, bool overwrite) {
  const auto words = [](std::uint64_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count > 1 ? many : one);
  };
  std::string line = words(tally.records, "enregistrement lu", "enregistrements lus") + " : ";
  bool first = true;
  for (const Count& count : checking_ ? kCheckCounts : kFillCounts) {
    const std::uint64_t value = tally.*count.count;
    if ((count.shown == Count::Shown::WithOverwrite && !overwrite) ||
        (count.shown == Count::Shown::WhenAny && value == 0)) {
      continue;
    }
    line += (first ? "" : ", ") + words(value, count.one, count.many);
    first = false;
  }
  writeError(line);
}

}  // namespace tarvel::calc
