// The calendar export and the Latin script: building a transliterator (ICU parses
// its rules), transliterating one name, and a year's calendar file with a tithi
// per day in Latin.
#include <benchmark/benchmark.h>

#include <vector>

#include "almanac/month_values.h"
#include "ical/calendar_export.h"
#include "xdvng/latin.h"

namespace {

void BM_LatinTransliteratorBuild(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::xdvng::LatinTransliterator());
}
BENCHMARK(BM_LatinTransliteratorBuild)->Unit(benchmark::kMillisecond);

void BM_LatinOneName(benchmark::State& state) {
  const kalnika::xdvng::LatinTransliterator latin;
  for (auto _ : state) benchmark::DoNotOptimize(latin("मार्गशीर्ष शुक्ल एकादशी"));
}
BENCHMARK(BM_LatinOneName)->Unit(benchmark::kMicrosecond);

void BM_ExportYearWithTithisInLatin(benchmark::State& state) {
  std::vector<kalnika::MonthValues> months;
  for (int month = 1; month <= 12; ++month) {
    kalnika::MonthRequest request;
    request.year = 2026;
    request.month = month;
    request.latitude = 18 + 58 / 60.0;
    request.longitude = 72 + 50 / 60.0;
    request.clock = kalnika::Clock::Fixed(330);
    months.push_back(kalnika::ComputeMonth(request));
  }
  kalnika::ical::ExportOptions options;
  options.tithis = true;
  options.texts.script = kalnika::ical::EventScript::Latin;
  const kalnika::ical::CalendarPlace place{"Mumbai, Maharashtra, India", ""};
  for (auto _ : state) benchmark::DoNotOptimize(kalnika::ical::ExportCalendar(months, place, options).text);
}
BENCHMARK(BM_ExportYearWithTithisInLatin)->Unit(benchmark::kMillisecond);

}  // namespace
