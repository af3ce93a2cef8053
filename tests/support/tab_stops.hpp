#pragma once

#include <array>
#include <string_view>

namespace tarvel::test_support {

// The stops a Tab key visits from the correspondent's locator, where the focus is at open, round
// to it again: each binding's real window must walk them with its own Tab key.
inline constexpr std::array<std::string_view, 24> kTabStops = {
    "Com_M",          "Com_S",          "Com_M_RAZ",      "Check_Sauve",    "Com_S_Raz",
    "Comb_M_EO",      "Text_M_Lon_Sec", "Text_M_Lon_Min", "Text_M_Lon_Deg", "Text_M_Loc",
    "Comb_S_NS",      "Text_S_Lat_Sec", "Text_S_Lat_Min", "Text_S_Lat_Deg", "Text_M_Lat_Deg",
    "Text_M_Lat_Min", "Text_M_Lat_Sec", "Comb_M_NS",      "Text_S_Lon_Deg", "Text_S_Lon_Min",
    "Text_S_Lon_Sec", "Comb_S_EO",      "Comhelp",        "Text_S_Loc"};

}  // namespace tarvel::test_support
