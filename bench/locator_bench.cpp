// The calculations per call, and the round trip of every locator of the grid.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "geo/distance_azimuth.hpp"
#include "geo/locator.hpp"

namespace tarvel {
namespace {

constexpr std::size_t kSamples = 1024;  // a power of two, cycled with a mask

struct TypedSample {
  geo::TypedPosition position;
  geo::LatitudeHemisphere latitudeHemisphere;
  geo::LongitudeHemisphere longitudeHemisphere;
};

// Spread over the whole globe and both hemispheres, so that no branch is always taken.
std::vector<TypedSample> typedSamples() {
  std::vector<TypedSample> samples;
  for (std::size_t i = 0; i < kSamples; ++i) {
    samples.push_back({{static_cast<double>(i * 7 % 90), static_cast<double>(i * 13 % 60),
                        static_cast<double>(i * 17 % 60), static_cast<double>(i * 11 % 180),
                        static_cast<double>(i * 19 % 60), static_cast<double>(i * 23 % 60)},
                       i % 2 ? geo::LatitudeHemisphere::North : geo::LatitudeHemisphere::South,
                       i % 3 ? geo::LongitudeHemisphere::East : geo::LongitudeHemisphere::West});
  }
  return samples;
}

geo::LocatorCodes gridLocator(std::size_t index) {
  return {static_cast<int>('A' + index % 18),         static_cast<int>('A' + index / 18 % 18),
          static_cast<int>('0' + index / 324 % 10),   static_cast<int>('0' + index / 3240 % 10),
          static_cast<int>('A' + index / 32400 % 24), static_cast<int>('A' + index / 777600 % 24)};
}

void encodePerCall(benchmark::State& state) {
  const auto samples = typedSamples();
  std::size_t i = 0;
  for (auto _ : state) {
    const TypedSample& s = samples[i++ & (kSamples - 1)];
    benchmark::DoNotOptimize(
        geo::encodeLocator(s.position, s.latitudeHemisphere, s.longitudeHemisphere));
  }
}
BENCHMARK(encodePerCall);

void decodePerCall(benchmark::State& state) {
  std::vector<geo::LocatorCodes> samples;
  for (std::size_t i = 0; i < kSamples; ++i)
    samples.push_back(gridLocator(i * 18223));
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(geo::decodeLocator(samples[i++ & (kSamples - 1)]));
}
BENCHMARK(decodePerCall);

void verifyPerCall(benchmark::State& state) {
  // Valid locators and ones with a wrong character at each place, as typed.
  const std::array<std::u32string, 8> texts{U"JN23XX", U"IO91WM", U"SN23XX", U"JZ23XX",
                                            U"JNA3XX", U"JN2AXX", U"JN23YX", U"JN23"};
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(geo::verifyLocator(texts[i++ & 7]));
}
BENCHMARK(verifyPerCall);

void distanceAndAzimuthPerCall(benchmark::State& state) {
  const auto samples = typedSamples();
  std::vector<geo::LocatorEncoding> positions;
  for (const TypedSample& s : samples)
    positions.push_back(
        geo::encodeLocator(s.position, s.latitudeHemisphere, s.longitudeHemisphere));
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& mon = positions[i & (kSamples - 1)];
    const auto& son = positions[(i * 7 + 3) & (kSamples - 1)];
    ++i;
    benchmark::DoNotOptimize(geo::distanceAndAzimuth(mon.position, son.position));
  }
}
BENCHMARK(distanceAndAzimuthPerCall);

// Each locator decoded into the coordinates the fields would show and encoded back, as the
// Calcul command does; a locator that does not come back is counted.
void wholeGridRoundTrip(benchmark::State& state) {
  constexpr std::size_t kLocators = 18 * 18 * 10 * 10 * 24 * 24;
  long mismatches = 0;
  for (auto _ : state) {
    mismatches = 0;
    for (std::size_t index = 0; index < kLocators; ++index) {
      const geo::LocatorCodes codes = gridLocator(index);
      const geo::LocatorDecoding d = geo::decodeLocator(codes);
      const geo::TypedPosition typed{
          static_cast<double>(d.latitude.degrees),  static_cast<double>(d.latitude.minutes),
          static_cast<double>(d.latitude.seconds),  static_cast<double>(d.longitude.degrees),
          static_cast<double>(d.longitude.minutes), static_cast<double>(d.longitude.seconds)};
      const auto back = geo::encodeLocator(typed, d.latitudeHemisphere, d.longitudeHemisphere);
      if (back.codes != codes) ++mismatches;
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLocators));
  state.counters["locators"] = static_cast<double>(kLocators);
  state.counters["mismatches"] = static_cast<double>(mismatches);
}
BENCHMARK(wholeGridRoundTrip)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tarvel
