#include "tests/runner/scenario_file.hpp"

#include <algorithm>
#include <array>
#include <fstream>

#include "tests/runner/scenario_run.hpp"
#include "window/model/code_page.hpp"
#include "window/model/utf8.hpp"

namespace tarvel::scenarios {
namespace {

// The escapes that stand for one character; \xHH is read apart.
struct Escape {
  char written, meant;
};
constexpr std::array<Escape, 5> kEscapes{
    {{'"', '"'}, {'\\', '\\'}, {'r', '\r'}, {'n', '\n'}, {'t', '\t'}}};

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class LineReader {
 public:
  LineReader(const std::string& text, int line) : text_(text), line_(line) {}

  std::vector<Argument> words() {
    std::vector<Argument> words;
    while (skipBlanks())
      words.push_back(peek() == '"' ? quoted() : bare());
    return words;
  }

 private:
  char peek() const { return text_[position_]; }

  bool skipBlanks() {
    while (position_ < text_.size() && (peek() == ' ' || peek() == '\t'))
      ++position_;
    return position_ < text_.size() && peek() != '#';
  }

  Argument bare() {
    const std::size_t start = position_;
    while (position_ < text_.size() && peek() != ' ' && peek() != '\t' && peek() != '#')
      ++position_;
    return {text_.substr(start, position_ - start), false};
  }

  Argument quoted() {
    Argument argument{"", true};
    for (++position_; position_ < text_.size(); ++position_) {
      const char c = peek();
      if (c == '"') {
        ++position_;
        return argument;
      }
      if (c == '\\') {
        escape(argument.text);
      } else {
        argument.text.push_back(c);
      }
    }
    throw SyntaxError(line_, "unterminated quote");
  }

  void escape(std::string& text) {
    if (++position_ >= text_.size()) throw SyntaxError(line_, "escape at the end of the line");
    const auto simple =
        std::find_if(kEscapes.begin(), kEscapes.end(),
                     [this](const Escape& escape) { return escape.written == peek(); });
    if (simple != kEscapes.end()) {
      text.push_back(simple->meant);
      return;
    }
    if (peek() != 'x') throw SyntaxError(line_, std::string("unknown escape \\") + peek());
    const int high = position_ + 1 < text_.size() ? hexDigit(text_[position_ + 1]) : -1;
    const int low = position_ + 2 < text_.size() ? hexDigit(text_[position_ + 2]) : -1;
    if (high < 0 || low < 0) throw SyntaxError(line_, "\\x needs two hexadecimal digits");
    position_ += 2;
    utf8::append(text, cp1252::toUnicode(static_cast<std::uint8_t>(high * 16 + low)));
  }

  const std::string& text_;
  int line_;
  std::size_t position_ = 0;
};

// A scenario line opens a scenario; every other word is a command of the runner.
void checkArity(const Command& command) {
  const auto known = command.word == "scenario" ? Arity{1, 1} : arityOf(command.word);
  if (!known) throw SyntaxError(command.line, "unknown command " + command.word);
  const auto [fewest, most] = *known;
  const int count = static_cast<int>(command.arguments.size());
  if (count < fewest || (most >= 0 && count > most))
    throw SyntaxError(command.line, "wrong number of arguments for " + command.word);
}

}  // namespace

std::optional<Command> parseLine(const std::string& text, int line) {
  std::vector<Argument> words = LineReader(text, line).words();
  if (words.empty()) return std::nullopt;
  if (words.front().quoted) throw SyntaxError(line, "a line starts with its command word");
  Command command{line, words.front().text, {words.begin() + 1, words.end()}};
  // The rest of a during-sweep line is a command of its own, read when it runs.
  if (command.word != "during-sweep") checkArity(command);
  return command;
}

ScenarioFile parseFile(const std::filesystem::path& path) {
  std::ifstream input(path, std::ios::binary);
  if (!input) throw SyntaxError(0, "cannot read " + path.string());
  ScenarioFile file{path, {}};
  std::string text;
  for (int line = 1; std::getline(input, text); ++line) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    auto command = parseLine(text, line);
    if (!command) continue;
    if (command->word == "scenario") {
      file.scenarios.push_back({command->arguments.front().text, line, {}});
    } else if (file.scenarios.empty()) {
      throw SyntaxError(line, "a command before the first scenario");
    } else {
      file.scenarios.back().commands.push_back(std::move(*command));
    }
  }
  return file;
}

std::vector<std::filesystem::path> scenarioFiles(const std::vector<std::string>& arguments) {
  std::vector<std::filesystem::path> files;
  for (const auto& argument : arguments) {
    if (!std::filesystem::is_directory(argument)) {
      files.emplace_back(argument);
      continue;
    }
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argument)) {
      if (entry.is_regular_file() && entry.path().extension() == ".scn") found.push_back(entry);
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

}  // namespace tarvel::scenarios
