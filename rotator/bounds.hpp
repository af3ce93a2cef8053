#pragma once

#include <chrono>
#include <cstddef>

// The bounds every exchange with a rotator keeps, whatever moves its bytes; the messages state
// them.
namespace tarvel::rotator {

inline constexpr std::chrono::seconds kConnectTime{2};
inline constexpr std::chrono::seconds kReplyTime{2};  // for each reply, from its command
// rotctld's longest reply Tarvel asks for, \dump_state, is some 130 bytes: a peer that sends
// far more without ending its reply is not a rotctld, and is not kept in memory.
inline constexpr std::size_t kReplyLimit = 4096;

}  // namespace tarvel::rotator
