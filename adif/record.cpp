#include "adif/record.hpp"

namespace tarvel::adif {

std::optional<Field> Record::begin(const Tag& tag) {
  if (!begun_) start_ = tag.where.offset;
  begun_ = true;
  const std::optional<Field> field = fieldOf(tag.name);
  if (!field) return std::nullopt;
  Value& value = values_[static_cast<std::size_t>(*field)];
  if (value.present) return std::nullopt;
  value.present = true;
  value.offset = tag.where.offset;
  filling_ = &value;
  return field;
}

void Record::add(std::string_view piece) {
  if (!filling_) return;
  const std::size_t room = kKept - filling_->text.size();
  filling_->text.append(piece.substr(0, room));
  filling_->cut = filling_->cut || piece.size() > room;
}

void Record::clear() {
  for (Value& value : values_) {
    value.text.clear();
    value.present = value.cut = false;
  }
  filling_ = nullptr;
  begun_ = false;
}

}  // namespace tarvel::adif
