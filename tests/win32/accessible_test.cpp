// What a screen reader reads of the window's children. Wine answers the window texts and the
// window order; the names and values of the property service are read back through MSAA where the
// system offers it.
#include <oleacc.h>
#include <wrl/client.h>

#include "tests/win32/view_fixture.hpp"
#include "window/model/control_visit.hpp"

namespace tarvel::win32 {
namespace {

struct LabelledCase {
  const char* control;
  const char* label;
};

bool takesItsNameFromALabel(const Control& control) {
  const ControlKind kind = control.kind();
  return kind == ControlKind::TextField || kind == ControlKind::ComboBox ||
         kind == ControlKind::CheckBox;
}

// MSAA names a field without a name of its own from the static text just before it: a hidden one
// whose text is the field's purpose, and before it the caption the design writes there.
TEST_F(ViewTest, EachInputHasItsPurposeJustBeforeItAndItsCaptionBeforeThat) {
  const LabelledCase cases[] = {
      {"Check_Sauve", "Sauve"},        {"Text_M_Loc", "Mon Locator"},
      {"Text_M_Lon_Deg", "Longitude"}, {"Text_M_Lat_Deg", "Latitude"},
      {"Text_S_Loc", "Son Locator"},   {"Text_S_Lon_Deg", "Longitude"},
      {"Text_S_Lat_Deg", "Latitude"},
  };
  for (const LabelledCase& labelled : cases) {
    HWND purpose = GetWindow(child(*window.find(labelled.control)), GW_HWNDPREV);
    EXPECT_EQ(toUtf8(windowText(GetWindow(purpose, GW_HWNDPREV))), labelled.label)
        << labelled.control;
  }
  for (const Control* control : window.controls()) {
    if (!child(*control) || !takesItsNameFromALabel(*control)) continue;
    HWND purpose = GetWindow(child(*control), GW_HWNDPREV);
    EXPECT_EQ(toUtf8(windowText(purpose)), control->design().accessibleName) << control->fullName();
    EXPECT_FALSE(IsWindowVisible(purpose)) << control->fullName();
  }
}

std::wstring read(IAccessible& object, HRESULT (IAccessible::*property)(VARIANT, BSTR*)) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (FAILED((object.*property)(self, &text)) || !text) return L"(none)";
  std::wstring read(text, SysStringLen(text));
  SysFreeString(text);
  return read;
}

class ReaderTest : public ViewTest {
 protected:
  ReaderTest() {
    window.Text_M_Loc.setText("JO20AA");
    window.Com_M_Click();
    focus(window.Text_S_Loc);
    typeUnits(L"JN18EU");
  }

  std::string msaa(const Control& control, HRESULT (IAccessible::*property)(VARIANT, BSTR*)) {
    Microsoft::WRL::ComPtr<IAccessible> object;
    if (FAILED(AccessibleObjectFromWindow(child(control), OBJID_CLIENT,
                                          IID_PPV_ARGS(object.GetAddressOf()))))
      return "(no object)";
    return toUtf8(read(*object.Get(), property));
  }
  std::string nameOf(const Control& control) { return msaa(control, &IAccessible::get_accName); }
};

// The distance, the azimuth, the times: what the window shows is what a screen reader reads.
TEST_F(ReaderTest, EveryLabelReadsAsItsCaption) {
  for (const Control* control : window.controls()) {
    visit(*control, Overloaded{[&](const Label& label) {
                                 EXPECT_EQ(nameOf(label), label.caption()) << label.fullName();
                               },
                               [](const auto&) {}});
  }
  EXPECT_EQ(window.LabelDistance.caption(), "Distance: 177 Km");
}

// What any MSAA client reads, the property service or not: Wine's and Windows' proxies name each
// input from the static text before it.
TEST_F(ReaderTest, EveryInputReadsByItsPurpose) {
  int inputs = 0;
  for (const Control* control : window.controls()) {
    if (!child(*control) || !takesItsNameFromALabel(*control)) continue;
    EXPECT_EQ(nameOf(*control), control->design().accessibleName) << control->fullName();
    ++inputs;
  }
  EXPECT_EQ(inputs, 19);  // 12 coordinate fields, 2 locators, 4 direction boxes, the check box
}

// Read back only where MSAA honours the property service: Wine 8 names a control by its own
// text or the static text before it, and reads no value.
TEST_F(ReaderTest, EveryControlIsNamedForItsPurposeAndTheRoseHoldsTheAzimuth) {
  // The help button, named "?" by its own text and "Aide" by the service alone.
  if (nameOf(window.Comhelp) != window.Comhelp.design().accessibleName)
    GTEST_SKIP() << "this system's MSAA does not read the property service's names";
  for (const Control* control : window.controls()) {
    const std::string_view name = control->design().accessibleName;
    if (child(*control) && !name.empty() && control->kind() != ControlKind::Label) {
      EXPECT_EQ(nameOf(*control), name) << control->fullName();
    }
  }
  EXPECT_EQ(msaa(window.Shape3, &IAccessible::get_accValue), "224°");
}

}  // namespace
}  // namespace tarvel::win32
