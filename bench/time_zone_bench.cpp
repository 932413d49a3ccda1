// A zone's clock as a month asks it: the zone's file read once, then its offset at
// local noon of each date, inside tzdata's listed transitions and after them (2050),
// where the rule at the end of the zone's file holds.
#include <chrono>

#include <benchmark/benchmark.h>

#include "clock/time_zone.h"

namespace {

void BM_ZoneLoad(benchmark::State& state) {
  for (auto _ : state) {
    kalnika::ZoneLoad load = kalnika::ZoneRules::Load("America/New_York");
    if (!load.rules) {
      state.SkipWithError(load.error.c_str());
      return;
    }
    benchmark::DoNotOptimize(load);
  }
}
BENCHMARK(BM_ZoneLoad)->Unit(benchmark::kMicrosecond);

void BM_ZoneOffsetOn(benchmark::State& state) {
  const kalnika::ZoneLoad load = kalnika::ZoneRules::Load("America/New_York");
  if (!load.rules) {
    state.SkipWithError(load.error.c_str());
    return;
  }
  const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(state.range(0))} / 7 / 1};
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::ZoneOffsetOn(*load.rules, date));
}
BENCHMARK(BM_ZoneOffsetOn)->Arg(2026)->Arg(2050)->Unit(benchmark::kMicrosecond);

}  // namespace
