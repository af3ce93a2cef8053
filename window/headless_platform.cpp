#include "window/headless_platform.hpp"

#include <utility>

namespace tarvel {

HeadlessPlatform::HeadlessPlatform(FileSystem& files, std::filesystem::path programFolder,
                                   std::filesystem::path userSettingsFolder)
    : files_(files),
      programFolder_(std::move(programFolder)),
      userSettingsFolder_(std::move(userSettingsFolder)) {}

void HeadlessPlatform::showMessage(std::string_view text, MessageIcon icon,
                                   std::string_view caption) {
  messages.push_back({std::string(text), icon, std::string(caption)});
  if (onMessage) onMessage(RecordedMessage(messages.back()));
}

void HeadlessPlatform::runEventLoopPass() {
  ++eventLoopPasses;
  if (onEventLoopPass) onEventLoopPass();
}

}  // namespace tarvel
