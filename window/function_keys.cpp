// The function keys of the window, which act whichever control holds the focus.
#include <utility>

#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

using Command = void (WinDurOzirozador::*)();

// F1 is every desktop's help key, and the one way to the help without hunting for "?".
constexpr std::pair<FunctionKey, Command> kFunctionKeys[] = {
    {FunctionKey::F1, &WinDurOzirozador::Comhelp_Click},
};

}  // namespace

void WinDurOzirozador::functionKey(FunctionKey key) {
  if (ended()) return;
  for (const auto& [bound, command] : kFunctionKeys) {
    if (bound == key) (this->*command)();
  }
}

}  // namespace tarvel
