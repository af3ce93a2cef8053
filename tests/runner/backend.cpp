#include "tests/runner/backend.hpp"

#include "window/model/control_visit.hpp"

namespace tarvel::scenarios {

void Backend::load() {
  window_->Form_Load();
  window_->show();
}

void Backend::unload() {
  int cancel = 0;
  window_->Form_Unload(cancel);
}

void Backend::type(Control& control, const std::vector<Key>& keys) {
  window_->setFocus(control);
  for (const Key& key : keys)
    deliver(key);
}

// Keys go where the focus is, which a handler or a Tab may have moved.
void Backend::deliver(const Key& key) {
  if (key.kind == Key::Kind::Tab || key.kind == Key::Kind::BackTab) {
    window_->tab(key.kind == Key::Kind::Tab);
    return;
  }
  if (key.kind == Key::Kind::Function) {
    window_->functionKey(key.function);
    return;
  }
  Control* target = window_->focused();
  if (!target) return;
  const auto typeInto = [&key](auto& editable) {
    if (key.kind == Key::Kind::Character) {
      editable.typeKey(key.code);
    } else {
      editable.pressKey(key.editing);
    }
  };
  visit(*target, Overloaded{[&](TextField& field) { typeInto(field); },
                            [&](ComboBox& box) { typeInto(box); }, [](auto&) {}});
}

void Backend::paste(TextField& field, std::string_view text) {
  window_->setFocus(field);
  field.paste(text);
}

void Backend::focus(Control& control) {
  window_->setFocus(control);
}

bool Backend::pick(ComboBox& box, std::string_view item) {
  window_->setFocus(box);
  return box.pick(item);
}

// Neither button nor box takes a disabled or hidden click: the focus stays, and a button answers
// false.
bool Backend::click(Control& control) {
  return visit(control, Overloaded{
                            [this](PushButton& button) {
                              window_->setFocus(button);
                              return button.click();
                            },
                            [this](CheckBox& box) {
                              window_->setFocus(box);
                              box.click();
                              return true;
                            },
                            [](Label& label) {
                              label.click();
                              return true;
                            },
                            [](auto&) { return false; },
                        });
}

}  // namespace tarvel::scenarios
