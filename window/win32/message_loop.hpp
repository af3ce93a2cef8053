#pragma once

#include <windows.h>

// The thread's message queue, read the way a dialog reads it: Tab and Shift+Tab move the focus
// between the window's controls (IsDialogMessageW), F1 asks the window for help (WM_HELP), F2,
// Shift+F1, F7 and F8 go to the window as kFunctionKeyMessage, every other key becomes its
// character.
namespace tarvel::win32 {

// Sent to the window for a function key other than F1; wParam is the FunctionKey.
inline constexpr UINT kFunctionKeyMessage = WM_APP + 2;

// Every message waiting now. Answers false when WM_QUIT came: it is put back, so that every
// loop this one is nested in ends too.
bool handlePendingMessages(HWND window);

// Until WM_QUIT; answers its exit code, or kQueueFailedStatus if the queue cannot be read.
inline constexpr int kQueueFailedStatus = 1;
int runMessageLoop(HWND window);

}  // namespace tarvel::win32
