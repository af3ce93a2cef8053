// What the window has a screen reader say by itself, and the last result said again on request.
#include <utility>

#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

void WinDurOzirozador::announce(std::string sentence) {
  if (ended()) return;
  lastAnnouncement_ = std::move(sentence);
  platform().announce(lastAnnouncement_);
}

// Nothing was said yet: there is nothing to repeat.
void WinDurOzirozador::repeatAnnouncement() {
  if (!lastAnnouncement_.empty()) platform().announce(lastAnnouncement_);
}

void WinDurOzirozador::notify(std::string_view notice) {
  if (!ended()) platform().announce(notice);
}

}  // namespace tarvel
