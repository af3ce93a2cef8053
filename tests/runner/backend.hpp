#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/edit_buffer.hpp"
#include "window/headless_platform.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::scenarios {

// One key of a `type` command: a character code, a key that produces no character, or Tab.
struct Key {
  enum class Kind { Character, Editing, Tab, BackTab } kind = Kind::Character;
  std::int16_t code = 0;
  EditKey editing = EditKey::End;
};

// What a scenario needs of a window: the actions of a user, delivered the way the backend's
// toolkit delivers them, and the window and its recorded platform for the checks.
class Backend {
 public:
  virtual ~Backend() = default;

  // A new window in its design state on a fresh platform; `load` runs its load sequence.
  virtual void create(const std::filesystem::path& programFolder,
                      const std::filesystem::path& userFolder, const CalendarDate& date) = 0;
  virtual void load() = 0;
  virtual void unload() = 0;

  virtual void type(Control& control, const std::vector<Key>& keys) = 0;
  virtual void paste(TextField& field, std::string_view text) = 0;
  virtual void focus(Control& control) = 0;
  virtual bool pick(ComboBox& box, std::string_view item) = 0;
  virtual bool click(Control& control) = 0;
  virtual void tick(const TimeOfDay& time) = 0;

  // The text a field's or a combo box's widget shows, where the backend has widgets of its own:
  // it must agree with the model's.
  virtual std::optional<std::string> widgetText(const Control&) { return std::nullopt; }

  virtual WinDurOzirozador& window() = 0;
  virtual const std::vector<RecordedMessage>& messages() = 0;
  virtual bool programEnded() = 0;
  // Run after each pass of the event loop.
  virtual void onEventLoopPass(std::function<void()> hook) = 0;
};

}  // namespace tarvel::scenarios
