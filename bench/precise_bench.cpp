// The precise method: one almanac month (31 days at Mumbai, each reckoned at its
// sunrise), alone and through ComputeMonth (without notes and with festivals kept
// by their rules), and its parts: the positions, one sunrise and one crossing.
#include <benchmark/benchmark.h>

#include <string>

#include "almanac/month_values.h"
#include "astronomy/ephemeris.h"
#include "elements/precise.h"
#include "elements/sunrise_day.h"

namespace {

constexpr kalnika::GeoPoint kMumbai{18 + 58 / 60.0, 72 + 50 / 60.0};

void BM_PreciseMonth31Days(benchmark::State& state) {
  const kalnika::Clock india = kalnika::Clock::Fixed(330);
  for (auto _ : state)
    benchmark::DoNotOptimize(kalnika::ComputeSunriseDays({2026, 12, 1}, 31, kMumbai, india));
}
BENCHMARK(BM_PreciseMonth31Days)->Unit(benchmark::kMillisecond);

// The same month as the window asks for it: the values of every row with their
// local clocks.
void BM_PreciseComputeMonth(benchmark::State& state) {
  kalnika::MonthRequest request;
  request.year = 2026;
  request.month = 12;
  request.latitude = kMumbai.latitude;
  request.longitude = kMumbai.longitude;
  request.clock = kalnika::Clock::Fixed(330);
  request.method = kalnika::Method::Precise;
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::ComputeMonth(request));
}
BENCHMARK(BM_PreciseComputeMonth)->Unit(benchmark::kMillisecond);

// The same month with festivals kept by their rules, as the bundled place file has
// them: a note for every month's Sankashti (a moonrise rule, so every day's
// moonrise is sought) and Ekadashis (the Bhagavata day), and a dusk rule.
void BM_PreciseComputeMonthWithFestivals(benchmark::State& state) {
  kalnika::MonthRequest request;
  request.year = 2026;
  request.month = 12;
  request.latitude = kMumbai.latitude;
  request.longitude = kMumbai.longitude;
  request.clock = kalnika::Clock::Fixed(330);
  request.method = kalnika::Method::Precise;
  for (int month = 0; month < 12; ++month) {
    const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
    for (int tithi : {11, 15, 19, 26}) request.auspicious.Set(month, tithi, "NOTE");
    request.observance[mm + "11"] = "udaya,bhagavata";
    request.observance[mm + "15"] = "pradosha";
    request.observance[mm + "19"] = "chandrodaya,first,neither=second";
    request.observance[mm + "26"] = "udaya,bhagavata";
  }
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::ComputeMonth(request));
}
BENCHMARK(BM_PreciseComputeMonthWithFestivals)->Unit(benchmark::kMillisecond);

// One date as the day view asks for it: its row, with the days on either side.
void BM_PreciseComputeDay(benchmark::State& state) {
  kalnika::DayRequest request;
  request.date = {2026, 9, 14};
  request.latitude = kMumbai.latitude;
  request.longitude = kMumbai.longitude;
  request.clock = kalnika::Clock::Fixed(330);
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::ComputeDay(request));
}
BENCHMARK(BM_PreciseComputeDay)->Unit(benchmark::kMillisecond);

// The eclipses seen from a place in a month (found once per month computed).
void BM_EclipsesOfMonth(benchmark::State& state) {
  const double first = 2461284.5;  // 2026-09-01 0 h UT
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::EclipsesVisibleBetween(first, first + 31, kMumbai));
}
BENCHMARK(BM_EclipsesOfMonth)->Unit(benchmark::kMillisecond);

void BM_Moonrise(benchmark::State& state) {
  double jd = 2461375.5 - 5.5 / 24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalnika::MoonEventBetween(kalnika::MoonEvent::Moonrise, jd, jd + 1, kMumbai));
    jd += 1.0;
  }
}
BENCHMARK(BM_Moonrise)->Unit(benchmark::kMicrosecond);

void BM_SiderealSunMoon(benchmark::State& state) {
  double jd = 2461375.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalnika::SiderealSunMoon(jd));
    jd += 0.37;
  }
}
BENCHMARK(BM_SiderealSunMoon)->Unit(benchmark::kMicrosecond);

void BM_Sunrise(benchmark::State& state) {
  double jd = 2461375.5 - 5.5 / 24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalnika::SunEventBetween(kalnika::SunEvent::Sunrise, jd, jd + 1, kMumbai));
    jd += 1.0;
  }
}
BENCHMARK(BM_Sunrise)->Unit(benchmark::kMicrosecond);

void BM_NextTithiChange(benchmark::State& state) {
  double jd = 2461375.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalnika::NextChange(kalnika::Element::Tithi, jd));
    jd += 0.61;
  }
}
BENCHMARK(BM_NextTithiChange)->Unit(benchmark::kMicrosecond);

}  // namespace
