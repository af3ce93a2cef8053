#pragma once

#include "window/win32/creation.hpp"

namespace tarvel::win32 {

// The exit status of a start that failed because Windows did not make a part of the window.
inline constexpr int kCreationFailedStatus = 1;
// The exit status of a --rotator or TARVEL_ROTATOR that is no address, said in a message box.
inline constexpr int kBadOptionStatus = 2;

// The program from start to end: the window made, loaded and shown, then its messages until it
// closes; answers the exit status. A part of the window that Windows does not make ends it at
// once, with a message box that says which and kCreationFailedStatus. With --rotator HOST[:PORT]
// or TARVEL_ROTATOR the window turns the antenna through rotctld there.
int runProgram(int show, const Creation& creation = {});

}  // namespace tarvel::win32
