#include "calc/help.hpp"

#include "calc/commands.hpp"
#include "calc/line_splitter.hpp"
#include "calc/messages.hpp"
#include "calc/number_text.hpp"
#include "geo/great_circle.hpp"
#include "rotator/address.hpp"

namespace tarvel::calc {
namespace {

constexpr std::string_view kUsageLine =
    "Usage : tarvel-calc [--json] COMMANDE [OPÉRANDE...] [OPTION...]\n"
    "Locators, distances, azimuts et heures du Soleil, avec la sphère de Tarvel,\n"
    "et le rotator d'antenne par le rotctld de hamlib.\n";

constexpr std::string_view kGlobalOptions =
    "  --json     un objet JSON par résultat\n"
    "  --help     affiche cette aide et termine\n"
    "  --version  affiche la version et termine\n";

constexpr std::string_view kVersion =
    "tarvel-calc (Tarvel) " TARVEL_VERSION
    "\n"
    "Copyright (C) 2026 Tarvel contributors.\n"
    "Licence GPLv3+ : GNU GPL version 3 ou ultérieure\n"
    "<https://gnu.org/licenses/gpl.html>\n"
    "Ceci est un logiciel libre : vous êtes libre de le modifier et de le\n"
    "redistribuer.\n"
    "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n";

constexpr std::string_view kTryHelp =
    "Saisissez « tarvel-calc --help » pour plus d'informations.\n";

constexpr std::size_t kHelpColumns = 79;   // an 80-column console breaks a line of 80
constexpr std::size_t kUsageIndent = 2;    // a command's line
constexpr std::size_t kSummaryIndent = 6;  // what it gives, under it
constexpr int kRadiusDecimals = 3;         // 6378.387 km, as the README and the manual say it

// A paragraph cut between words into lines of at most kHelpColumns bytes, each indented: bytes, not
// characters, so that the lines fit however they are counted (Debian's awk, mawk, counts bytes).
void appendWrapped(std::string& out, std::string_view text, std::size_t indent) {
  std::size_t width = 0;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    if (width > 0 && width + 1 + word.size() > kHelpColumns) {
      out += '\n';
      width = 0;
    }
    if (width == 0) {
      out.append(indent, ' ');
      width = indent;
    } else {
      out += ' ';
      ++width;
    }
    out += word;
    width += word.size();
  }
  out += '\n';
}

std::string radius() {
  std::string text;
  appendFixed(text, geo::kEarthRadius, kRadiusDecimals);
  return text;
}

}  // namespace

std::string helpText() {
  std::string out(kUsageLine);
  out += "\nCommandes :\n";
  for (const CommandEntry& command : commandTable()) {
    appendWrapped(out, command.usage, kUsageIndent);
    appendWrapped(out, command.summary, kSummaryIndent);
  }
  out += '\n';
  appendWrapped(out,
                "Une position est un locator (le centre de son carré) ou LAT,LON en degrés, nord "
                "et est positifs : 48.8566,2.3522 ou 48°51'24\"N,2°21'08\"E.",
                0);
  appendWrapped(out,
                "Sans opérande, " + commandNames("et", true) +
                    " lisent un jeu d'opérandes par ligne sur l'entrée standard et écrivent un "
                    "résultat par ligne ; une ligne de plus de " +
                    std::to_string(kLongestLine) + " octets est signalée et ignorée.",
                0);
  appendWrapped(
      out,
      "Le rotator est --rotator, sinon la variable d'environnement TARVEL_ROTATOR, sinon " +
          std::string(rotator::kDefaultHost) + ":" + std::to_string(rotator::kDefaultPort) + ".",
      0);
  out += '\n';
  out += kGlobalOptions;
  out += '\n';
  appendWrapped(out,
                "Les distances sont prises sur la sphère de la fenêtre (rayon " + radius() +
                    " km), les azimuts depuis le nord vrai. Code de sortie : 0 si tout va bien, "
                    "2 si une entrée est invalide, 1 si l'écriture échoue, 3 pour une erreur du "
                    "rotator ou quand adif --check trouve des distances en désaccord, 130 ou 143 "
                    "quand Ctrl+C ou SIGTERM a arrêté l'antenne.",
                0);
  return out;
}

std::string_view versionText() {
  return kVersion;
}

std::string_view tryHelpText() {
  return kTryHelp;
}

}  // namespace tarvel::calc
