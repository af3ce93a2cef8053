#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Scenario files: their lines read into commands, grouped by scenario.
namespace tarvel::scenarios {

struct Argument {
  std::string text;  // UTF-8; an escaped byte \xHH stands for the Windows-1252 character
  bool quoted = false;
};

struct Command {
  int line = 0;
  std::string word;
  std::vector<Argument> arguments;
};

struct Scenario {
  std::string name;
  int line = 0;
  std::vector<Command> commands;
};

struct ScenarioFile {
  std::filesystem::path path;
  std::vector<Scenario> scenarios;
};

class SyntaxError : public std::runtime_error {
 public:
  SyntaxError(int line, const std::string& what) : std::runtime_error(what), line(line) {}
  int line;
};

// One line into its command word and arguments; none for a blank or comment line.
std::optional<Command> parseLine(const std::string& text, int line);
// The whole file; throws SyntaxError for a line that cannot be read or a command it does not know.
ScenarioFile parseFile(const std::filesystem::path& path);
// The `.scn` files of the arguments, folders searched below them and sorted by name.
std::vector<std::filesystem::path> scenarioFiles(const std::vector<std::string>& arguments);

}  // namespace tarvel::scenarios
