#pragma once

#include <filesystem>
#include <optional>

#include "tests/support/scripted_platform.hpp"

namespace tarvel {

class FileSystem;

// No screen: focus and repaints go nowhere, and a pass of the event loop has nothing to handle.
class Screenless : public Platform {
 public:
  explicit Screenless(FileSystem& files) : files_(files) {}

  void runEventLoopPass() override {}
  void giveFocus(const Control&) override {}
  void controlChanged(const Control&) override {}
  void bearingShown(std::optional<int>) override {}
  void antennaShown(std::optional<int>) override {}
  void announce(std::string_view) override {}
  FileSystem& fileSystem() override { return files_; }
  void endProgram() override {}

 private:
  FileSystem& files_;
};

// The platform of the toolkit-free tests, on whatever file system the test gives it.
class HeadlessPlatform : public Scripted<Screenless> {
 public:
  HeadlessPlatform(FileSystem& files, std::filesystem::path programFolder,
                   std::filesystem::path userSettingsFolder)
      : Scripted(files) {
    folders = {std::move(programFolder), std::move(userSettingsFolder)};
  }
};

}  // namespace tarvel
