#include "tests/runner/headless_backend.hpp"

namespace tarvel::scenarios {

void HeadlessBackend::create(const PlatformScript::Folders& folders, const CalendarDate& date) {
  window_.reset();
  platform_ = std::make_unique<HeadlessPlatform>(files_, folders.program, folders.user);
  platform_->date = date;
  window_ = std::make_unique<WinDurOzirozador>(*platform_);
}

}  // namespace tarvel::scenarios
