#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

WinDurOzirozador::WinDurOzirozador(Platform& platform)
    : Form(platform),
      Mon{StationSide::M,
          {&Text_M_Lat_Deg, &Text_M_Lat_Min, &Text_M_Lat_Sec, &Text_M_Lon_Deg, &Text_M_Lon_Min,
           &Text_M_Lon_Sec},
          Comb_M_NS,
          Comb_M_EO,
          Text_M_Loc,
          Lat_Mon,
          Lon_Mon},
      Son{StationSide::S,
          {&Text_S_Lat_Deg, &Text_S_Lat_Min, &Text_S_Lat_Sec, &Text_S_Lon_Deg, &Text_S_Lon_Min,
           &Text_S_Lon_Sec},
          Comb_S_NS,
          Comb_S_EO,
          Text_S_Loc,
          Lat_Son,
          Lon_Son} {
  bindEvents();
  bindCoordinateFields();
}

void WinDurOzirozador::bindEvents() {
  // A user's Calcul says what it wrote; the one at load and the one the correspondent's sixth
  // character starts do not.
  Com_M.onClick = [this] { calculClicked(Mon); };
  Com_S.onClick = [this] { calculClicked(Son); };
  ComDistance.onClick = [this] { ComDistance_Click(); };
  Com_M_RAZ.onClick = [this] { Com_M_RAZ_Click(); };
  Com_S_Raz.onClick = [this] { Com_S_Raz_Click(); };
  Comhelp.onClick = [this] { Comhelp_Click(); };
  Check_Sauve.onClick = [this] { Check_Sauve_Click(); };
  Label6(1).onClick = [this] { Label6_Click(1); };
  Timer1.onTick = [this] { Timer1_Timer(); };

  Text_S_Loc.onChange = [this] { Text_S_Loc_Change(); };
  Text_S_Loc.onKeyPress = [this](std::int16_t& key) { Text_S_Loc_KeyPress(key); };
  Text_M_Loc.onChange = [this] { Text_M_Loc_Change(); };
  Text_M_Loc.onKeyPress = [this](std::int16_t& key) { Text_M_Loc_KeyPress(key); };

  Comb_M_NS.onGotFocus = [this] { Comb_M_NS_GotFocus(); };
  Comb_M_EO.onGotFocus = [this] { Comb_M_EO_GotFocus(); };
  Comb_S_NS.onGotFocus = [this] { Comb_S_NS_GotFocus(); };
  Comb_S_EO.onGotFocus = [this] { Comb_S_EO_GotFocus(); };
}

void WinDurOzirozador::show() {
  // The clock reads the time from the first paint, not 00:00:00 until the first tick a second
  // later (a locator typed in that second would get the hour 0).
  Timer1_Timer();
  const auto order = tabOrder();
  if (!order.empty()) setFocus(*order.front());
}

void WinDurOzirozador::message(std::string_view text, MessageIcon icon) {
  if (!ended()) platform().showMessage(text, icon, design::kCaption);
}

}  // namespace tarvel
