#include "calc/program.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

#include "calc/batch.hpp"
#include "calc/commands.hpp"
#include "calc/console.hpp"
#include "calc/help.hpp"
#include "calc/messages.hpp"
#include "calc/status.hpp"

namespace tarvel::calc {
namespace {

// A command's option as given, checked against the command once it is known.
struct GivenOption {
  const OptionEntry* entry;
  std::string_view value;
};

struct Invocation {
  const CommandEntry* command = nullptr;
  std::vector<std::string_view> operands;
  std::vector<GivenOption> given;
  bool json = false, help = false, version = false;
};

int usageError(std::string_view message) {
  writeError(message);
  writeText(Stream::Error, tryHelpText());
  return kBadInput;
}

std::string quoted(std::string_view text) {
  return "« " + std::string(text) + " »";
}

// A leading minus followed by a digit is a southern or western operand, not an option.
bool isOption(std::string_view argument) {
  return argument.size() > 1 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9') &&
         argument[1] != '.';
}

const CommandEntry* findCommand(std::string_view name) {
  for (const CommandEntry& command : commandTable()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

// An option of any command: it may come before the command's name.
const OptionEntry* findOption(std::string_view name) {
  for (const CommandEntry& command : commandTable()) {
    for (const OptionEntry* option : command.options) {
      if (option->name == name) return option;
    }
  }
  return nullptr;
}

// A command's option and its value, from `--name value` or `--name=value`; moves past the value.
GivenOption optionAt(std::span<const std::string> arguments, std::size_t& i) {
  const std::string_view argument = arguments[i];
  const std::size_t equals = argument.find('=');
  const OptionEntry* option = findOption(argument.substr(0, equals));
  if (!option) throw BadInput("option " + quoted(argument) + " inconnue");
  const std::string name(option->name);
  if (!option->takesValue) {
    if (equals != std::string_view::npos)
      throw BadInput("l'option " + name + " ne prend pas de valeur");
    return {option, {}};
  }
  if (equals != std::string_view::npos) return {option, argument.substr(equals + 1)};
  if (i + 1 < arguments.size()) return {option, arguments[++i]};
  throw BadInput("il manque la valeur de l'option " + name);
}

// Reads the arguments; throws BadInput for one that cannot be understood.
Invocation invocationOf(std::span<const std::string> arguments) {
  Invocation invocation;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (optionsEnded || !isOption(argument)) {
      if (invocation.command) {
        invocation.operands.push_back(argument);
        continue;
      }
      invocation.command = findCommand(argument);
      if (!invocation.command) {
        throw BadInput("commande " + quoted(argument) + " inconnue (" + commandNames("ou", false) +
                       ")");
      }
      continue;
    }
    if (argument == "--")
      optionsEnded = true;
    else if (argument == "--help")
      invocation.help = true;
    else if (argument == "--version")
      invocation.version = true;
    else if (argument == "--json")
      invocation.json = true;
    else
      invocation.given.push_back(optionAt(arguments, i));
  }
  return invocation;
}

// The options of the invocation's command; throws BadInput for one it does not take.
Options optionsOf(const Invocation& invocation) {
  const CommandEntry& command = *invocation.command;
  Options options;
  options.json = invocation.json;
  options.date = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  for (const GivenOption& given : invocation.given) {
    if (std::find(command.options.begin(), command.options.end(), given.entry) ==
        command.options.end()) {
      throw BadInput("l'option " + std::string(given.entry->name) +
                     " ne vaut pas pour la commande " + std::string(command.name));
    }
    given.entry->set(given.value, options);
  }
  return options;
}

int runOnce(const CommandEntry& command, std::span<const std::string_view> operands,
            const Options& options) {
  std::string out;
  int status = kSuccess;
  try {
    status = runCommand(command, operands, options, out);
  } catch (const BadInput& fault) {
    writeError(fault.what());
    return kBadInput;
  } catch (const CommandFault& fault) {
    writeError(fault.what());
    return fault.status;
  }
  return afterWriting(writeText(Stream::Output, out), status);
}

}  // namespace

int runProgram(std::span<const std::string> arguments) {
  Invocation invocation;
  Options options;
  try {
    invocation = invocationOf(arguments);
    if (invocation.help || invocation.version) {
      const std::string text = invocation.help ? helpText() : std::string(versionText());
      return afterWriting(writeText(Stream::Output, text), kSuccess);
    }
    if (!invocation.command)
      throw BadInput("il manque la commande (" + commandNames("ou", false) + ")");
    options = optionsOf(invocation);
  } catch (const BadInput& fault) {
    return usageError(fault.what());
  }
  const CommandEntry& command = *invocation.command;
  const std::size_t count = invocation.operands.size();
  if (count == 0 && command.readsLineBatches) return runBatch(command, options);
  if (count < command.fewestOperands || count > command.mostOperands) {
    return usageError(operandCountFault(command, count));
  }
  return runOnce(command, invocation.operands, options);
}

}  // namespace tarvel::calc
