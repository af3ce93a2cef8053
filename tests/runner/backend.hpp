#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/scripted_platform.hpp"
#include "window/model/edit_buffer.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::scenarios {

// One key of a `type` command: a character code, a key that produces no character, Tab, or a
// function key.
struct Key {
  enum class Kind { Character, Editing, Tab, BackTab, Function } kind = Kind::Character;
  std::int16_t code = 0;
  EditKey editing = EditKey::End;
  FunctionKey function = FunctionKey::F1;
};

// What a scenario needs of a window: the actions of a user, delivered the way the backend's
// toolkit delivers them, and the window and its scripted platform for the checks. Without a
// toolkit the actions go straight to the control model; a toolkit's backend overrides each of
// them with real input to its real controls.
class Backend {
 public:
  virtual ~Backend() = default;

  // A new window in its design state on a fresh platform; `load` runs its load sequence.
  virtual void create(const PlatformScript::Folders& folders, const CalendarDate& date) = 0;
  virtual void load();
  virtual void unload();

  virtual void type(Control& control, const std::vector<Key>& keys);
  virtual void paste(TextField& field, std::string_view text);
  virtual void focus(Control& control);
  // False when the item is not in the list.
  virtual bool pick(ComboBox& box, std::string_view item);
  // False for a disabled or hidden button, or a control that takes no click.
  virtual bool click(Control& control);
  // What the real controls show that the model does not hold, for a backend that has real
  // controls to read back; empty when they agree.
  virtual std::string shownDifference() { return {}; }

  // Before `load`, on every toolkit: the time of day, and a file that is there but cannot be read.
  void setTime(const TimeOfDay& time) { script().time = time; }
  void makeUnreadable(const std::filesystem::path& file) {
    script().unreadableFiles().insert(file.lexically_normal());
  }
  // The same on every toolkit: the timer's tick comes from the scenario's clock.
  void tick(const TimeOfDay& time) {
    script().time = time;
    window().Timer1.tick();
  }
  WinDurOzirozador& window() { return *window_; }
  const std::vector<RecordedMessage>& messages() { return script().messages; }
  const std::vector<std::string>& announcements() { return script().announcements; }
  bool programEnded() { return script().programEnded; }
  // Run after each pass of the event loop.
  void onEventLoopPass(std::function<void()> hook) { script().onEventLoopPass = std::move(hook); }

 protected:
  virtual PlatformScript& script() = 0;

  std::unique_ptr<WinDurOzirozador> window_;

 private:
  void deliver(const Key& key);
};

}  // namespace tarvel::scenarios
