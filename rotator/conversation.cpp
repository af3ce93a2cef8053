#include "rotator/conversation.hpp"

#include "rotator/bounds.hpp"

namespace tarvel::rotator {

std::string Conversation::ask(const Command& command, Clock::time_point now) {
  reader_.emplace(command);
  command_ = commandText(command);
  deadline_ = now + kReplyTime;
  line_.clear();
  replyBytes_ = 0;
  return command_ + "\n";
}

Fault Conversation::fault(FaultKind kind, std::string_view reply) const {
  return Fault{.kind = kind, .command = command_, .reply = std::string(reply)};
}

Outcome Conversation::end(Outcome outcome) {
  reader_.reset();
  command_.clear();
  return outcome;
}

std::optional<Outcome> Conversation::receive(std::string_view bytes) {
  while (!bytes.empty()) {
    if (!reader_) return end(fault(FaultKind::Malformed, bytes.substr(0, bytes.find('\n'))));
    const std::size_t newline = bytes.find('\n');
    const std::size_t taken = newline == std::string_view::npos ? bytes.size() : newline + 1;
    if (replyBytes_ + taken > kReplyLimit) return end(fault(FaultKind::Overlong));
    replyBytes_ += taken;
    line_.append(bytes.substr(0, newline == std::string_view::npos ? taken : newline));
    bytes.remove_prefix(taken);
    if (newline == std::string_view::npos) break;
    if (line_.ends_with('\r')) line_.pop_back();  // a daemon built for Windows
    std::optional<Outcome> outcome = reader_->line(line_);
    line_.clear();
    if (!outcome) continue;
    if (!bytes.empty() && !std::holds_alternative<Fault>(*outcome))
      return end(fault(FaultKind::Malformed, bytes.substr(0, bytes.find('\n'))));
    return end(std::move(*outcome));
  }
  return std::nullopt;
}

Outcome Conversation::closed() {
  return end(
      fault(replyBytes_ > 0 && reader_ ? FaultKind::ClosedMidReply : FaultKind::ClosedBeforeReply));
}

std::optional<Outcome> Conversation::expire(Clock::time_point now) {
  if (!reader_ || now < deadline_) return std::nullopt;
  return end(fault(FaultKind::NoReply));
}

}  // namespace tarvel::rotator
