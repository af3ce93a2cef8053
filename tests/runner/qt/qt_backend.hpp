#pragma once

#include <QApplication>
#include <memory>

#include "tests/runner/backend.hpp"
#include "tests/support/scripted_platform.hpp"
#include "window/qt/qt_platform.hpp"
#include "window/qt/window_view.hpp"

namespace tarvel::scenarios {

// The Qt platform with what a scenario must control: message boxes are recorded instead of
// shown, and the clock, the date and the folders are the scenario's.
using ScriptedQtPlatform = Scripted<qt::QtPlatform>;

// The real widgets: keys are key events sent to the focused widget, clicks are mouse clicks.
class QtBackend : public Backend {
 public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;

  void create(const PlatformScript::Folders& folders, const CalendarDate& date) override;
  void load() override;
  void unload() override;

  void type(Control& control, const std::vector<Key>& keys) override;
  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;

  std::string shownDifference() override;

 protected:
  PlatformScript& script() override { return *platform_; }

 private:
  void destroy();
  QWidget& widgetOf(const Control& control);
  void deliver(const Key& key);

  QApplication application_;
  std::unique_ptr<ScriptedQtPlatform> platform_;
  std::unique_ptr<qt::WindowView> view_;
};

}  // namespace tarvel::scenarios
