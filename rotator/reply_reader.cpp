#include "rotator/reply_reader.hpp"

#include <charconv>
#include <cmath>

namespace tarvel::rotator {
namespace {

constexpr std::string_view kStatus = "RPRT ";
constexpr std::string_view kStateEnd = "done";
constexpr std::size_t kProtocolZeroNumbers = 5;  // model, min_az, max_az, min_el, max_el
constexpr std::size_t kMinAzimuthAt = 1, kMaxAzimuthAt = 2;

template <typename Number>
std::optional<Number> numberOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  return value;
}

// "RPRT n", hamlib's status: its code, none for another line.
std::optional<int> statusOf(std::string_view text) {
  if (!text.starts_with(kStatus)) return std::nullopt;
  return numberOf<int>(text.substr(kStatus.size()));
}

}  // namespace

ReplyReader::ReplyReader(const Command& command) : command_(command), shape_(shapeOf(command)) {}

ReplyReader::Shape ReplyReader::shapeOf(const Command& command) {
  if (std::holds_alternative<GetPosition>(command)) return Shape::Position;
  if (std::holds_alternative<DumpState>(command)) return Shape::State;
  return Shape::Status;
}

Fault ReplyReader::fault(FaultKind kind, std::string_view reply) const {
  return Fault{.kind = kind, .command = commandText(command_), .reply = std::string(reply)};
}

std::optional<Outcome> ReplyReader::line(std::string_view text) {
  switch (shape_) {
    case Shape::Status:
      return statusLine(text);
    case Shape::Position:
      return positionLine(text);
    case Shape::State:
      return stateLine(text);
  }
  return std::nullopt;
}

std::optional<Outcome> ReplyReader::statusLine(std::string_view text) {
  const auto status = statusOf(text);
  if (!status) return fault(FaultKind::Malformed, text);
  if (*status == 0) return Accepted{};
  Fault refused = fault(FaultKind::Refused, text);
  refused.code = *status;
  return refused;
}

std::optional<Outcome> ReplyReader::positionLine(std::string_view text) {
  // A status can only stand for the whole reply, and only to say why there is none.
  if (numbers_.empty() && statusOf(text).value_or(0) != 0) return statusLine(text);
  const auto number = numberOf<double>(text);
  if (!number) return fault(FaultKind::Malformed, text);
  numbers_.push_back(*number);
  if (numbers_.size() < 2) return std::nullopt;
  return Position{numbers_[0], numbers_[1]};
}

std::optional<Outcome> ReplyReader::stateLine(std::string_view text) {
  if (!protocol_) {
    if (statusOf(text).value_or(0) != 0) return statusLine(text);
    protocol_ = numberOf<int>(text);
    if (!protocol_) return fault(FaultKind::Malformed, text);
    return std::nullopt;
  }
  if (*protocol_ == 0) {
    const auto number = numberOf<double>(text);
    if (!number) return fault(FaultKind::Malformed, text);
    numbers_.push_back(*number);
    if (numbers_.size() < kProtocolZeroNumbers) return std::nullopt;
    return Limits{numbers_[kMinAzimuthAt], numbers_[kMaxAzimuthAt]};
  }
  if (text == kStateEnd) {
    if (!minAzimuth_ || !maxAzimuth_) return fault(FaultKind::Malformed, text);
    return Limits{*minAzimuth_, *maxAzimuth_};
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;  // the model's number, in 4.5
  const std::string_view key = text.substr(0, equals);
  std::optional<double>* limit = key == "min_az"   ? &minAzimuth_
                                 : key == "max_az" ? &maxAzimuth_
                                                   : nullptr;
  if (!limit) return std::nullopt;
  *limit = numberOf<double>(text.substr(equals + 1));
  if (!*limit) return fault(FaultKind::Malformed, text);
  return std::nullopt;
}

}  // namespace tarvel::rotator
