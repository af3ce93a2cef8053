// Tarvel: locator, distance and azimuth between my station and the correspondent's.
#include <windows.h>

#include "window/win32/program.hpp"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  return tarvel::win32::runProgram(show);
}
