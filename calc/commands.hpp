#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/operands.hpp"

// The four commands: each takes its operands as text and appends one result line, in French or
// as one JSON object, to the output.
namespace tarvel::calc {

enum class Command { Locator, Position, Path, Sun };

struct CommandInfo {
  std::string_view name;
  Command command;
  std::size_t operands;
};
const CommandInfo* findCommand(std::string_view name);

struct Options {
  bool json = false;
  int precision = 6;
  Unit unit{"km", 1};
  std::chrono::sys_days date{};
};

// Throws BadInput for an operand that is not what the command needs; `out` is then unchanged.
void runCommand(const CommandInfo& command, std::span<const std::string_view> operands,
                const Options& options, std::string& out);

}  // namespace tarvel::calc
