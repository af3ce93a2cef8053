// Real message boxes: MessageBoxW owned by the window, its caption, icon, lines and one button
// read back while it runs its own modal loop; and closing the window while one is open.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/support/temporary_folder.hpp"
#include "window/desktop/toolkit_platform.hpp"
#include "window/win32/base_window.hpp"
#include "window/win32/child_windows.hpp"
#include "window/win32/message_loop.hpp"
#include "window/win32/program.hpp"
#include "window/win32/window_view.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::win32 {
namespace {

constexpr const wchar_t* kDialogClass = L"#32770";
constexpr const wchar_t* kCaption = L"Tarvel-V1.1";

struct SeenBox {
  bool found = false;
  HWND owner = nullptr;
  std::wstring text;
  HICON icon = nullptr;
  std::wstring buttons;  // the captions of the visible buttons
};

BOOL CALLBACK readChild(HWND child, LPARAM seen) {
  auto& box = *reinterpret_cast<SeenBox*>(seen);
  if (!IsWindowVisible(child)) return TRUE;
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"Button") == 0) box.buttons += windowText(child) + L";";
  if (lstrcmpiW(className, L"Static") != 0) return TRUE;
  if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    box.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  } else if (const std::wstring text = windowText(child); !text.empty()) {
    box.text = text;
  }
  return TRUE;
}

// The test's eyes and hand while a message box runs its modal loop: a hidden window whose timer,
// dispatched by that loop, finds the box, reads it and then answers it or closes the program's
// window. After ten seconds it answers whatever is open and ends the loops, so that a box that
// never showed or never closed fails the test instead of hanging it.
class BoxWatcher : public BaseWindow<BoxWatcher> {
 public:
  static constexpr const wchar_t* kClassName = L"Tarvel.Test.BoxWatcher";
  enum class Then { PressOk, CloseTheWindow };

  BoxWatcher(Then then, HWND window) : then_(then), window_(window) {
    create(L"", {WS_POPUP, 0, nullptr});
    SetTimer(handle(), kLook, 50, nullptr);
    SetTimer(handle(), kGiveUp, 10000, nullptr);
  }
  ~BoxWatcher() { destroy(); }

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return defaultHandling(message, wParam, lParam);
    HWND box = FindWindowW(kDialogClass, kCaption);
    if (wParam == kGiveUp) {
      timedOut = true;
      if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
      PostQuitMessage(1);
    } else if (box) {
      seen.found = true;
      seen.owner = GetWindow(box, GW_OWNER);
      EnumChildWindows(box, &readChild, reinterpret_cast<LPARAM>(&seen));
      answeredAt = std::chrono::steady_clock::now();
      if (then_ == Then::PressOk) PostMessageW(box, WM_COMMAND, IDOK, 0);
      if (then_ == Then::CloseTheWindow) PostMessageW(window_, WM_CLOSE, 0, 0);
    } else {
      return 0;  // not open yet
    }
    KillTimer(handle(), kLook);
    KillTimer(handle(), kGiveUp);
    return 0;
  }

  SeenBox seen;
  bool timedOut = false;
  std::chrono::steady_clock::time_point answeredAt;

 private:
  static constexpr UINT_PTR kLook = 1;
  static constexpr UINT_PTR kGiveUp = 2;
  Then then_;
  HWND window_;
};

// The real platform, keeping its settings in a folder of the test's.
class FolderedWin32Platform : public ToolkitPlatform {
 public:
  explicit FolderedWin32Platform(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::filesystem::path programFolder() override { return folder_; }
  std::filesystem::path userSettingsFolder() override { return folder_ / "user"; }

 private:
  std::filesystem::path folder_;
};

class RealWindowTest : public ::testing::Test {
 protected:
  RealWindowTest() {
    platform.attach(view);
    window.Form_Load();
    view.show(SW_SHOWNORMAL);
    window.show();
    handlePendingMessages(view.handle());
  }

  test_support::TemporaryFolder folder;
  FolderedWin32Platform platform{folder.path()};
  WinDurOzirozador window{platform};
  WindowView view{window};
};

struct BoxCase {
  const char* name;
  MessageIcon icon;
  const wchar_t* systemIcon;  // none: no icon shown
};

void PrintTo(const BoxCase& c, std::ostream* os) {
  *os << "icon " << c.name;
}

class MessageBoxTest : public RealWindowTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, IsOwnedByTheWindowWithItsCaptionIconLinesAndOneButton) {
  BoxWatcher watcher(BoxWatcher::Then::PressOk, view.handle());
  platform.showMessage("ligne un\rligne deux", GetParam().icon, "Tarvel-V1.1");
  ASSERT_FALSE(watcher.timedOut);
  ASSERT_TRUE(watcher.seen.found);
  EXPECT_EQ(watcher.seen.owner, view.handle());
  EXPECT_EQ(watcher.seen.text, L"ligne un\r\nligne deux");
  EXPECT_EQ(watcher.seen.buttons, L"OK;");
  const HICON expected =
      GetParam().systemIcon ? LoadIconW(nullptr, GetParam().systemIcon) : nullptr;
  EXPECT_EQ(watcher.seen.icon, expected);
  EXPECT_EQ(FindWindowW(kDialogClass, kCaption), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Icons, MessageBoxTest,
                         ::testing::Values(BoxCase{"none", MessageIcon::None, nullptr},
                                           BoxCase{"error", MessageIcon::Error, IDI_ERROR},
                                           BoxCase{"exclamation", MessageIcon::Exclamation,
                                                   IDI_WARNING}),
                         [](const auto& info) { return std::string(info.param.name); });

// The help button's box is open when the window is closed: the unload writes the settings, the
// box's loop ends on the quit and passes it on, and the program's loop ends with it.
TEST_F(RealWindowTest, ClosingWhileAMessageBoxIsOpenEndsTheProgram) {
  BoxWatcher watcher(BoxWatcher::Then::CloseTheWindow, view.handle());
  PostMessageW(view.childOf(window.Comhelp), BM_CLICK, 0, 0);
  EXPECT_EQ(runMessageLoop(view.handle()), 0);
  EXPECT_FALSE(watcher.timedOut);
  EXPECT_TRUE(watcher.seen.found);
  EXPECT_TRUE(window.ended());
  EXPECT_EQ(FindWindowW(kDialogClass, kCaption), nullptr);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "SavLoc.ini"));
}

