#include "window/desktop/scene.hpp"

#include "window/model/control_visit.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::scene {
namespace {

constexpr Rgb kGround{0, 0, 64};
constexpr Rgb kUncoloured{0, 0, 0};
constexpr int kOutlineWidth = 1;
// The antenna's needle: thinner than the bearing's red one, and in a colour of its own.
constexpr Rgb kAntennaColour{0, 255, 0};
constexpr int kAntennaWidth = 1;

Segment segmentOf(const Line& line) {
  const ControlDesign& design = line.design();
  return {line.ends(), design.foreground.value_or(kUncoloured), design.lineWidth};
}

Circle circleOf(const Shape& shape, bool filled) {
  const ControlDesign& design = shape.design();
  const std::optional<Rgb> fill =
      filled ? std::optional(design.background.value_or(kUncoloured)) : std::nullopt;
  return {design.box, design.foreground.value_or(kUncoloured), kOutlineWidth, fill};
}

}  // namespace

Scene of(const WinDurOzirozador& window) {
  Scene scene;
  scene.beneath = {Ground{kGround}, Globe{}, circleOf(window.Shape3, false)};
  for (const Control* control : window.controls()) {
    visit(*control, Overloaded{[&](const Line& line) {
                                 if (&line != &window.Li1 && line.visible())
                                   scene.beneath.emplace_back(segmentOf(line));
                               },
                               [](const auto&) {}});
  }
  if (const auto antenna = window.antennaNeedle())
    scene.needle.emplace_back(Segment{*antenna, kAntennaColour, kAntennaWidth});
  scene.needle.emplace_back(segmentOf(window.Li1));
  scene.needle.emplace_back(circleOf(window.Shape2, true));
  return scene;
}

}  // namespace tarvel::scene
