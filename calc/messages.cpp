#include "calc/messages.hpp"

#include <vector>

#include "calc/console.hpp"
#include "calc/status.hpp"

namespace tarvel::calc {
namespace {

std::string operands(std::size_t count) {
  return std::to_string(count) + (count > 1 ? " opérandes" : " opérande");
}

}  // namespace

bool writeError(std::string_view message) {
  return writeText(Stream::Error, "tarvel-calc: " + std::string(message) + "\n");
}

int afterWriting(bool written, int status) {
  if (written) return status;
  writeError("écriture impossible sur la sortie standard");
  return kWriteFailed;
}

std::string commandNames(std::string_view conjunction, bool lineBatchesOnly) {
  std::vector<std::string_view> names;
  for (const CommandEntry& command : commandTable()) {
    if (command.readsLineBatches || !lineBatchesOnly) names.push_back(command.name);
  }
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " " + std::string(conjunction) + " " : ", ";
    list += names[i];
  }
  return list;
}

std::string operandCountFault(const CommandEntry& command, std::size_t count) {
  const std::size_t fewest = command.fewestOperands, most = command.mostOperands;
  const std::string range = fewest == most ? "" : "de " + std::to_string(fewest) + " à ";
  return "la commande " + std::string(command.name) + " attend " + range + operands(most) +
         ", pas " + std::to_string(count);
}

}  // namespace tarvel::calc
