// The UI Automation element that tells a result: the provider called directly, the window's
// WM_GETOBJECT, and the events raised, with the system's UIAutomationCore.dll and with entry points
// of the test's own. Wine 8 has no UI Automation tree for plain windows and no notification event,
// so what a screen reader then does with them is not seen here.
#include <oleacc.h>

#include <string>
#include <vector>

#include "tests/win32/view_fixture.hpp"
#include "window/win32/uia_notification.hpp"

namespace tarvel::win32 {
namespace {

constexpr const char* kSentence = "Distance 177 kilomètres, azimut 224 degrés";
constexpr const wchar_t* kWideSentence = L"Distance 177 kilomètres, azimut 224 degrés";

// What a property reads: its type and, for a text or a number, its value.
struct Read {
  HRESULT result = E_FAIL;
  VARTYPE type = VT_EMPTY;
  std::wstring text;
  long number = 0;
};

Read property(IRawElementProviderSimple& element, PROPERTYID id) {
  VARIANT value;
  VariantInit(&value);
  Read read;
  read.result = element.GetPropertyValue(id, &value);
  read.type = value.vt;
  if (value.vt == VT_BSTR) read.text.assign(value.bstrVal, SysStringLen(value.bstrVal));
  if (value.vt == VT_I4) read.number = value.lVal;
  VariantClear(&value);
  return read;
}

LRESULT rootObjectOf(HWND window) {
  return SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(kUiaRootObjectId));
}

// The element a screen reader reads, through the real window and the system's library.
TEST_F(ViewTest, TheElementIsAPoliteTextNamedByTheLastSentence) {
  IRawElementProviderSimple& element = *view.notification().element();
  EXPECT_EQ(property(element, UIA_NamePropertyId).text, L"");
  window.announce(kSentence);
  pump();
  const Read name = property(element, UIA_NamePropertyId);
  EXPECT_EQ(name.result, S_OK);
  EXPECT_EQ(name.type, VT_BSTR);
  EXPECT_EQ(name.text, kWideSentence);
  const Read type = property(element, UIA_ControlTypePropertyId);
  EXPECT_EQ(type.type, VT_I4);
  EXPECT_EQ(type.number, 50020);                                      // UIA_TextControlTypeId
  EXPECT_EQ(property(element, UIA_LiveSettingPropertyId).number, 1);  // Polite
  // What the provider does not give is the host's: empty, and no failure.
  const Read other = property(element, UIA_AutomationIdPropertyId);
  EXPECT_EQ(other.result, S_OK);
  EXPECT_EQ(other.type, VT_EMPTY);

  ProviderOptions options{};
  EXPECT_EQ(element.get_ProviderOptions(&options), S_OK);
  EXPECT_EQ(options, ProviderOptions_ServerSideProvider);
  IRawElementProviderSimple* host = nullptr;
  EXPECT_EQ(element.get_HostRawElementProvider(&host), S_OK);
  EXPECT_EQ(host != nullptr, view.notification().entryPoints().hostProviderFromHwnd != nullptr);
  if (host) host->Release();
  IUnknown* pattern = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(element.GetPatternProvider(10002, &pattern), S_OK);  // the value pattern: none
  EXPECT_EQ(pattern, nullptr);
}

// One pixel of the window, disabled, out of the Tab order, hit by no click and painting nothing.
TEST_F(ViewTest, TheElementsWindowIsOutOfTheUsersWay) {
  HWND announcer = view.notification().window();
  ASSERT_TRUE(announcer);
  EXPECT_EQ(GetParent(announcer), view.handle());
  EXPECT_FALSE(IsWindowEnabled(announcer));
  EXPECT_EQ(GetWindowLongPtrW(announcer, GWL_STYLE) & WS_TABSTOP, 0);
  RECT box{};
  GetClientRect(announcer, &box);
  EXPECT_EQ(box.right * box.bottom, 1);
  RECT region{};
  EXPECT_EQ(GetWindowRgnBox(announcer, &region), NULLREGION);
  for (int tab = 0; tab < 60; ++tab) {
    pressKey(VK_TAB);
    ASSERT_NE(GetFocus(), announcer);
  }
}

// The system's library, whatever it has: UI Automation's own question is answered with the
// element where the library can return one, and the standard accessible object's question is left
// to the static control.
TEST_F(ViewTest, TheWindowAnswersUiAutomationsQuestionWithTheElement) {
  HWND announcer = view.notification().window();
  const bool returns = view.notification().entryPoints().returnRawElementProvider != nullptr;
  EXPECT_EQ(rootObjectOf(announcer) != 0, returns);
  Microsoft::WRL::ComPtr<IAccessible> standard;
  EXPECT_EQ(
      AccessibleObjectFromWindow(announcer, OBJID_CLIENT, IID_PPV_ARGS(standard.GetAddressOf())),
      S_OK);
}

// Entry points of the test's: which event is raised, with what, and when the element goes.
struct Raised {
  std::vector<std::wstring> notifications;  // the display strings
  std::vector<EVENTID> events;
  std::vector<std::wstring> namesAtEvent;
  int kindOther = 0;
  int mostRecent = 0;
  int returned = 0;
  int disconnected = 0;
  IRawElementProviderSimple* element = nullptr;
};
Raised* raised = nullptr;  // the running test's

HRESULT WINAPI recordNotification(IRawElementProviderSimple* element, NotificationKind kind,
                                  NotificationProcessing processing, BSTR text, BSTR activity) {
  raised->element = element;
  raised->notifications.emplace_back(text, SysStringLen(text));
  raised->kindOther += kind == NotificationKind::Other;
  raised->mostRecent += processing == NotificationProcessing::MostRecent;
  EXPECT_GT(SysStringLen(activity), 0u);
  return S_OK;
}

HRESULT WINAPI recordEvent(IRawElementProviderSimple* element, EVENTID id) {
  raised->element = element;
  raised->events.push_back(id);
  raised->namesAtEvent.push_back(property(*element, UIA_NamePropertyId).text);
  return S_OK;
}

LRESULT WINAPI recordReturn(HWND, WPARAM, LPARAM, IRawElementProviderSimple* element) {
  raised->element = element;
  ++raised->returned;
  return 77;
}

HRESULT WINAPI recordDisconnect(IRawElementProviderSimple* element) {
  raised->element = element;
  ++raised->disconnected;
  return S_OK;
}

class FakeCoreTest : public ViewTest {
 protected:
  FakeCoreTest() { raised = &seen; }
  ~FakeCoreTest() override { raised = nullptr; }

