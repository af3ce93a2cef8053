#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "settings/posix_file_system.hpp"
#include "window/headless_platform.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

// A loaded window on the headless platform, in a program folder of its own.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    window.Form_Load();
    window.show();
  }
  ~WindowTest() override { std::filesystem::remove_all(folder); }

  static std::filesystem::path newFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvel-test-XXXXXX").string();
    return ::mkdtemp(pattern.data());
  }

  std::filesystem::path folder = newFolder();
  PosixFileSystem files;
  HeadlessPlatform platform{files, folder / "program", folder / "user"};
  WinDurOzirozador window{platform};
};

}  // namespace tarvel
