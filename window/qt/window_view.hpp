#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>
#include <unordered_map>

#include "window/desktop/desktop_platform.hpp"
#include "window/model/controls_fwd.hpp"
#include "window/qt/notification.hpp"

namespace tarvel {
class WinDurOzirozador;
}

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace tarvel::qt {

class AntennaIndicator;
class Canvas;
class FocusFrame;
struct OutsideEdit;

// The real window over the control model, which stays the one source of truth.
//
// How a key press travels: the widget's key event reaches this view's event filter first. A key
// that produces a character becomes its Windows-1252 code (63 outside the page), and the model's
// field runs its key-press handler with it and applies the result to its own text. The widget
// then shows the model's text and caret again (sync), so a swallowed key inserts nothing and a
// replaced one inserts its replacement. Only an unchanged control code such as Ctrl+V goes on to
// the widget, which then does its own paste or undo; that edit, like a paste from the context
// menu, comes back through textEdited to the model's change handler. Keys without a character
// (arrows, Home, End, Delete) are the widget's own and reach the model the same way. The function
// keys go to the window's function-key entry, whichever widget has the focus. Text an assistive tool writes
// through a field's accessible text is typed into the model the same way, a character at a time,
// from the window's queue once the tool's call has returned.
class WindowView : public QWidget, public DesktopView {
 public:
  explicit WindowView(WinDurOzirozador& window);
  ~WindowView() override;

  void sync(const Control& control) override;
  void giveFocus(const Control& control) override;
  void bearingShown(std::optional<int> bearing) override;
  void antennaShown(std::optional<int> heading) override;
  void announce(std::string_view sentence) override;
  void paintNow() override;
  void stopClock();

  QWidget* widgetOf(const Control& control) const;
  long drawingPaints() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createWidgets();
  QWidget* createWidget(Control& control);
  QWidget* createButton(PushButton& button);
  QWidget* createField(TextField& field);
  QWidget* createCombo(ComboBox& box);
  QWidget* createCheckBox(CheckBox& box);
  QWidget* createLabel(Label& label);
  void place(QWidget& widget, const Control& control);
  void watch(QObject& object, Control& control);
  bool keyPressed(Control& control, QKeyEvent& event);
  bool fieldKeyPressed(TextField& field, QLineEdit& edit, QKeyEvent& event);
  void typeFromOutside(TextField& field, const OutsideEdit& edit);

  WinDurOzirozador& window_;
  Canvas* canvas_ = nullptr;
  AntennaIndicator* antenna_ = nullptr;  // with a rotator only
  FocusFrame* focusFrame_ = nullptr;
  QTimer clockTimer_;
  Notification notification_;
  std::unordered_map<const Control*, QWidget*> widgets_;
  std::unordered_map<QObject*, Control*> watched_;
};

}  // namespace tarvel::qt
