// The computational core: one tithi ending-time search, and the core work of a
// 31-day month as values (per day the four longitudes, tithi, ending time, sun
// sign, lunar month, eras, nakshatra, yoga, moon sign, sunrise and sunset), and
// the formatting of a month's texts.
#include <benchmark/benchmark.h>

#include "almanac/month_text.h"
#include "almanac/month_values.h"
#include "elements/tithi.h"

namespace {

void BM_TithiEndingTime(benchmark::State& state) {
  int day = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalnika::TithiEndingTime({2026, 12, day}));
    day = day % 31 + 1;
  }
}
BENCHMARK(BM_TithiEndingTime);

void BM_CoreMonth31Days(benchmark::State& state) {
  kalnika::MonthRequest request;
  request.month = 12;
  request.year = 2026;
  request.latitude = 18 + 58 / 60.0;
  request.longitude = 72 + 50 / 60.0;
  request.clock = kalnika::Clock::Fixed(330);
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::ComputeMonth(request));
}
BENCHMARK(BM_CoreMonth31Days)->Unit(benchmark::kMillisecond);

void BM_FormatMonth(benchmark::State& state) {
  kalnika::MonthRequest request;
  request.month = 12;
  request.year = 2026;
  request.clock = kalnika::Clock::Fixed(330);
  const kalnika::MonthValues month = kalnika::ComputeMonth(request);
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::FormatMonth(month));
}
BENCHMARK(BM_FormatMonth)->Unit(benchmark::kMicrosecond);

}  // namespace
