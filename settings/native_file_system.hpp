#pragma once

// The file system of the platform the program is built for, for the code that runs on the real
// disk whatever the platform (the scenario runner, the tests).
#ifdef _WIN32
#include "settings/win32_file_system.hpp"
namespace tarvel {
using NativeFileSystem = Win32FileSystem;
}
#else
#include "settings/posix_file_system.hpp"
namespace tarvel {
using NativeFileSystem = PosixFileSystem;
}
#endif
