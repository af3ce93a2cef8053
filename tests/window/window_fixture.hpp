#pragma once

#include <gtest/gtest.h>

#include "settings/disk_file_system.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {

// A loaded window on the headless platform, in a program folder of its own.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    window.Form_Load();
    window.show();
  }

  test_support::TemporaryFolder folder;
  DiskFileSystem files;
  HeadlessPlatform platform{files, folder.path() / "program", folder.path() / "user"};
  WinDurOzirozador window{platform};
};

}  // namespace tarvel
