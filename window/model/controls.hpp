#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window/model/design.hpp"
#include "window/model/edit_buffer.hpp"

// The eight kinds of control the window is made of. Each keeps its properties and raises its
// events; the rules the program relies on are kept here, so that no handler has to care:
//   - a text set from code raises the change event before the setter returns, and an unchanged
//     text raises nothing;
//   - a value of the check box set from code raises its click event the same way;
//   - a typed character reaches the key-press event as a Windows-1252 code, which the handler may
//     replace (0 swallows the key) before the field applies it;
//   - message boxes are modal (the platform's showMessage returns when OK is pressed).
// Events raised by the user (typing, clicks, focus, ticks) are ignored once the window has ended.
namespace tarvel {

class Control;

// The window a control belongs to, as its controls see it: it lists them, hears of every change
// of a property, and says when it has ended.
class ControlOwner {
 public:
  virtual void enrol(Control& control) = 0;
  virtual void report(const Control& control) = 0;
  virtual bool ended() const = 0;

 protected:
  ~ControlOwner() = default;
};

namespace key {
inline constexpr std::int16_t kSwallowed = 0;
inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kCtrlV = 22;
inline constexpr std::int16_t kEscape = 27;
}  // namespace key

// Keys without a character that the window answers whichever control holds the focus.
enum class FunctionKey : std::uint8_t { F1, F2, ShiftF1, F7, F8 };

class Control {
 public:
  // The design of `name` must be of `kind`: a mismatch is a programming error and stops the
  // program at once, so that a control is always the class its kind says.
  Control(ControlOwner& owner, ControlKind kind, std::string_view name, int index);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlDesign& design() const { return design_; }
  ControlKind kind() const { return design_.kind; }
  std::string fullName() const;  // "Label3(2)" for a member of a control array

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  // Labels, lines, shapes and timers never take the focus.
  bool takesFocus() const;
  // The window has just given it the focus.
  virtual void gainedFocus() {}

 protected:
  void changed();
  ControlOwner& owner() const { return owner_; }

 private:
  ControlOwner& owner_;
  const ControlDesign& design_;
  bool enabled_;
  bool visible_;
};

// A control of one kind.
template <ControlKind Kind>
class ControlOf : public Control {
 public:
  static constexpr ControlKind kKind = Kind;

  ControlOf(ControlOwner& owner, std::string_view name, int index = -1)
      : Control(owner, Kind, name, index) {}
};

class PushButton : public ControlOf<ControlKind::PushButton> {
 public:
  using ControlOf::ControlOf;
  std::function<void()> onClick;

  std::string_view caption() const { return design().text; }
  // A user's click; a disabled or hidden button cannot be clicked, and answers false.
  bool click();
};

// What a typed key left for a real edit control to do itself: an unchanged control code such
// as Ctrl+V, which a real field turns into a paste.
enum class KeyOutcome { Applied, LeftToWidget };

class TextField : public ControlOf<ControlKind::TextField> {
 public:
  TextField(ControlOwner& owner, std::string_view name);
  std::function<void()> onChange;
  std::function<void(std::int16_t&)> onKeyPress;

  const std::string& text() const { return buffer_.text(); }
  void setText(std::string_view text);
  const EditBuffer& buffer() const { return buffer_; }

  // The user at the keyboard.
  KeyOutcome typeKey(std::int16_t code);
  void pressKey(EditKey key);
  void paste(std::string_view text);
  // A real edit control changed its text itself (a paste from its menu, an undo). A line break
  // that a toolkit let in ends the text.
  void editedByUser(std::string_view text, std::size_t caret);
  void select(std::size_t start, std::size_t length);

 private:
  void gainedFocus() override { buffer_.caretToEnd(); }
  void applyKey(std::int16_t key);
  void afterEdit(bool textChanged);

  EditBuffer buffer_;
};

class ComboBox : public ControlOf<ControlKind::ComboBox> {
 public:
  ComboBox(ControlOwner& owner, std::string_view name);
  std::function<void()> onGotFocus;

  const std::string& text() const { return buffer_.text(); }
  void setText(std::string_view text);
  const std::vector<std::string>& list() const { return list_; }
  void addItem(std::string_view item);

  // The user: typing into the box, or choosing an item of the list.
  void typeKey(std::int16_t code);
  void pressKey(EditKey key);
  void editedByUser(std::string_view text);
  bool pick(std::string_view item);

 private:
  void gainedFocus() override;
  void afterEdit(bool textChanged);

  EditBuffer buffer_{0};
  std::vector<std::string> list_;
};

class CheckBox : public ControlOf<ControlKind::CheckBox> {
 public:
  using ControlOf::ControlOf;
  std::function<void()> onClick;

  int value() const { return value_; }
  void setValue(int value);
  void click();  // a user's click toggles the value

 private:
  int value_ = 0;
};

class Label : public ControlOf<ControlKind::Label> {
 public:
  using ControlOf::ControlOf;
  std::function<void()> onClick;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view caption);
  void click();

 private:
  std::string caption_{design().text};
};

class Line : public ControlOf<ControlKind::Line> {
 public:
  Line(ControlOwner& owner, std::string_view name, int index = -1);
  const LineEnds& ends() const { return ends_; }
  void setX1(float value) { set(ends_.x1, value); }
  void setY1(float value) { set(ends_.y1, value); }
  void setX2(float value) { set(ends_.x2, value); }
  void setY2(float value) { set(ends_.y2, value); }

 private:
  void set(float& coordinate, float value);
  LineEnds ends_;
};

class Shape : public ControlOf<ControlKind::Shape> {
 public:
  using ControlOf::ControlOf;
};

class Timer : public ControlOf<ControlKind::Timer> {
 public:
  using ControlOf::ControlOf;
  std::function<void()> onTick;
  int interval() const { return design::kTimerInterval; }
  void tick();
};

// A control array: controls sharing a name, each with its index (`Label3(2)`).
template <typename T>
class ControlArray {
 public:
  ControlArray(ControlOwner& owner, std::string_view name, std::initializer_list<int> indexes) {
    for (const int index : indexes)
      members_.push_back(std::make_unique<T>(owner, name, index));
  }
  T& operator()(int index) const {
    for (const auto& member : members_) {
      if (member->design().index == index) return *member;
    }
    std::abort();
  }

 private:
  std::vector<std::unique_ptr<T>> members_;
};

}  // namespace tarvel
