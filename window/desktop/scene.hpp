#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "window/model/design.hpp"

namespace tarvel {

class WinDurOzirozador;

// What the picture area shows, worked out once from the model; a binding only paints it, in
// order. Positions are the design's twips; pen widths are pixels at 96 dpi, which a binding
// scales with the screen.
namespace scene {

// The whole area in one colour, for the part of a larger screen the globe does not cover.
struct Ground {
  Rgb colour;
};

// The globe picture at the top left, at the binding's best size for the screen.
struct Globe {};

struct Segment {
  LineEnds ends;
  Rgb colour;
  int penWidth;
};

// A circle's outline, filled or with the picture showing through.
struct Circle {
  Box box;
  Rgb colour;
  int penWidth;
  std::optional<Rgb> fill;
};

using Primitive = std::variant<Ground, Globe, Segment, Circle>;

struct Scene {
  // The ground, the globe, the rose's circle and its lines.
  std::vector<Primitive> beneath;
  // The antenna's needle when a heading is shown, the bearing needle and its pivot, painted last
  // so that nothing hides them.
  std::vector<Primitive> needle;
};

Scene of(const WinDurOzirozador& window);

}  // namespace scene
}  // namespace tarvel
