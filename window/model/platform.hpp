#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tarvel {

class Control;
class FileSystem;

enum class MessageIcon { None, Error, Exclamation };

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0;
};

struct CalendarDate {
  int year = 2000, month = 1, day = 1;
};

// Everything the window needs from the system it runs on. The core calls it and never sees a
// toolkit: a headless implementation serves the tests, a Qt one the real window.
class Platform {
 public:
  virtual ~Platform() = default;

  // Modal: returns when the user has pressed OK.
  virtual void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) = 0;
  // Handles what is pending (input and repaints included) and returns.
  virtual void runEventLoopPass() = 0;
  virtual void giveFocus(const Control& control) = 0;
  // A property of a control changed: a real window redraws it.
  virtual void controlChanged(const Control& control) = 0;
  // The bearing the needle shows changed, in whole degrees (none at rest): a real window tells a
  // screen reader.
  virtual void bearingShown(std::optional<int> bearing) = 0;
  // The antenna's heading on the rose changed, in whole degrees (none while the rotator cannot be
  // reached): a real window redraws the rose and tells a screen reader.
  virtual void antennaShown(std::optional<int> heading) = 0;
  // A result is complete: a real window has a screen reader say the sentence once, by itself,
  // whatever holds the focus.
  virtual void announce(std::string_view sentence) = 0;

  virtual TimeOfDay timeOfDay() = 0;
  virtual CalendarDate today() = 0;

  virtual std::filesystem::path programFolder() = 0;
  // Where the settings go when the program's folder cannot be written.
  virtual std::filesystem::path userSettingsFolder() = 0;
  virtual FileSystem& fileSystem() = 0;

  virtual void endProgram() = 0;
};

}  // namespace tarvel
