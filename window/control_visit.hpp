#pragma once

#include <type_traits>

#include "window/controls.hpp"

namespace tarvel {

// The one way from a control to its own class, for the bindings, the scenario backends and the
// tests alike:
//
//   visit(control, Overloaded{[](TextField& field) { ... }, [](auto&) {}});
//
// calls the overload for the control's kind. Every class is constructed with its own kind, so the
// cast is always to the class the object really is.
template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

template <typename Kind, typename C>
using SameConstness = std::conditional_t<std::is_const_v<C>, const Kind, Kind>;

template <typename C, typename Visitor>
  requires std::is_same_v<std::remove_const_t<C>, Control>
decltype(auto) visit(C& control, Visitor&& visitor) {
  switch (control.kind()) {
    case ControlKind::PushButton:
      return visitor(static_cast<SameConstness<PushButton, C>&>(control));
    case ControlKind::TextField:
      return visitor(static_cast<SameConstness<TextField, C>&>(control));
    case ControlKind::ComboBox:
      return visitor(static_cast<SameConstness<ComboBox, C>&>(control));
    case ControlKind::CheckBox:
      return visitor(static_cast<SameConstness<CheckBox, C>&>(control));
    case ControlKind::Label:
      return visitor(static_cast<SameConstness<Label, C>&>(control));
    case ControlKind::Line:
      return visitor(static_cast<SameConstness<Line, C>&>(control));
    case ControlKind::Shape:
      return visitor(static_cast<SameConstness<Shape, C>&>(control));
    case ControlKind::Timer:
      break;
  }
  return visitor(static_cast<SameConstness<Timer, C>&>(control));
}

}  // namespace tarvel
