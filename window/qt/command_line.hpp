#pragma once

#include <optional>
#include <variant>

#include "rotator/address.hpp"

namespace tarvel::qt {

// --help and --version are answered on the standard output before any window, as GNU programs
// do; every other argument is left to Qt or ignored. The program's exit status when one was
// answered.
std::optional<int> answerCommandLine(int argc, char** argv);

// The rotator named by --rotator or TARVEL_ROTATOR, none without either; a value that is no
// address is said on the standard error, and the result is then the program's exit status, 2.
std::variant<std::optional<rotator::Address>, int> rotatorOfCommandLine(int argc, char** argv);

// While the application object is built, a window system that cannot be reached (no DISPLAY, a
// display that refuses the connection, a Wayland socket that is gone) ends the program with one
// line saying so and status 1, instead of Qt's advice to reinstall and a core dump. Qt's own
// warnings about its platform plugins are held back meanwhile. QT_QPA_PLATFORM is Qt's to read.
class DisplayCheck {
 public:
  DisplayCheck();
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;
};

}  // namespace tarvel::qt
