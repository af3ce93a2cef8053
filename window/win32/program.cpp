#include "window/win32/program.hpp"

#include "window/desktop/toolkit_platform.hpp"
#include "window/model/design.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {

int runProgram(int show, const Creation& creation) {
  try {
    ToolkitPlatform platform;
    WinDurOzirozador window(platform);
    WindowView view(window, creation);
    platform.attach(view);
    window.Form_Load();
    if (window.ended()) return 0;
    view.show(show);
    window.show();
    return runMessageLoop(view.handle());
  } catch (const CreationFailed& failure) {
    // No window to own the box: it stands alone, with the program's caption.
    MessageBoxW(nullptr, toUtf16(failure.what()).c_str(), toUtf16(design::kCaption).c_str(),
                MB_OK | MB_ICONERROR);
    return kCreationFailedStatus;
  }
}

}  // namespace tarvel::win32
