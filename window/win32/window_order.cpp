#include "window/win32/window_order.hpp"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "window/model/form.hpp"
#include "window/win32/child_windows.hpp"

namespace tarvel::win32 {

bool isInput(const Control& control) {
  return control.kind() != ControlKind::Label && control.kind() != ControlKind::Shape;
}

std::vector<Control*> inWindowOrder(const Form& form) {
  std::vector<Control*> designOrder = form.controls();
  // The design's controls are one table: their addresses follow its rows.
  std::sort(designOrder.begin(), designOrder.end(),
            [](const Control* a, const Control* b) { return &a->design() < &b->design(); });
  std::unordered_map<const Control*, std::vector<Control*>> labelsBefore;
  std::vector<Control*> labels;
  for (Control* control : designOrder) {
    if (!childClassOf(*control).name) continue;
    if (isInput(*control)) {
      labelsBefore[control] = std::exchange(labels, {});
    } else {
      labels.push_back(control);
    }
  }
  std::vector<Control*> order;
  for (Control* input : form.byTabIndex()) {
    if (!labelsBefore.contains(input)) continue;  // no window of its own, or only read
    order.insert(order.end(), labelsBefore[input].begin(), labelsBefore[input].end());
    order.push_back(input);
  }
  order.insert(order.end(), labels.begin(), labels.end());
  return order;
}

}  // namespace tarvel::win32
