// The offset of a zone at local noon of a date, as the month table asks it once per
// day: inside tzdata's listed transitions, and after them (2050), where the rule
// at the end of the zone's file is read.
#include <chrono>

#include <benchmark/benchmark.h>

#include "places/time_zone.h"

namespace {

void BM_ZoneOffsetOn(benchmark::State& state) {
  const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(state.range(0))} / 7 / 1};
  for (auto _ : state) {
    kalnika::ZoneLookup lookup = kalnika::ZoneOffsetOn("America/New_York", date);
    if (!lookup.ok) {
      state.SkipWithError(lookup.error.c_str());
      return;
    }
    benchmark::DoNotOptimize(lookup);
  }
}
BENCHMARK(BM_ZoneOffsetOn)->Arg(2026)->Arg(2050)->Unit(benchmark::kMicrosecond);

}  // namespace
