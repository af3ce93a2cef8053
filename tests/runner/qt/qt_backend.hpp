#pragma once

#include <QApplication>

#include "tests/runner/toolkit_backend.hpp"
#include "window/qt/window_view.hpp"

namespace tarvel::scenarios {

// The real widgets: keys are key events sent to the focused widget, clicks are mouse clicks.
class QtBackend : public ToolkitBackend<qt::WindowView> {
 public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;

  void load() override;
  void unload() override;

  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;

  std::string shownDifference() override;

 private:
  void deliver(const Key& key) override;
  QWidget& widgetOf(const Control& control);

  QApplication application_;
};

}  // namespace tarvel::scenarios
