#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "rotator/address.hpp"

namespace tarvel {

// The window's rotator: `--rotator HOST[:PORT]` (or `--rotator=HOST[:PORT]`) among the program's
// arguments, else the environment variable TARVEL_ROTATOR, else none, and then the window opens
// no connection at all. A value that is no address is the message that says so.
std::variant<std::optional<rotator::Address>, std::string> rotatorOption(
    std::span<const std::string_view> arguments, const char* environment);

}  // namespace tarvel
