#pragma once

#include <cstddef>
#include <tuple>
#include <type_traits>

#include "window/model/controls.hpp"

namespace tarvel {

// The one way from a control to its own class, for the bindings, the scenario backends and the
// tests alike:
//
//   visit(control, Overloaded{[](TextField& field) { ... }, [](auto&) {}});
//
// calls the overload for the control's class. Every class is constructed with its own kind, so the
// cast is always to the class the object really is.
template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
// Clang 14 does not deduce an aggregate's template arguments by itself.
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Every class of control; visit tries them in turn.
using ControlClasses =
    std::tuple<PushButton, TextField, ComboBox, CheckBox, Label, Line, Shape, Timer>;

template <typename C, typename Visitor, std::size_t Index = 0>
requires std::is_same_v<std::remove_const_t<C>, Control>
decltype(auto) visit(C& control, Visitor&& visitor) {
  using Class = std::tuple_element_t<Index, ControlClasses>;
  using Target = std::conditional_t<std::is_const_v<C>, const Class, Class>;
  if constexpr (Index + 1 == std::tuple_size_v<ControlClasses>) {
    return visitor(static_cast<Target&>(control));
  } else {
    if (control.kind() == Class::kKind) return visitor(static_cast<Target&>(control));
    return visit<C, Visitor, Index + 1>(control, std::forward<Visitor>(visitor));
  }
}

}  // namespace tarvel
