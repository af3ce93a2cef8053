// Both ways round the globe per call, beside hamlib's qrb and long-path calls on the same pairs.
#include <benchmark/benchmark.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <vector>

#include "geo/great_circle.hpp"

namespace tarvel {
namespace {

constexpr std::size_t kPairs = 1024;  // a power of two, cycled with a mask

struct Pair {
  geo::Position from, to;
};

std::vector<Pair> pairs() {
  std::vector<Pair> result;
  for (std::size_t i = 0; i < kPairs; ++i) {
    result.push_back(
        {{static_cast<double>(i * 7 % 179) - 89.5, static_cast<double>(i * 11 % 359) - 179.5},
         {static_cast<double>(i * 13 % 179) - 89.5, static_cast<double>(i * 17 % 359) - 179.5}});
  }
  return result;
}

// What `tarvel-calc path` computes: distance, heading, heading back, long path.
void greatCirclePerCall(benchmark::State& state) {
  const auto samples = pairs();
  std::size_t i = 0;
  for (auto _ : state) {
    const Pair& p = samples[i++ & (kPairs - 1)];
    const geo::GreatCircle circle = geo::greatCircle(p.from, p.to);
    benchmark::DoNotOptimize(circle);
    benchmark::DoNotOptimize(geo::longPathAzimuth(circle.azimuth));
  }
}
BENCHMARK(greatCirclePerCall);

// The same figures from hamlib: qrb both ways (the heading back needs the second), then the long
// path's distance and heading.
void hamlibQrbPerCall(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  const auto samples = pairs();
  std::size_t i = 0;
  for (auto _ : state) {
    const Pair& p = samples[i++ & (kPairs - 1)];
    double distance = 0, azimuth = 0, back = 0;
    qrb(p.from.longitude, p.from.latitude, p.to.longitude, p.to.latitude, &distance, &azimuth);
    qrb(p.to.longitude, p.to.latitude, p.from.longitude, p.from.latitude, &distance, &back);
    benchmark::DoNotOptimize(distance_long_path(distance));
    benchmark::DoNotOptimize(azimuth_long_path(azimuth));
    benchmark::DoNotOptimize(back);
  }
}
BENCHMARK(hamlibQrbPerCall);

// One qrb call alone.
void hamlibSingleQrb(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  const auto samples = pairs();
  std::size_t i = 0;
  for (auto _ : state) {
    const Pair& p = samples[i++ & (kPairs - 1)];
    double distance = 0, azimuth = 0;
    qrb(p.from.longitude, p.from.latitude, p.to.longitude, p.to.latitude, &distance, &azimuth);
    benchmark::DoNotOptimize(distance);
    benchmark::DoNotOptimize(azimuth);
  }
}
BENCHMARK(hamlibSingleQrb);

}  // namespace
}  // namespace tarvel
