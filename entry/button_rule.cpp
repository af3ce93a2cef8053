// The enabled flag of the hidden distance button follows the correspondent's coordinates.
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

void WinDurOzirozador::Gest_Erreur() {
  const bool anyFilled =
      !Son.latitudeDegrees.text().empty() || !Son.latitudeMinutes.text().empty() ||
      !Son.latitudeSeconds.text().empty() || !Son.longitudeDegrees.text().empty() ||
      !Son.longitudeMinutes.text().empty() || !Son.longitudeSeconds.text().empty();
  ComDistance.setEnabled(anyFilled);
}

}  // namespace tarvel
