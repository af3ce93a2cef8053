#include "window/model/form.hpp"

#include <algorithm>
#include <iterator>

#include "window/model/controls.hpp"

namespace tarvel {

Control* Form::find(std::string_view fullName) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const Control* c) { return c->fullName() == fullName; });
  return found == controls_.end() ? nullptr : *found;
}

void Form::report(const Control& control) {
  if (!ended_) platform_.controlChanged(control);
}

void Form::setFocus(Control& control) {
  if (ended_ || focused_ == &control || !control.takesFocus()) return;
  focused_ = &control;
  platform_.giveFocus(control);
  control.gainedFocus();
}

std::vector<Control*> Form::byTabIndex() const {
  std::vector<Control*> order = controls_;
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->design().tabIndex < b->design().tabIndex;
  });
  return order;
}

std::vector<Control*> Form::tabOrder() const {
  std::vector<Control*> order;
  std::ranges::copy_if(byTabIndex(), std::back_inserter(order),
                       [](const Control* c) { return c->takesFocus(); });
  return order;
}

void Form::tab(bool forward) {
  const std::vector<Control*> order = tabOrder();
  if (ended_ || order.empty()) return;
  const auto current = std::find(order.begin(), order.end(), focused_);
  std::size_t next = 0;
  if (current != order.end()) {
    const std::size_t at = current - order.begin();
    next = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
  }
  setFocus(*order[next]);
}

}  // namespace tarvel
