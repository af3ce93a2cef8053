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

// Calls `call` once an iteration, on each pair in turn.
template <typename Call>
void cyclePairs(benchmark::State& state, Call call) {
  const auto samples = pairs();
  std::size_t i = 0;
  for (auto _ : state)
    call(samples[i++ & (kPairs - 1)]);
}

// What `tarvel-calc path` computes: distance, heading, heading back, long path.
void greatCirclePerCall(benchmark::State& state) {
  cyclePairs(state, [](const Pair& p) {
    const geo::GreatCircle circle = geo::greatCircle(p.from, p.to);
    benchmark::DoNotOptimize(circle);
    benchmark::DoNotOptimize(geo::longPathAzimuth(circle.azimuth));
  });
}
BENCHMARK(greatCirclePerCall);

struct Qrb {
  double distance = 0, azimuth = 0;
};

// hamlib's qrb, which takes the longitude first.
Qrb hamlibQrb(geo::Position from, geo::Position to) {
  Qrb result;
  qrb(from.longitude, from.latitude, to.longitude, to.latitude, &result.distance, &result.azimuth);
  return result;
}

// The same figures from hamlib: qrb both ways (the heading back needs the second), then the long
// path's distance and heading.
void hamlibQrbPerCall(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  cyclePairs(state, [](const Pair& p) {
    const Qrb there = hamlibQrb(p.from, p.to);
    const Qrb back = hamlibQrb(p.to, p.from);
    benchmark::DoNotOptimize(distance_long_path(there.distance));
    benchmark::DoNotOptimize(azimuth_long_path(there.azimuth));
    benchmark::DoNotOptimize(back.azimuth);
  });
}
BENCHMARK(hamlibQrbPerCall);

// One qrb call alone.
void hamlibSingleQrb(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  cyclePairs(state, [](const Pair& p) { benchmark::DoNotOptimize(hamlibQrb(p.from, p.to)); });
}
BENCHMARK(hamlibSingleQrb);

}  // namespace
}  // namespace tarvel