  Raised seen;
};

TEST_F(FakeCoreTest, ANotificationWhereTheSystemHasOneElseTheLiveRegionsEvent) {
  UiaEntryPoints both;
  both.raiseNotificationEvent = &recordNotification;
  both.raiseAutomationEvent = &recordEvent;
  UiaEntryPoints eventOnly;
  eventOnly.raiseAutomationEvent = &recordEvent;
  {
    UiaNotification notification(view.handle(), {}, UiaCore(both));
    notification.announce(kSentence);
    notification.announce(kSentence);  // the same result again is told again
    EXPECT_EQ(seen.notifications, (std::vector<std::wstring>{kWideSentence, kWideSentence}));
    EXPECT_EQ(seen.kindOther, 2);
    EXPECT_EQ(seen.mostRecent, 2);
    EXPECT_TRUE(seen.events.empty());
    EXPECT_EQ(seen.element, notification.element());
  }
  seen = {};
  UiaNotification notification(view.handle(), {}, UiaCore(eventOnly));
  notification.announce("Mon locator JO20AA");
  EXPECT_TRUE(seen.notifications.empty());
  EXPECT_EQ(seen.events, std::vector<EVENTID>{20024});  // UIA_LiveRegionChangedEventId
  EXPECT_EQ(seen.namesAtEvent, std::vector<std::wstring>{L"Mon locator JO20AA"});
  EXPECT_EQ(seen.element, notification.element());
}

TEST_F(FakeCoreTest, OnlyUiAutomationsQuestionGetsTheElementWhichGoesWithTheWindow) {
  UiaEntryPoints core;
  core.returnRawElementProvider = &recordReturn;
  core.disconnectProvider = &recordDisconnect;
  IRawElementProviderSimple* element = nullptr;
  {
    UiaNotification notification(view.handle(), {}, UiaCore(core));
    element = notification.element();
    element->AddRef();  // a client's reference, held past the window
    EXPECT_EQ(rootObjectOf(notification.window()), 77);
    EXPECT_EQ(seen.returned, 1);
    EXPECT_EQ(seen.element, element);
    SendMessageW(notification.window(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    EXPECT_EQ(seen.returned, 1);
    EXPECT_EQ(seen.disconnected, 0);
  }
  EXPECT_EQ(seen.disconnected, 1);
  EXPECT_EQ(seen.element, element);
  // The client still holding it is told the element is no longer there.
  VARIANT value;
  VariantInit(&value);
  EXPECT_EQ(element->GetPropertyValue(UIA_NamePropertyId, &value), kElementNotAvailable);
  IRawElementProviderSimple* host = nullptr;
  EXPECT_EQ(element->get_HostRawElementProvider(&host), kElementNotAvailable);
  element->Release();
}

struct MissingCase {
  const char* name;
  const wchar_t* library;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
  *os << c.name;
}

class MissingEntryPointsTest : public ViewTest,
                               public ::testing::WithParamInterface<MissingCase> {};

// An older Windows, or a library without UI Automation's functions: the window is made, a result
// is kept for the element and nothing is raised, the questions go to the static control, and the
// element goes with its window.
TEST_P(MissingEntryPointsTest, TheProgramRunsOnSilently) {
  {
    UiaNotification notification(view.handle(), {}, UiaCore(GetParam().library));
    const UiaEntryPoints& uia = notification.entryPoints();
    EXPECT_FALSE(uia.raiseNotificationEvent || uia.raiseAutomationEvent ||
                 uia.returnRawElementProvider || uia.disconnectProvider);
    ASSERT_TRUE(notification.window());
    notification.announce(kSentence);
    EXPECT_EQ(property(*notification.element(), UIA_NamePropertyId).text, kWideSentence);
    EXPECT_EQ(rootObjectOf(notification.window()), 0);
  }
  // The program's own goes on working.
  focus(window.Text_S_Loc);
  typeUnits(L"JN18");
  EXPECT_EQ(window.Text_S_Loc.text(), "JN18");
}

INSTANTIATE_TEST_SUITE_P(Libraries, MissingEntryPointsTest,
                         ::testing::Values(MissingCase{"none", L"tarvel-no-such-library.dll"},
                                           MissingCase{"without_them", L"kernel32.dll"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel::win32
