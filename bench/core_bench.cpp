// The computational core: one tithi ending-time search, and the core work of a
// 31-day month (per day the four longitudes, tithi, ending time, sun sign, lunar
// month, eras, nakshatra, yoga, moon sign, sunrise and sunset).
#include <benchmark/benchmark.h>

#include "almanac/month_table.h"
#include "elements/tithi.h"

namespace {

void BM_TithiEndingTime(benchmark::State& state) {
  int day = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalnika::TithiEndingTime(2026, 12, day, 5.5));
    day = day % 31 + 1;
  }
}
BENCHMARK(BM_TithiEndingTime);

void BM_CoreMonth31Days(benchmark::State& state) {
  kalnika::MonthRequest request;
  request.monthIndex = 11;
  request.year = 2026;
  request.latitude = 18 + 58 / 60.0;
  request.longitude = 72 + 50 / 60.0;
  request.timeZone = 5.5;
  for (auto _ : state) {
    kalnika::MonthPhases phases = kalnika::MonthPhaseTexts(11, 2026, 5.5, false);
    for (int day = 1; day <= 31; ++day)
      benchmark::DoNotOptimize(kalnika::ComputeDayRow(request, day, phases, nullptr));
  }
}
BENCHMARK(BM_CoreMonth31Days)->Unit(benchmark::kMillisecond);

}  // namespace
