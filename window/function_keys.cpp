// The function keys of the window, which act whichever control holds the focus.
#include <utility>

#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

using Command = void (*)(WinDurOzirozador&);

// F1 is every desktop's help key, and the one way to the help without hunting for "?". F2 says
// the last result again to a screen reader's user, who cannot glance back at the labels; Shift+F1
// opens the about message, which otherwise takes a click on the title. F7 and F8 turn the antenna
// the long way and stop it, for a rotator.
constexpr std::pair<FunctionKey, Command> kFunctionKeys[] = {
    {FunctionKey::F1, [](WinDurOzirozador& window) { window.Comhelp_Click(); }},
    {FunctionKey::F2, [](WinDurOzirozador& window) { window.repeatAnnouncement(); }},
    {FunctionKey::ShiftF1, [](WinDurOzirozador& window) { window.Label6_Click(1); }},
    {FunctionKey::F7, [](WinDurOzirozador& window) { window.antennaLongPath(); }},
    {FunctionKey::F8, [](WinDurOzirozador& window) { window.antennaStop(); }},
};

}  // namespace

void WinDurOzirozador::functionKey(FunctionKey key) {
  if (ended()) return;
  for (const auto& [bound, command] : kFunctionKeys) {
    if (bound == key) command(*this);
  }
}

}  // namespace tarvel
