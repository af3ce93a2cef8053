#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/native_file_system.hpp"
#include "tests/support/temporary_folder.hpp"
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

  std::filesystem::path folder = test_support::createUniqueFolder("tarvel-test");
  NativeFileSystem files;
  HeadlessPlatform platform{files, folder / "program", folder / "user"};
  WinDurOzirozador window{platform};
};

}  // namespace tarvel
