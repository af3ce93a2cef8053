#pragma once

#include <memory>

#include "settings/disk_file_system.hpp"
#include "tests/runner/backend.hpp"
#include "tests/support/headless_platform.hpp"

namespace tarvel::scenarios {

// The toolkit-free window: every action goes straight to the control model.
class HeadlessBackend : public Backend {
 public:
  void create(const PlatformScript::Folders& folders, const CalendarDate& date) override;

 protected:
  PlatformScript& script() override { return *platform_; }

 private:
  DiskFileSystem files_;
  std::unique_ptr<HeadlessPlatform> platform_;
};

}  // namespace tarvel::scenarios
