#include "adif/filler.hpp"

#include <array>
#include <charconv>

namespace tarvel::adif {
namespace {

constexpr std::string_view kDistanceName = "DISTANCE";
constexpr std::string_view kDistanceNameLower = "distance";
constexpr int kDecimals = 1;

}  // namespace

void Filler::write(std::string_view bytes) {
  if (holding_)
    held_.append(bytes);
  else
    out_.write(bytes);
}

void Filler::fieldStart(const Tag& tag) {
  const std::optional<Field> field = reading_.fieldStart(tag);
  if (field == Field::Distance && (options_.overwrite || tag.length == 0)) {
    holding_ = inReplaced_ = true;
    replacedName_.assign(tag.name.substr(0, Record::kKept));
    replacedType_.assign(tag.type.substr(0, Record::kKept));
  }
  write(tag.raw);
}

void Filler::value(std::string_view piece) {
  reading_.value(piece);
  write(piece);
}

void Filler::fieldEnd(const FieldEnd& end) {
  reading_.fieldEnd(end);
  if (inReplaced_) replacedSize_ = held_.size();
  inReplaced_ = false;
}

void Filler::endOfHeader(std::string_view raw) {
  release(0);
  reading_.endOfHeader();
  out_.write(raw);
}

// The distance to write, or none: the record counted under what it got.
std::optional<double> Filler::distanceFor(Where where) {
  Tally& tally = reading_.tally();
  if (!reading_.readable()) return std::nullopt;
  const bool hasOne = !reading_.record()[Field::Distance].empty();
  if (hasOne && !options_.overwrite) {
    ++tally.kept;
    return std::nullopt;
  }
  const auto contact = reading_.contact(where.record);
  if (!std::holds_alternative<Contact>(contact)) return std::nullopt;
  ++(hasOne ? tally.replaced : tally.filled);
  return distanceOf(std::get<Contact>(contact));
}

void Filler::endOfRecord(std::string_view raw, Where where) {
  if (const std::optional<double> distance = distanceFor(where)) {
    if (holding_) {
      writeDistance(*distance, replacedName_, replacedType_);
      release(replacedSize_);
    } else {
      // In the case of the record's own <EOR>.
      const bool lowerCase = raw.size() > 1 && raw[1] >= 'a' && raw[1] <= 'z';
      writeDistance(*distance, lowerCase ? kDistanceNameLower : kDistanceName, {});
    }
  }
  release(0);
  reading_.next();
  out_.write(raw);
}

// Straight to the output, ahead of what is held.
void Filler::writeDistance(double kilometres, std::string_view name, std::string_view type) {
  std::array<char, 32> number;
  const auto end = std::to_chars(number.data(), number.data() + number.size(), kilometres,
                                 std::chars_format::fixed, kDecimals)
                       .ptr;
  const auto digits = static_cast<std::size_t>(end - number.data());
  std::array<char, 8> length;
  const auto lengthEnd = std::to_chars(length.data(), length.data() + length.size(), digits).ptr;
  field_.assign("<").append(name).append(":").append(length.data(), lengthEnd);
  if (!type.empty()) field_.append(":").append(type);
  field_.append(">").append(number.data(), digits);
  out_.write(field_);
}

void Filler::release(std::uint64_t skip) {
  if (!holding_) return;
  held_.release(out_, skip);
  holding_ = inReplaced_ = false;
  replacedSize_ = 0;
}

void Filler::finish() {
  release(0);
  reading_.finish();
}

}  // namespace tarvel::adif
