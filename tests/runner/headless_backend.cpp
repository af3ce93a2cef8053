#include "tests/runner/headless_backend.hpp"

namespace tarvel::scenarios {

void HeadlessBackend::create(const std::filesystem::path& programFolder,
                             const std::filesystem::path& userFolder, const CalendarDate& date) {
  window_.reset();
  platform_ = std::make_unique<HeadlessPlatform>(files_, programFolder, userFolder);
  platform_->date = date;
  window_ = std::make_unique<WinDurOzirozador>(*platform_);
}

void HeadlessBackend::load() {
  window_->Form_Load();
  window_->show();
}

void HeadlessBackend::unload() {
  int cancel = 0;
  window_->Form_Unload(cancel);
}

void HeadlessBackend::type(Control& control, const std::vector<Key>& keys) {
  window_->setFocus(control);
  for (const Key& key : keys)
    deliver(key);
}

// Keys go where the focus is, which a handler or a Tab may have moved.
void HeadlessBackend::deliver(const Key& key) {
  if (key.kind == Key::Kind::Tab || key.kind == Key::Kind::BackTab) {
    window_->tab(key.kind == Key::Kind::Tab);
    return;
  }
  Control* target = window_->focused();
  if (auto* field = dynamic_cast<TextField*>(target)) {
    if (key.kind == Key::Kind::Character) {
      field->typeKey(key.code);
    } else {
      field->pressKey(key.editing);
    }
  } else if (auto* box = dynamic_cast<ComboBox*>(target)) {
    if (key.kind == Key::Kind::Character) {
      box->typeKey(key.code);
    } else {
      box->pressKey(key.editing);
    }
  }
}

void HeadlessBackend::paste(TextField& field, std::string_view text) {
  window_->setFocus(field);
  field.paste(text);
}

void HeadlessBackend::focus(Control& control) {
  window_->setFocus(control);
}

bool HeadlessBackend::pick(ComboBox& box, std::string_view item) {
  window_->setFocus(box);
  return box.pick(item);
}

bool HeadlessBackend::click(Control& control) {
  if (auto* button = dynamic_cast<PushButton*>(&control)) {
    // Neither takes a disabled or hidden button: the focus stays and the click answers false.
    window_->setFocus(*button);
    return button->click();
  }
  if (auto* box = dynamic_cast<CheckBox*>(&control)) {
    window_->setFocus(*box);
    box->click();
    return true;
  }
  if (auto* label = dynamic_cast<Label*>(&control)) {
    label->click();
    return true;
  }
  return false;
}

void HeadlessBackend::tick(const TimeOfDay& time) {
  platform_->time = time;
  window_->Timer1.tick();
}

void HeadlessBackend::onEventLoopPass(std::function<void()> hook) {
  platform_->onEventLoopPass = std::move(hook);
}

}  // namespace tarvel::scenarios
