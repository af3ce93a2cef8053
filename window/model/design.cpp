#include "window/model/design.hpp"

#include <array>
#include <cstdlib>

namespace tarvel::design {
namespace {

using K = ControlKind;

constexpr FontSpec kArial{"Arial", 8.25, false};
constexpr FontSpec kLargeRegular{"MS Sans Serif", 9.75, false};
constexpr FontSpec kLargeBold{"MS Sans Serif", 9.75, true};
constexpr FontSpec kSmallBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kSystemBold{"System", 9.75, true};
constexpr FontSpec kTitle{"Comic Sans MS", 12, true};

constexpr Rgb kField{0, 192, 192};
constexpr Rgb kStationText{255, 255, 192};
constexpr Rgb kClockText{192, 255, 255};
constexpr Rgb kRose{192, 255, 255};
constexpr Rgb kCompassText{255, 255, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};

constexpr ControlDesign label(std::string_view name, int index, std::string_view caption, Box box,
                              int tab, Rgb colour = kStationText) {
  return {.name = name,
          .index = index,
          .kind = K::Label,
          .text = caption,
          .box = box,
          .foreground = colour,
          .tabIndex = tab};
}

constexpr ControlDesign compassLabel(int index, std::string_view caption, Box box, int tab,
                                     std::optional<FontSpec> font = {}) {
  return {.name = "Label5",
          .index = index,
          .kind = K::Label,
          .text = caption,
          .box = box,
          .font = font,
          .foreground = kCompassText,
          .tabIndex = tab,
          .alignment = Alignment::Center};
}

constexpr ControlDesign button(std::string_view name, std::string_view caption, Box box, int tab,
                               std::string_view accessible) {
  return {.name = name,
          .kind = K::PushButton,
          .text = caption,
          .box = box,
          .font = kArial,
          .tabIndex = tab,
          .accessibleName = accessible};
}

constexpr ControlDesign coordinate(std::string_view name, Box box, int tab, int maxLength,
                                   std::string_view accessible) {
  return {.name = name,
          .kind = K::TextField,
          .box = box,
          .background = kField,
          .tabIndex = tab,
          .maxLength = maxLength,
          .alignment = Alignment::Center,
          .accessibleName = accessible};
}

constexpr ControlDesign locator(std::string_view name, Box box, int tab,
                                std::string_view accessible) {
  return {.name = name,
          .kind = K::TextField,
          .box = box,
          .font = kLargeBold,
          .background = kField,
          .tabIndex = tab,
          .maxLength = 6,
          .accessibleName = accessible};
}

constexpr ControlDesign hemisphere(std::string_view name, std::string_view text, Box box, int tab,
                                   std::string_view accessible) {
  return {.name = name,
          .kind = K::ComboBox,
          .text = text,
          .box = box,
          .background = kField,
          .tabIndex = tab,
          .accessibleName = accessible};
}

constexpr ControlDesign result(std::string_view name, std::string_view caption, Box box, int tab) {
  return {.name = name,
          .kind = K::Label,
          .text = caption,
          .box = box,
          .font = kLargeRegular,
          .foreground = kStationText,
          .tabIndex = tab};
}

constexpr ControlDesign line(std::string_view name, int index, LineEnds ends, Rgb colour = kRose,
                             int width = 1) {
  return {.name = name,
          .index = index,
          .kind = K::Line,
          .ends = ends,
          .foreground = colour,
          .lineWidth = width};
}

constexpr auto kControls = std::to_array<ControlDesign>({
    // Title, help and frame.
    {.name = "Comhelp",
     .kind = K::PushButton,
     .text = "?",
     .box = {60, 60, 315, 315},
     .font = kSystemBold,
     .tabIndex = 49,
     .accessibleName = "Aide"},
    line("Line2", -1, {0, 0, 0, 2280}, kBlack),
    {.name = "Label6",
     .index = 1,
     .kind = K::Label,
     .text = "Tarvel-V1.1",
     .box = {2940, 3420, 2160, 315},
     .font = kTitle,
     .foreground = kCompassText,
     .alignment = Alignment::Center},

    // Clock.
    {.name = "LabHeure",
     .kind = K::Label,
     .text = "00:00:00",
     .box = {1320, 0, 795, 315},
     .font = kLargeRegular,
     .foreground = kClockText,
     .tabIndex = 23},
    {.name = "LabDate",
     .kind = K::Label,
     .text = "00/00/00",
     .box = {2160, 0, 1095, 315},
     .font = kLargeRegular,
     .foreground = kClockText,
     .tabIndex = 24},
    {.name = "Timer1", .kind = K::Timer, .visible = false},

    // My station.
    label("Label3", 1, "Sauve", {4380, 60, 615, 195}, 9),
    {.name = "Check_Sauve",
     .kind = K::CheckBox,
     .box = {4920, 0, 255, 315},
     .background = Rgb{0, 0, 128},
     .tabIndex = 5,
     .accessibleName = "Sauver mon locator"},
    label("Label3", 0, "Mon Locator", {3960, 360, 975, 195}, 6),
    locator("Text_M_Loc", {4920, 300, 1095, 315}, 16, "Mon locator"),
    button("Com_M", "Calcul", {6300, 300, 615, 315}, 1, "Calcul, Mon"),
    button("Com_M_RAZ", "Raz", {4320, 660, 495, 255}, 4, "Raz, Mon"),
    label("Label2", 0, "Deg  Min  Sec  Direction", {5040, 660, 1935, 195}, 8),
    label("Label3", 5, "Longitude", {4140, 960, 735, 195}, 47),
    coordinate("Text_M_Lon_Deg", {4920, 915, 435, 315}, 15, 3, "Longitude degrés, Mon"),
    coordinate("Text_M_Lon_Min", {5400, 915, 315, 315}, 14, 2, "Longitude minutes, Mon"),
    coordinate("Text_M_Lon_Sec", {5760, 915, 315, 315}, 13, 2, "Longitude secondes, Mon"),
    hemisphere("Comb_M_EO", "Est", {6120, 915, 840, 315}, 12, "Direction longitude, Mon"),
    label("Label3", 6, "Latitude", {4260, 1320, 615, 195}, 48),
    coordinate("Text_M_Lat_Deg", {5040, 1260, 315, 315}, 37, 2, "Latitude degrés, Mon"),
    coordinate("Text_M_Lat_Min", {5400, 1260, 315, 315}, 38, 2, "Latitude minutes, Mon"),
    coordinate("Text_M_Lat_Sec", {5760, 1260, 315, 315}, 39, 2, "Latitude secondes, Mon"),
    hemisphere("Comb_M_NS", "Nord", {6120, 1260, 840, 315}, 40, "Direction latitude, Mon"),

    // The correspondent's station.
    label("Label3", 2, "Son Locator", {3960, 2040, 975, 195}, 17),
    locator("Text_S_Loc", {4920, 1980, 1095, 315}, 0, "Son locator"),
    button("Com_S_Raz", "Raz", {4320, 2340, 495, 255}, 7, "Raz, Son"),
    label("Label2", 1, "Deg  Min  Sec  Direction", {5040, 2340, 1995, 195}, 22),
    label("Label3", 3, "Longitude", {4140, 2640, 735, 195}, 45),
    coordinate("Text_S_Lon_Deg", {4920, 2580, 435, 315}, 41, 3, "Longitude degrés, Son"),
    coordinate("Text_S_Lon_Min", {5400, 2580, 315, 315}, 42, 2, "Longitude minutes, Son"),
    coordinate("Text_S_Lon_Sec", {5760, 2580, 315, 315}, 43, 2, "Longitude secondes, Son"),
    hemisphere("Comb_S_EO", "Est", {6120, 2580, 840, 315}, 44, "Direction longitude, Son"),
    label("Label3", 4, "Latitude", {4260, 3000, 615, 195}, 46),
    coordinate("Text_S_Lat_Deg", {5040, 2940, 315, 315}, 21, 2, "Latitude degrés, Son"),
    coordinate("Text_S_Lat_Min", {5400, 2940, 315, 315}, 20, 2, "Latitude minutes, Son"),
    coordinate("Text_S_Lat_Sec", {5760, 2940, 315, 315}, 19, 2, "Latitude secondes, Son"),
    hemisphere("Comb_S_NS", "Nord", {6120, 2940, 840, 315}, 18, "Direction latitude, Son"),
    button("Com_S", "Calcul", {6360, 3420, 615, 315}, 2, "Calcul, Son"),

    // Results.
    result("Lab_Heure_Cor", "Heure : ", {75, 2880, 1830, 255}, 50),
    result("LabelAzimut", "Azimut : ", {75, 3180, 1695, 255}, 10),
    result("LabelDistance", "Distance : ", {75, 3480, 1755, 255}, 11),
    {.name = "ComDistance",
     .kind = K::PushButton,
     .text = "Distance/Azimut",
     .box = {1440, 3240, 1425, 315},
     .font = kArial,
     .tabIndex = 3,
     .visible = false,
     .enabled = false,
     .accessibleName = "Distance/Azimut"},

    // Compass rose.
    {.name = "Shape3",
     .kind = K::Shape,
     .box = {1200, 840, 1815, 1815},
     .foreground = kRose,
     .background = Rgb{0, 64, 0},
     .accessibleName = "Rose des vents"},
    {.name = "Shape2",
     .kind = K::Shape,
     .box = {2040, 1680, 135, 135},
     .foreground = kRed,
     .background = kRed},
    line("Li1", -1, {2100, 1695, 2100, 840}, kRed, 2),
    line("Line1", 0, {2100, 720, 2100, 2760}),
    line("Line1", 1, {2100, 3240, 2100, 4020}),
    line("Line1", 2, {2100, -540, 2100, 240}),
    line("Line3", 0, {1080, 1740, 3120, 1740}),
    line("Line3", 1, {3900, 1740, 7380, 1740}),
    line("Line3", 2, {0, 1740, 120, 1740}),
    line("Line4", 0, {2340, 1500, 2820, 1020}),
    line("Line4", 1, {1380, 2460, 1860, 1980}),
    line("Line4", 2, {3000, 840, 3180, 660}),
    line("Line4", 3, {1020, 2820, 1200, 2640}),
    line("Line5", 0, {1380, 1020, 1860, 1500}),
    line("Line5", 1, {2340, 1980, 2820, 2460}),
    line("Line5", 2, {3000, 2640, 3660, 3300}),
    line("Line5", 3, {780, 420, 1200, 840}),
    compassLabel(0, "Nord", {1860, 240, 495, 255}, 28, kSmallBold),
    compassLabel(1, "Sud", {1800, 3000, 615, 255}, 25, kSmallBold),
    compassLabel(2, "Est", {3420, 1620, 495, 255}, 26, kSmallBold),
    compassLabel(3, "Ouest", {180, 1620, 495, 255}, 27, kSmallBold),
    compassLabel(4, "0°", {1980, 480, 315, 195}, 29),
    compassLabel(5, "180°", {1860, 2760, 555, 255}, 30),
    compassLabel(6, "90°", {3180, 1620, 315, 255}, 31),
    compassLabel(7, "270°", {660, 1620, 495, 255}, 32),
    compassLabel(8, "45°", {2760, 840, 315, 255}, 33),
    compassLabel(9, "225°", {1080, 2460, 315, 255}, 34),
    compassLabel(10, "315°", {1140, 840, 315, 255}, 35),
    compassLabel(11, "135°", {2760, 2460, 315, 255}, 36),
});

}  // namespace

std::span<const ControlDesign> controls() {
  return kControls;
}

const ControlDesign& of(std::string_view name, int index) {
  for (const ControlDesign& control : kControls) {
    if (control.name == name && control.index == index) return control;
  }
  std::abort();
}

}  // namespace tarvel::design
