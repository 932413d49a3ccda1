// The offline town finder on the whole GeoNames table that libtimezonemap-data
// installs: loading it once, and one search as the user types (ten matches with
// their place records, the zone offsets read from tzdata).
#include <string>

#include <benchmark/benchmark.h>

#include "places/town_finder.h"

namespace {

void BM_TownFinderLoad(benchmark::State& state) {
  for (auto _ : state) {
    kalnika::TownFinder finder = kalnika::TownFinder::Load();
    if (!finder.available()) {
      state.SkipWithError(finder.problem().c_str());
      return;
    }
    benchmark::DoNotOptimize(finder);
  }
}
BENCHMARK(BM_TownFinderLoad)->Unit(benchmark::kMillisecond);

// What the user has typed so far: one letter (nearly every town matches), a prefix,
// a whole name, a Devanagari name, and a text no town has.
const char* const kTyped[] = {"a", "Lon", "Pune", "पुणे", "Xanadu"};

void BM_TownFinderSearch(benchmark::State& state) {
  static const kalnika::TownFinder finder = kalnika::TownFinder::Load();
  if (!finder.available()) {
    state.SkipWithError(finder.problem().c_str());
    return;
  }
  const std::string typed = kTyped[state.range(0)];
  state.SetLabel(typed);
  for (auto _ : state) {
    auto matches = finder.Search(typed, 10);
    benchmark::DoNotOptimize(matches);
  }
}
BENCHMARK(BM_TownFinderSearch)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
