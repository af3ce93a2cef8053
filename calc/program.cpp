#include "calc/program.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/commands.hpp"
#include "calc/console.hpp"

namespace tarvel::calc {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kUsage =
    "Usage : tarvel-calc [--json] COMMANDE [OP\xC3\x89RANDE...] [OPTION...]\n"
    "Locators, distances, azimuts et heures du Soleil, avec la sph\xC3\xA8re de Tarvel.\n"
    "\n"
    "Commandes :\n"
    "  locator LAT,LON [--precision 4|6|8|10]  le locator de la position (6 caract\xC3\xA8res)\n"
    "  position LOCATOR                        le centre et le coin sud-ouest du carr\xC3\xA9\n"
    "                                          (locator de 2 \xC3\xA0 10 caract\xC3\xA8res)\n"
    "  path DE VERS [--unit km|mi|nmi]         distance, azimut, azimut retour, chemin long\n"
    "  sun POSITION [--date AAAA-MM-JJ]        lever et coucher du Soleil ce jour-l\xC3\xA0 (UTC,\n"
    "                                          aujourd'hui par d\xC3\xA9"
    "faut)\n"
    "\n"
    "Une position est un locator (le centre de son carr\xC3\xA9) ou LAT,LON en degr\xC3\xA9s,\n"
    "nord et est positifs : 48.8566,2.3522 ou 48\xC2\xB0"
    "51'24\"N,2\xC2\xB0"
    "21'08\"E.\n"
    "Sans op\xC3\xA9rande, la commande lit un jeu d'op\xC3\xA9randes par ligne sur l'entr\xC3\xA9"
    "e\n"
    "standard et \xC3\xA9"
    "crit un r\xC3\xA9sultat par ligne.\n"
    "\n"
    "  --json     un objet JSON par r\xC3\xA9sultat\n"
    "  --help     affiche cette aide et termine\n"
    "  --version  affiche la version et termine\n"
    "\n"
    "Les distances sont prises sur la sph\xC3\xA8re de la fen\xC3\xAAtre (rayon 6378,387 km), les\n"
    "azimuts depuis le nord vrai. Code de sortie : 0 si tout va bien, 2 si une entr\xC3\xA9"
    "e est\n"
    "invalide, 1 si l'\xC3\xA9"
    "criture \xC3\xA9"
    "choue.\n";

constexpr std::string_view kVersion =
    "tarvel-calc (Tarvel) " TARVEL_VERSION
    "\n"
    "Copyright (C) 2026 Tarvel contributors.\n"
    "Licence GPLv3+ : GNU GPL version 3 ou ult\xC3\xA9rieure <https://gnu.org/licenses/gpl.html>\n"
    "Ceci est un logiciel libre : vous \xC3\xAAtes libre de le modifier et de le redistribuer.\n"
    "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n";

constexpr std::string_view kTryHelp =
    "Saisissez \xC2\xAB tarvel-calc --help \xC2\xBB pour plus d'informations.\n";

constexpr std::size_t kChunk = 1 << 16;  // bytes read or written at once in a batch

// An option with a value, and the one command it is for.
struct ValueOption {
  std::string_view name;
  Command command;
  void (*apply)(std::string_view value, Options& options);
};
constexpr std::array<ValueOption, 3> kValueOptions{{
    {"--precision", Command::Locator,
     [](std::string_view v, Options& o) { o.precision = parsePrecision(v); }},
    {"--unit", Command::Path, [](std::string_view v, Options& o) { o.unit = parseUnit(v); }},
    {"--date", Command::Sun, [](std::string_view v, Options& o) { o.date = parseDate(v); }},
}};

struct Invocation {
  const CommandInfo* command = nullptr;
  std::vector<std::string_view> operands;
  Options options;
  std::vector<const ValueOption*> given;
  bool help = false, version = false;
};

bool writeError(std::string_view message) {
  return writeText(Stream::Error, "tarvel-calc: " + std::string(message) + "\n");
}

// The status of a run whose output was written, or refused (a full disk, a closed pipe).
int afterWriting(bool written, int status) {
  if (written) return status;
  writeError(
      "\xC3\xA9"
      "criture impossible sur la sortie standard");
  return kWriteFailed;
}

int usageError(std::string_view message) {
  writeError(message);
  writeText(Stream::Error, kTryHelp);
  return kBadInput;
}

// A leading minus followed by a digit is a southern or western operand, not an option.
bool isOption(std::string_view argument) {
  return argument.size() > 1 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9') &&
         argument[1] != '.';
}

const ValueOption* findValueOption(std::string_view name) {
  for (const ValueOption& option : kValueOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// Reads the arguments; throws BadInput for one that cannot be understood.
Invocation invocationOf(std::span<const std::string> arguments) {
  Invocation invocation;
  invocation.options.date = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
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
        throw BadInput("commande \xC2\xAB " + arguments[i] +
                       " \xC2\xBB inconnue (locator, position, path ou sun)");
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
      invocation.options.json = true;
    else {
      const std::size_t equals = argument.find('=');
      const ValueOption* option = findValueOption(argument.substr(0, equals));
      if (!option) throw BadInput("option \xC2\xAB " + arguments[i] + " \xC2\xBB inconnue");
      std::string_view value;
      if (equals != std::string_view::npos)
        value = argument.substr(equals + 1);
      else if (i + 1 < arguments.size())
        value = arguments[++i];
      else
        throw BadInput("il manque la valeur de l'option " + std::string(option->name));
      option->apply(value, invocation.options);
      invocation.given.push_back(option);
    }
  }
  return invocation;
}

std::string operandCount(const CommandInfo& command, std::size_t count) {
  return "la commande " + std::string(command.name) + " attend " +
         std::to_string(command.operands) + " op\xC3\xA9rande" + (command.operands > 1 ? "s" : "") +
         ", pas " + std::to_string(count);
}

// Splits a line at spaces and tabs into at most `words.size()` operands; returns how many there
// were (more than fit counts one over, which is all the caller needs to refuse the line).
std::size_t splitLine(std::string_view line, std::array<std::string_view, 3>& words) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t count = 0;
  auto at = line.begin();
  while (count < words.size()) {
    at = std::find_if_not(at, line.end(), blank);
    if (at == line.end()) break;
    const auto end = std::find_if(at, line.end(), blank);
    words[count++] = std::string_view(&*at, static_cast<std::size_t>(end - at));
    at = end;
  }
  return count;
}

// One operand set a line; a bad line gets its message and the run goes on.
class Batch {
 public:
  Batch(const CommandInfo& command, const Options& options)
      : command_(command), options_(options) {}

