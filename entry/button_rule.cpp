// The enabled flag of the hidden distance button follows the correspondent's coordinates.
#include <algorithm>

#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

void WinDurOzirozador::Gest_Erreur() {
  ComDistance.setEnabled(
      std::any_of(Son.coordinates.begin(), Son.coordinates.end(),
                  [](const TextField* field) { return !field->text().empty(); }));
}

}  // namespace tarvel
