#pragma once

// Exit statuses, as GNU programs use them.
namespace tarvel::calc {

inline constexpr int kSuccess = 0;
inline constexpr int kWriteFailed = 1;
inline constexpr int kBadInput = 2;

}  // namespace tarvel::calc
