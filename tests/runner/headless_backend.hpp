#pragma once

#include <memory>

#include "settings/native_file_system.hpp"
#include "tests/runner/backend.hpp"

namespace tarvel::scenarios {

// The toolkit-free window: keys go straight to the control model.
class HeadlessBackend : public Backend {
 public:
  void create(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
              const CalendarDate& date) override;
  void load() override;
  void unload() override;

  void type(Control& control, const std::vector<Key>& keys) override;
  void paste(TextField& field, std::string_view text) override;
  void focus(Control& control) override;
  bool pick(ComboBox& box, std::string_view item) override;
  bool click(Control& control) override;
  void tick(const TimeOfDay& time) override;

  WinDurOzirozador& window() override { return *window_; }
  const std::vector<RecordedMessage>& messages() override { return platform_->messages; }
  bool programEnded() override { return platform_->programEnded; }
  void onEventLoopPass(std::function<void()> hook) override;

 private:
  void deliver(const Key& key);

  NativeFileSystem files_;
  std::unique_ptr<HeadlessPlatform> platform_;
  std::unique_ptr<WinDurOzirozador> window_;
};

}  // namespace tarvel::scenarios
