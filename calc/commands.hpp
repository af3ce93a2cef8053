#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>

#include "calc/adif_command.hpp"
#include "calc/operands.hpp"
#include "calc/rotator_command.hpp"

// The commands, in one table as ninja keeps its tools: each entry says what the program needs to
// dispatch to the command, read its arguments, list it in --help and name it in a message. The
// program knows nothing else of any command.
namespace tarvel::calc {

// What the options of every command set.
struct Options {
  bool json = false;
  int precision = 6;
  Unit unit{"km", 1};
  std::chrono::sys_days date{};
  RotatorOptions rotator;
  AdifOptions adif;
};

// An option of one or more commands: a flag, or one with a value (`--unit mi`, `--unit=mi`).
// Commands that take the same option point to the same OptionEntry.
struct OptionEntry {
  std::string_view name;
  bool takesValue;
  // Throws BadInput for a value the option cannot take; a flag is given an empty value.
  void (*set)(std::string_view value, Options& options);
};

// What a command is run on.
struct CommandCall {
  std::span<const std::string_view> operands;
  const Options& options;
  std::string& out;  // its result lines, written out by the program once it returns
};

struct CommandEntry {
  std::string_view name;
  // Returns the exit status; throws BadInput for an operand it cannot use.
  int (*run)(const CommandCall& call);
  std::size_t fewestOperands, mostOperands;
  std::span<const OptionEntry* const> options;
  // Given no operands, it reads one operand set a line from standard input, a result a line.
  bool readsLineBatches;
  std::string_view usage;    // its line in --help: the name, the operands and the options
  std::string_view summary;  // what it gives, under that line
};

std::span<const CommandEntry> commandTable();

// Runs a command on its operands; on BadInput `out` is left as it was, and the fault goes on.
int runCommand(const CommandEntry& command, std::span<const std::string_view> operands,
               const Options& options, std::string& out);

}  // namespace tarvel::calc
