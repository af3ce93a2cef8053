#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/commands.hpp"

// What the program says on standard error, and the words of it that come from the command table.
namespace tarvel::calc {

// One line, after the program's name; false when it could not be written.
bool writeError(std::string_view message);

// The status of a run whose output was written, or refused (a full disk, a closed pipe).
int afterWriting(bool written, int status);

// The commands' names as a French list, "locator, position, path ou sun", with that last word;
// only those that read line batches when asked.
std::string commandNames(std::string_view conjunction, bool lineBatchesOnly);

// "la commande path attend 2 opérandes, pas 1", from the command's operand range.
std::string operandCountFault(const CommandEntry& command, std::size_t count);

}  // namespace tarvel::calc