  void line(std::string_view text) {
    ++number_;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    std::array<std::string_view, 3> words;
    const std::size_t count = splitLine(text, words);
    if (count == 0) return;  // blank lines separate nothing
    try {
      if (count != command_.operands) throw BadInput(operandCount(command_, count));
      runCommand(command_, std::span(words.data(), count), options_, out_);
    } catch (const BadInput& fault) {
      failed_ = true;
      writeOk_ = flush() && writeOk_;
      writeOk_ = writeError("ligne " + std::to_string(number_) + " : " + fault.what()) && writeOk_;
    }
    if (out_.size() >= kChunk) writeOk_ = flush() && writeOk_;
  }

  bool flush() {
    const bool ok = out_.empty() || writeText(Stream::Output, out_);
    out_.clear();
    return ok;
  }
  bool failed() const { return failed_; }
  bool writeOk() const { return writeOk_; }

 private:
  const CommandInfo& command_;
  const Options& options_;
  std::string out_;
  long number_ = 0;
  bool failed_ = false;
  bool writeOk_ = true;
};

int runBatch(const CommandInfo& command, const Options& options) {
  Batch batch(command, options);
  std::string pending;
  std::vector<char> chunk(kChunk);
  std::size_t read = 0;
  while ((read = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) {
    pending.append(chunk.data(), read);
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
      batch.line(std::string_view(pending).substr(start, end - start));
    }
    pending.erase(0, start);
  }
  if (!pending.empty()) batch.line(pending);
  const bool readFailed = std::ferror(stdin) != 0;
  if (readFailed)
    writeError(
        "lecture de l'entr\xC3\xA9"
        "e standard impossible");
  const bool written = batch.flush() && batch.writeOk();
  return afterWriting(written, batch.failed() || readFailed ? kBadInput : kSuccess);
}

int runOnce(const Invocation& invocation) {
  std::string out;
  try {
    runCommand(*invocation.command, invocation.operands, invocation.options, out);
  } catch (const BadInput& fault) {
    writeError(fault.what());
    return kBadInput;
  }
  return afterWriting(writeText(Stream::Output, out), kSuccess);
}

}  // namespace

int runProgram(std::span<const std::string> arguments) {
  Invocation invocation;
  try {
    invocation = invocationOf(arguments);
  } catch (const BadInput& fault) {
    return usageError(fault.what());
  }
  if (invocation.help) return afterWriting(writeText(Stream::Output, kUsage), kSuccess);
  if (invocation.version) return afterWriting(writeText(Stream::Output, kVersion), kSuccess);
  if (!invocation.command)
    return usageError("il manque la commande (locator, position, path ou sun)");
  for (const ValueOption* option : invocation.given) {
    if (option->command != invocation.command->command) {
      return usageError("l'option " + std::string(option->name) + " ne vaut pas pour la commande " +
                        std::string(invocation.command->name));
    }
  }
  const std::size_t count = invocation.operands.size();
  if (count == 0) return runBatch(*invocation.command, invocation.options);
  if (count != invocation.command->operands) {
    return usageError(operandCount(*invocation.command, count));
  }
  return runOnce(invocation);
}

}  // namespace tarvel::calc
