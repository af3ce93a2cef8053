// The load sequence on a huge settings file costs no more than on an empty one: a 50 MB
// "SavLoc.ini" must load in under half a second and raise the peak memory by under 10 MB.
// Prints the figures and fails when either goal is missed. The time that counts is the process's
// processor time: on a loaded machine the clock on the wall measures the neighbours.
#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#else
#include <sys/resource.h>
#include <time.h>
#endif

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "settings/disk_file_system.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace {

constexpr double kMaxSeconds = 0.5;
constexpr double kMaxExtraMegabytes = 10.0;
constexpr std::size_t kMegabyte = 1 << 20;
constexpr std::size_t kHugeMegabytes = 50;

double peakMegabytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return -1;
  return static_cast<double>(counters.PeakWorkingSetSize) / kMegabyte;
#else
  rusage usage{};
  if (::getrusage(RUSAGE_SELF, &usage) != 0) return -1;
  return static_cast<double>(usage.ru_maxrss) / 1024;  // kilobytes on Linux
#endif
}

double processorSeconds() {
#ifdef _WIN32
  FILETIME created, ended, kernel, user;
  if (!::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user)) return -1;
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;  // 100 ns ticks
#else
  timespec now{};
  if (::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) != 0) return -1;
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
#endif
}

// One quoted item of the given size, written a megabyte at a time so that the writing itself
// does not raise the peak.
void writeSettings(const std::filesystem::path& file, std::size_t megabytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  const std::string block(kMegabyte, 'J');
  out << '"';
  for (std::size_t i = 0; i < megabytes; ++i)
    out << block;
  out << "\"\r\n";
}

struct Cost {
  double seconds, processor, peak;
};

Cost load(const std::filesystem::path& folder) {
  tarvel::DiskFileSystem disk;
  tarvel::HeadlessPlatform platform(disk, folder, folder);
  tarvel::WinDurOzirozador window(platform);
  const auto start = std::chrono::steady_clock::now();
  const double processorStart = processorSeconds();
  window.Form_Load();
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  return {spent.count(), processorSeconds() - processorStart, peakMegabytes()};
}

}  // namespace

int main() {
  const tarvel::test_support::TemporaryFolder folder;
  const auto file = folder.path() / "SavLoc.ini";
  writeSettings(file, 0);
  const Cost empty = load(folder.path());
  writeSettings(file, kHugeMegabytes);
  const Cost huge = load(folder.path());
  const double extra = huge.peak - empty.peak;
  std::printf("empty file: %.3f s (processor %.3f s), peak %.1f MB\n", empty.seconds,
              empty.processor, empty.peak);
  std::printf("%zu MB file: %.3f s (processor %.3f s), peak %.1f MB (%.1f MB more)\n",
              kHugeMegabytes, huge.seconds, huge.processor, huge.peak, extra);
  const bool met = empty.peak > 0 && huge.processor >= 0 && huge.processor < kMaxSeconds &&
                   extra < kMaxExtraMegabytes;
  if (!met)
    std::printf("goal missed: under %.1f s and %.0f MB more\n", kMaxSeconds, kMaxExtraMegabytes);
  return met ? 0 : 1;
}
