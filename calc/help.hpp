#pragma once

#include <string>
#include <string_view>

namespace tarvel::calc {

// What --help prints: the commands from the command table, every line within 79 columns.
std::string helpText();

// What --version prints.
std::string_view versionText();

// "Saisissez « tarvel-calc --help » pour plus d'informations."
std::string_view tryHelpText();

}  // namespace tarvel::calc
