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
  locator::TypedPosition position;
  locator::LatitudeHemisphere latitudeHemisphere;
  locator::LongitudeHemisphere longitudeHemisphere;
};

// Spread over the whole globe and both hemispheres, so that no branch is always taken.
std::vector<TypedSample> typedSamples() {
  std::vector<TypedSample> samples;
  for (std::size_t i = 0; i < kSamples; ++i) {
    samples.push_back(
        {{static_cast<double>(i * 7 % 90), static_cast<double>(i * 13 % 60),
          static_cast<double>(i * 17 % 60), static_cast<double>(i * 11 % 180),
          static_cast<double>(i * 19 % 60), static_cast<double>(i * 23 % 60)},
         i % 2 ? locator::LatitudeHemisphere::North : locator::LatitudeHemisphere::South,
         i % 3 ? locator::LongitudeHemisphere::East : locator::LongitudeHemisphere::West});
  }
  return samples;
}

locator::Codes gridLocator(std::size_t index) {
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
        locator::encode(s.position, s.latitudeHemisphere, s.longitudeHemisphere));
  }
}
BENCHMARK(encodePerCall);

void decodePerCall(benchmark::State& state) {
  std::vector<locator::Codes> samples;
  for (std::size_t i = 0; i < kSamples; ++i)
    samples.push_back(gridLocator(i * 18223));
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(locator::decode(samples[i++ & (kSamples - 1)]));
}
BENCHMARK(decodePerCall);

void verifyPerCall(benchmark::State& state) {
  // Valid locators and ones with a wrong character at each place, as typed.
  const std::array<std::u32string, 8> texts{U"JN23XX", U"IO91WM", U"SN23XX", U"JZ23XX",
                                            U"JNA3XX", U"JN2AXX", U"JN23YX", U"JN23"};
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(locator::verify(texts[i++ & 7]));
}
BENCHMARK(verifyPerCall);

void distanceAndAzimuthPerCall(benchmark::State& state) {
  const auto samples = typedSamples();
  std::vector<locator::Encoding> positions;
  for (const TypedSample& s : samples)
    positions.push_back(locator::encode(s.position, s.latitudeHemisphere, s.longitudeHemisphere));
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& mon = positions[i & (kSamples - 1)];
    const auto& son = positions[(i * 7 + 3) & (kSamples - 1)];
    ++i;
    benchmark::DoNotOptimize(path::distanceAndAzimuth(mon.signedLatitude, mon.signedLongitude,
                                                      son.signedLatitude, son.signedLongitude));
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
      const locator::Codes codes = gridLocator(index);
      const locator::Decoding d = locator::decode(codes);
      const locator::TypedPosition typed{
          static_cast<double>(d.latitude.degrees),  static_cast<double>(d.latitude.minutes),
          static_cast<double>(d.latitude.seconds),  static_cast<double>(d.longitude.degrees),
          static_cast<double>(d.longitude.minutes), static_cast<double>(d.longitude.seconds)};
      const auto back = locator::encode(typed, d.latitudeHemisphere, d.longitudeHemisphere);
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
