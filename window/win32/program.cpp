#include "window/win32/program.hpp"

#include <shellapi.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "window/desktop/rotator_option.hpp"
#include "window/desktop/toolkit_platform.hpp"
#include "window/model/design.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/rotator_socket.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

std::string environmentVariable(const wchar_t* name) {
  std::wstring value(256, L'\0');
  const DWORD length = GetEnvironmentVariableW(name, value.data(), 256);
  if (length == 0 || length >= value.size()) return {};  // unset, or no address that long
  value.resize(length);
  return toUtf8(value);
}

std::variant<std::optional<rotator::Address>, std::string> rotatorOfCommandLine() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i)
    arguments.push_back(toUtf8(wide[i]));
  if (wide) LocalFree(wide);
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  const std::string environment = environmentVariable(L"TARVEL_ROTATOR");
  return rotatorOption(views, environment.empty() ? nullptr : environment.c_str());
}

void showAlone(const std::string& text) {
  MessageBoxW(nullptr, toUtf16(text).c_str(), toUtf16(design::kCaption).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace

int runProgram(int show, const Creation& creation) {
  const auto rotatorChoice = rotatorOfCommandLine();
  if (const auto* refusal = std::get_if<std::string>(&rotatorChoice)) {
    showAlone(*refusal);
    return kBadOptionStatus;
  }
  const auto& rotatorAddress = std::get<std::optional<rotator::Address>>(rotatorChoice);
  try {
    ToolkitPlatform platform;
    WinDurOzirozador window(platform);
    std::optional<RotatorSocket> rotatorSocket;
    if (rotatorAddress) window.attachRotator(rotatorSocket.emplace(window), *rotatorAddress);
    WindowView view(window, creation);
    platform.attach(view);
    window.Form_Load();
    if (window.ended()) return platform.exitStatus(window, 0);
    view.show(show);
    window.show();
    return platform.exitStatus(window, runMessageLoop(view.handle()));
  } catch (const CreationFailed& failure) {
    // No window to own the box: it stands alone, with the program's caption.
    showAlone(failure.what());
    return kCreationFailedStatus;
  }
}

}  // namespace tarvel::win32
