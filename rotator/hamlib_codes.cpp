#include "rotator/hamlib_codes.hpp"

#include <array>

namespace tarvel::rotator {
namespace {

// Indexed by the code, in hamlib's order (RIG_OK, RIG_EINVAL, ... RIG_EPOWER).
constexpr std::array<std::string_view, 21> kMeanings{
    "aucune erreur",
    "paramètre invalide",
    "configuration invalide (port série...)",
    "mémoire insuffisante",
    "fonction pas encore implémentée",
    "délai de communication dépassé",
    "erreur d'entrée-sortie (ouverture du port...)",
    "erreur interne de Hamlib",
    "erreur de protocole",
    "commande rejetée par le rotator",
    "commande exécutée, argument tronqué",
    "fonction non disponible",
    "VFO non adressable",
    "erreur sur le bus",
    "collision sur le bus",
    "argument invalide ou pointeur nul",
    "VFO invalide",
    "argument hors du domaine de la fonction",
    "fonction obsolète",
    "erreur de sécurité",
    "appareil hors tension",
};

}  // namespace

std::string_view hamlibErrorMeaning(int code) {
  if (code < 0 || static_cast<std::size_t>(code) >= kMeanings.size()) return "code inconnu";
  return kMeanings[static_cast<std::size_t>(code)];
}

}  // namespace tarvel::rotator
