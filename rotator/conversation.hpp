#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "rotator/commands.hpp"
#include "rotator/outcome.hpp"
#include "rotator/reply_reader.hpp"

namespace tarvel::rotator {

// One connection's exchange with rotctld, without I/O: it gives the bytes to write for a command
// and takes the bytes read, whatever moves them (a blocking call on a socket, Qt's QTcpSocket,
// Win32's WSAAsyncSelect, a test's strings). One command at a time: the next is asked once the
// last one's outcome came. Each reply must be whole within kReplyTime of its command, by the
// clock the caller passes in, and within kReplyLimit bytes.
//
//   std::string bytes = conversation.ask(GetPosition{}, now);   // write them
//   ... bytes read:      if (auto outcome = conversation.receive(read)) ...
//   ... peer closed:     outcome = conversation.closed();
//   ... at deadline():   if (auto outcome = conversation.expire(now)) ...
//
// After a fault that endsConnection() the connection is of no further use (a late reply would be
// taken for the next one's): the caller closes it and starts a new conversation on a new one.
class Conversation {
 public:
  using Clock = std::chrono::steady_clock;

  // The command's line with its newline, to write. Only when waiting() is false.
  std::string ask(const Command& command, Clock::time_point now);

  // Bytes read from the connection: the outcome once the reply is whole or wrong. Bytes nobody
  // asked for, or more than the reply, are a fault.
  std::optional<Outcome> receive(std::string_view bytes);

  // The peer closed the connection (a read of zero bytes): a fault, the reply unfinished or not
  // yet begun (with an empty command when none was asked).
  Outcome closed();

  // The fault once `now` is past the deadline, while waiting.
  std::optional<Outcome> expire(Clock::time_point now);

  bool waiting() const { return reader_.has_value(); }
  // While waiting: when the reply is due.
  Clock::time_point deadline() const { return deadline_; }

 private:
  Outcome end(Outcome outcome);
  Fault fault(FaultKind kind, std::string_view reply = {}) const;

  std::optional<ReplyReader> reader_;
  std::string command_;
  Clock::time_point deadline_{};
  std::string line_;            // the reply's line being read
  std::size_t replyBytes_ = 0;  // of the reply so far, line_ included
};

}  // namespace tarvel::rotator
