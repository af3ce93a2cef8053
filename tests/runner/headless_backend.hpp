#pragma once

#include <memory>

#include "settings/posix_file_system.hpp"
#include "tests/runner/backend.hpp"
#include "tests/support/headless_platform.hpp"

namespace tarvel::scenarios {

// The toolkit-free window: keys go straight to the control model.
class HeadlessBackend : public Backend {
 public:
  void create(const PlatformScript::Folders& folders, const CalendarDate& date) override;
  void load() override;
  void unload() override;

  void type(Control& control, const std::vector<Key>& keys) override;
  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;

 protected:
  PlatformScript& script() override { return *platform_; }

 private:
  void deliver(const Key& key);

  PosixFileSystem files_;
  std::unique_ptr<HeadlessPlatform> platform_;
};

}  // namespace tarvel::scenarios
