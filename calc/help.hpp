#pragma once

#include <string>
#include <string_view>

namespace tarvel::calc {

inline constexpr std::size_t kHelpColumns = 79;  // an 80-column console, which wraps at 80

// What --help prints: the commands from the command table, every line within kHelpColumns.
std::string helpText();

// What --version prints.
std::string_view versionText();

// "Saisissez « tarvel-calc --help » pour plus d'informations."
std::string_view tryHelpText();

}  // namespace tarvel::calc