// Another thread writes into fields, as an automation tool or UI Automation's value pattern does
// from its own process; the window goes on reading its queue meanwhile.
class OutsideWriter {
 public:
  OutsideWriter(HWND field, std::wstring text)
      : text_(std::move(text)), thread_([this, field] {
          SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
          returnedAt = std::chrono::steady_clock::now();
          returned = true;
        }) {}
  ~OutsideWriter() { thread_.join(); }

  std::atomic<bool> returned{false};
  std::chrono::steady_clock::time_point returnedAt;

 private:
  std::wstring text_;
  std::thread thread_;
};

// The range message follows the writer's call instead of holding it until OK is pressed.
TEST_F(RealWindowTest, AWriteFromOutsideReturnsBeforeItsRangeMessageIsAnswered) {
  BoxWatcher watcher(BoxWatcher::Then::PressOk, view.handle());
  {
    OutsideWriter writer(view.childOf(window.Text_M_Lat_Deg), L"999");
    while (!writer.returned || !(watcher.seen.found || watcher.timedOut)) {
      handlePendingMessages(view.handle());
      Sleep(5);
    }
    ASSERT_TRUE(watcher.seen.found);
    EXPECT_LT(writer.returnedAt, watcher.answeredAt);
  }
  EXPECT_EQ(watcher.seen.text, L"Erreur : Degrés Latitude de 0 à 89");
  EXPECT_EQ(window.Text_M_Lat_Deg.text(), "89");
  EXPECT_EQ(windowText(view.childOf(window.Text_M_Lat_Deg)), L"89");
}

// The sixth character's result, as from the keyboard.
TEST_F(RealWindowTest, ALocatorWrittenFromOutsideBringsItsResult) {
  window.Text_M_Loc.setText("JO20AA");
  window.Com_M_Click();
  {
    OutsideWriter writer(view.childOf(window.Text_S_Loc), L"JN18EU");
    while (!writer.returned)
      handlePendingMessages(view.handle());
  }
  handlePendingMessages(view.handle());
  EXPECT_EQ(window.Text_S_Loc.text(), "JN18EU");
  EXPECT_EQ(window.LabelDistance.caption(), "Distance: 177 Km");
}

// Windows refusing one part of the window, as it does when the session is out of handles.
bool isClass(LPCWSTR className, LPCWSTR wanted) {
  return !IS_INTRESOURCE(className) && lstrcmpiW(className, wanted) == 0;
}
template <LPCWSTR refusedClass>
HWND WINAPI refusingWindows(DWORD extendedStyle, LPCWSTR className, LPCWSTR title, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID parameter) {
  if (isClass(className, refusedClass)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return CreateWindowExW(extendedStyle, className, title, style, x, y, width, height, parent, menu,
                         instance, parameter);
}
HFONT WINAPI refusingFonts(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                           DWORD, LPCWSTR) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}

constexpr wchar_t kMainClass[] = L"Tarvel.WinDurOzirozador";
constexpr wchar_t kEditClass[] = L"Edit";

struct RefusalCase {
  const char* name;
  Creation creation;
  const wchar_t* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << "Windows refuses the " << c.name << ": "
      << ::testing::PrintToString(std::wstring(c.message));
}

class CreationRefusedTest : public ::testing::TestWithParam<RefusalCase> {};

// The program says what it could not make, in a box of its own, and ends with a failure status
// instead of waiting without a window or running without a control.
TEST_P(CreationRefusedTest, SaysSoAndEndsWithAFailureStatus) {
  BoxWatcher watcher(BoxWatcher::Then::PressOk, nullptr);
  EXPECT_EQ(runProgram(SW_SHOWNORMAL, GetParam().creation), kCreationFailedStatus);
  ASSERT_FALSE(watcher.timedOut);
  ASSERT_TRUE(watcher.seen.found);
  EXPECT_EQ(watcher.seen.text, GetParam().message);
  EXPECT_EQ(watcher.seen.icon, LoadIconW(nullptr, IDI_ERROR));
  EXPECT_EQ(FindWindowW(kMainClass, nullptr), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, CreationRefusedTest,
    ::testing::Values(
        RefusalCase{"window",
                    {.createWindow = &refusingWindows<kMainClass>},
                    L"Tarvel ne peut pas démarrer : Windows n'a pas créé sa fenêtre (erreur 8)."},
        // The first field in Tab order.
        RefusalCase{"control",
                    {.createWindow = &refusingWindows<kEditClass>},
                    L"Tarvel ne peut pas démarrer : Windows n'a pas créé le contrôle Text_S_Loc "
                    L"(erreur 8)."},
        RefusalCase{"font",
                    {.createFont = &refusingFonts},
                    L"Tarvel ne peut pas démarrer : Windows n'a pas créé la police MS Sans Serif "
                    L"(erreur 8)."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel::win32
