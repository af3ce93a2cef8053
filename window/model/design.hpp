#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The window as designed: every control with the properties it has before the load sequence.
// Positions are twips from the top left of the client area, y downwards (15 twips a pixel).
namespace tarvel {

enum class ControlKind : std::uint8_t {
  PushButton,
  TextField,
  ComboBox,
  CheckBox,
  Label,
  Line,
  Shape,
  Timer,
};

enum class Alignment : std::uint8_t { Left, Center };

struct Rgb {
  std::uint8_t red, green, blue;
};

struct FontSpec {
  std::string_view face;
  double points;
  bool bold;
};

struct Box {
  int left, top, width, height;
};

struct LineEnds {
  float x1, y1, x2, y2;
};

struct ControlDesign {
  std::string_view name{};
  int index = -1;  // position in a control array; -1 for a single control
  ControlKind kind{};
  std::string_view text{};  // caption, or a field's initial text
  Box box{};
  LineEnds ends{};                 // lines only
  std::optional<FontSpec> font{};  // none: the window's font
  std::optional<Rgb> foreground{};
  std::optional<Rgb> background{};  // field colour, fill colour
  int tabIndex = -1;
  int maxLength = 0;  // 0: no limit
  Alignment alignment = Alignment::Left;
  bool visible = true;
  bool enabled = true;
  int lineWidth = 1;  // pixels
  // What a screen reader calls a control whose own text does not say what it is for; a label is
  // read by its caption.
  std::string_view accessibleName{};
};

namespace design {

inline constexpr std::string_view kWindowName = "WinDurOzirozador";
inline constexpr std::string_view kCaption = "Tarvel-V1.1";
inline constexpr int kClientWidth = 7050;
inline constexpr int kClientHeight = 3765;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr FontSpec kWindowFont{"MS Sans Serif", 8.25, false};
inline constexpr int kTimerInterval = 1000;  // milliseconds
// The frame around the control that has the focus: the compass labels' yellow, seen at once on
// the dark ground around every control.
inline constexpr Rgb kFocusFrame{255, 255, 128};
// Its pen, and how far it lies outside the control (within the three pixels that part
// neighbouring fields), in pixels at 96 dpi.
inline constexpr int kFocusFramePenWidth = 2;
inline constexpr int kFocusFrameMargin = 3;

std::span<const ControlDesign> controls();

// The design of a control by name and array index; an unknown name is a programming error and
// stops the program at once.
const ControlDesign& of(std::string_view name, int index = -1);

}  // namespace design
}  // namespace tarvel
