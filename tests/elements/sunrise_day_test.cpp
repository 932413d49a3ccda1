// Almanac days reckoned at sunrise: the published days of 2026 at Mumbai (Gudhi
// Padwa with its skipped pratipada, the added Jyeshtha, the Vikram new year), the
// polar reckoning, and the rules that tie consecutive days together, checked over a
// whole year with daylight saving and with polar day and night (tests/data/sky
// holds the days of five places against another ephemeris: sky_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/sunrise_day.h"
#include "support/instant_text.h"

namespace kalnika {
namespace {

using testing_time::JulianDayOfLocal;
using testing_time::LocalMinute;
using testing_time::SecondsBetween;

constexpr GeoPoint kMumbai{18 + 58 / 60.0, 72 + 50 / 60.0};  // the bundled place file's Mumbai
constexpr GeoPoint kNewYork{40 + 43 / 60.0, -(74 + 0 / 60.0)};
constexpr GeoPoint kTromso{69.65, 18.96};

double India(const CivilDate&) { return 5.5; }

// Daylight saving of 2026: New York from 8 March to 1 November, Norway from 29
// March to 25 October (the zone of a date is that of its local midnight).
double NewYork(const CivilDate& d) {
  const int md = d.month * 100 + d.day;
  return md > 308 && md <= 1101 ? -4.0 : -5.0;
}
double Norway(const CivilDate& d) {
  const int md = d.month * 100 + d.day;
  return md > 329 && md <= 1025 ? 2.0 : 1.0;
}

SunriseDay DayOf(int y, int m, int d, GeoPoint place, const ZoneOffsetOf& zone) {
  return ComputeSunriseDays({y, m, d}, 1, place, zone).front();
}

std::string Ist(double jd) { return LocalMinute(jd, 5.5); }

// --- Published days -----------------------------------------------------------

// Gudhi Padwa 2026 at Mumbai: the new moon (06:54) comes ten minutes after the
// sunrise of 19 March (06:44), and the pratipada ends at 04:53 on 20 March, before
// the next sunrise: it is current at no sunrise. The day of 19 March names it with
// its end; Chaitra, and Shaka 1948, begin with the day of 20 March, whose sunrise
// finds the second tithi. (Mumbai almanacs of Shaka 1948.)
TEST(SunriseDays, MumbaiGudhiPadwa2026) {
  const std::vector<SunriseDay> days = ComputeSunriseDays({2026, 3, 18}, 3, kMumbai, India);
  const SunriseDay& eve = days[0];
  const SunriseDay& padwa = days[1];
  const SunriseDay& dvitiya = days[2];

  EXPECT_EQ(eve.values.tithi, 29);
  EXPECT_TRUE(eve.tithi.skipped.empty());
  EXPECT_EQ(eve.lunation.month.index, 11);

  ASSERT_TRUE(padwa.sunrise.has_value());
  EXPECT_EQ(Ist(*padwa.sunrise), "2026-03-19 06:44");
  EXPECT_EQ(padwa.reckoning, *padwa.sunrise);
  EXPECT_EQ(padwa.values.tithi, 30);
  EXPECT_NEAR(SecondsBetween(JulianDayOfLocal(2026, 3, 19, 6, 54, 5.5), padwa.tithi.current.end),
              0.0, 60.0);
  ASSERT_TRUE(padwa.newMoon.has_value());
  EXPECT_EQ(*padwa.newMoon, padwa.tithi.current.end);
  ASSERT_EQ(padwa.tithi.skipped.size(), 1u);
  EXPECT_EQ(padwa.tithi.skipped[0].value, 1);
  EXPECT_EQ(Ist(padwa.tithi.skipped[0].end), "2026-03-20 04:53");
  EXPECT_EQ(padwa.lunation.month.index, 11);  // still Phalguna at its sunrise
  EXPECT_EQ(padwa.eras.shaka, 1947);

  EXPECT_EQ(dvitiya.values.tithi, 2);
  EXPECT_EQ(dvitiya.lunation.month.index, 0);
  EXPECT_EQ(dvitiya.lunation.month.kind, MonthKind::Regular);
  EXPECT_EQ(dvitiya.eras.shaka, 1948);
  EXPECT_EQ(dvitiya.eras.vikram, 2082);
  EXPECT_EQ(dvitiya.eras.samvatsara, 28);
}

struct MonthDayCase {
  const char* name;
  int y, m, d;
  int index;
  MonthKind kind;
  int vikram;
  const char* source;
};

class MumbaiMonthDays : public testing::TestWithParam<MonthDayCase> {};

TEST_P(MumbaiMonthDays, MonthAndVikramAtSunrise) {
  const MonthDayCase& c = GetParam();
  const SunriseDay day = DayOf(c.y, c.m, c.d, kMumbai, India);
  EXPECT_EQ(day.lunation.month.index, c.index) << c.source;
  EXPECT_EQ(day.lunation.month.kind, c.kind) << c.source;
  EXPECT_EQ(day.eras.vikram, c.vikram) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Published2026, MumbaiMonthDays,
    testing::Values(
        MonthDayCase{"VaishakhaAmavasya", 2026, 5, 16, 1, MonthKind::Regular, 2082,
                     "the day before the added Jyeshtha"},
        MonthDayCase{"AddedJyeshthaFirstDay", 2026, 5, 17, 2, MonthKind::Added, 2082,
                     "adhika Jyeshtha 17 May - 15 June 2026 (new moon 01:31 IST, before sunrise)"},
        MonthDayCase{"AddedJyeshthaLastDay", 2026, 6, 15, 2, MonthKind::Added, 2082,
                     "the new moon of 15 June (08:24 IST) comes after the sunrise"},
        MonthDayCase{"RegularJyeshthaFirstDay", 2026, 6, 16, 2, MonthKind::RegularAfterAdded,
                     2082, "nija Jyeshtha from 16 June 2026"},
        MonthDayCase{"AshvinaAmavasyaDiwali", 2026, 11, 9, 6, MonthKind::Regular, 2082,
                     "the new moon of 9 November (12:32 IST) comes after the sunrise"},
        MonthDayCase{"KartikaShuklaPratipada", 2026, 11, 10, 7, MonthKind::Regular, 2083,
                     "Vikram 2083 begins with Kartika shukla pratipada (Gujarati new year)"}),
    [](const testing::TestParamInfo<MonthDayCase>& p) { return std::string(p.param.name); });

// --- Polar days -----------------------------------------------------------------

TEST(SunriseDays, PolarNightIsReckonedAtSixLocalMeanTime) {
  for (const SunriseDay& day : ComputeSunriseDays({2026, 12, 18}, 7, kTromso, Norway)) {
    SCOPED_TRACE(day.date.day);
    EXPECT_FALSE(day.sunrise.has_value());
    EXPECT_FALSE(day.sunset.has_value());
    // 06:00 at 18.96 E is 04:44:10 UT.
    const double sixLocalMean = JulianDayOfLocal(2026, 12, day.date.day, 4, 44, 0.0) + 10.0 / 86400;
    EXPECT_NEAR(SecondsBetween(sixLocalMean, day.reckoning), 0.0, 0.5);
    EXPECT_EQ(day.values.tithi, PreciseValuesAt(day.reckoning).tithi);
  }
}

TEST(SunriseDays, TheSunReturnsAtTromsoInJanuary) {
  // The polar night at 69.65 N ends in mid-January: the days change from the
  // mean-time reckoning to sunrise without a gap or a step back.
  const std::vector<SunriseDay> days = ComputeSunriseDays({2026, 1, 8}, 16, kTromso, Norway);
  EXPECT_FALSE(days.front().sunrise.has_value());
  EXPECT_TRUE(days.back().sunrise.has_value());
  for (std::size_t i = 0; i + 1 < days.size(); ++i) {
    EXPECT_LT(days[i].reckoning, days[i + 1].reckoning);
    EXPECT_EQ(days[i].nextReckoning, days[i + 1].reckoning);
  }
}

// --- The rules that tie the days together -------------------------------------

int Successor(Element element, int value) {
  const int first = element == Element::Tithi ? 1 : 0;
  return first + (value - first + 1) % ValueCount(element);
}

struct Change {
  double instant;
  int value;  // the value that begins
};

// Every change of the element within the day, from its run.
std::vector<Change> ChangesWithin(const SunriseDay& day, const ElementRun& run, Element element) {
  std::vector<Change> changes;
  if (run.current.end < day.nextReckoning)
    changes.push_back({run.current.end, Successor(element, run.current.value)});
  for (const Ending& s : run.skipped) changes.push_back({s.end, Successor(element, s.value)});
  return changes;
}

void CheckRun(const std::vector<SunriseDay>& days, std::size_t i, Element element,
              const ElementRun& run, const ElementRun* nextRun) {
  const SunriseDay& day = days[i];
  SCOPED_TRACE(testing::Message() << "element " << static_cast<int>(element));
  EXPECT_EQ(run.current.value, ValueOf(day.values, element));
  EXPECT_GT(run.current.end, day.reckoning);
  // The end found by the day's sweep is the one found afresh from the reckoning.
  EXPECT_NEAR(SecondsBetween(NextChange(element, day.reckoning), run.current.end), 0.0, 0.01);
  int value = run.current.value;
  double begun = run.current.end;
  for (const Ending& s : run.skipped) {
    EXPECT_LT(begun, day.nextReckoning);
    EXPECT_EQ(s.value, Successor(element, value));
    EXPECT_GT(s.end, begun);
    EXPECT_LT(s.end, day.nextReckoning);
    EXPECT_NEAR(SecondsBetween(NextChange(element, begun + 1e-3 / 86400), s.end), 0.0, 0.01);
    value = s.value;
    begun = s.end;
  }
  if (nextRun == nullptr) return;
  // The next day's value is the one the last change of this day began (or the same).
  const int expected = begun < day.nextReckoning ? Successor(element, value) : value;
  EXPECT_EQ(nextRun->current.value, expected);
}

void CheckDays(const std::vector<SunriseDay>& days, const ZoneOffsetOf& zone) {
  for (std::size_t i = 0; i < days.size(); ++i) {
    const SunriseDay& day = days[i];
    const SunriseDay* next = i + 1 < days.size() ? &days[i + 1] : nullptr;
    SCOPED_TRACE(testing::Message() << day.date.year << "-" << day.date.month << "-" << day.date.day);

    EXPECT_LT(day.reckoning, day.nextReckoning);
    if (next) {
      EXPECT_EQ(day.nextReckoning, next->reckoning);
    }
    const double midnight = JulianDayOfLocal(day.date.year, day.date.month, day.date.day, 0, 0,
                                             zone(day.date));
    const CivilDate after = AddDays(day.date, 1);
    const double nextMidnight =
        JulianDayOfLocal(after.year, after.month, after.day, 0, 0, zone(after));
    for (const std::optional<double>& e : {day.sunrise, day.sunset})
      if (e) {
        EXPECT_GE(*e, midnight);
        EXPECT_LT(*e, nextMidnight);
      }
    if (day.sunrise) {
      EXPECT_EQ(day.reckoning, *day.sunrise);
    }

    const PreciseValues at = PreciseValuesAt(day.reckoning);
    EXPECT_EQ(day.values.tithi, at.tithi);
    EXPECT_EQ(day.values.nakshatra, at.nakshatra);
    EXPECT_EQ(day.values.yoga, at.yoga);
    EXPECT_EQ(day.values.moonSign, at.moonSign);
    EXPECT_EQ(day.values.sunSign, at.sunSign);

    CheckRun(days, i, Element::Tithi, day.tithi, next ? &next->tithi : nullptr);
    CheckRun(days, i, Element::Nakshatra, day.nakshatra, next ? &next->nakshatra : nullptr);
    CheckRun(days, i, Element::Yoga, day.yoga, next ? &next->yoga : nullptr);
    CheckRun(days, i, Element::MoonSign, day.moonSign, next ? &next->moonSign : nullptr);

    // New and full moon: the instants at which tithi 1 and tithi 16 begin.
    std::optional<double> newMoon, fullMoon;
    for (const Change& c : ChangesWithin(day, day.tithi, Element::Tithi)) {
      if (c.value == 1) newMoon = c.instant;
      if (c.value == 16) fullMoon = c.instant;
    }
    EXPECT_EQ(day.newMoon, newMoon);
    EXPECT_EQ(day.fullMoon, fullMoon);

    if (day.sunSignEntry) {
      EXPECT_EQ(day.sunSignEntry->sign, Successor(Element::SunSign, day.values.sunSign));
      EXPECT_GE(day.sunSignEntry->instant, day.reckoning);
      EXPECT_LT(day.sunSignEntry->instant, day.nextReckoning);
      if (next) {
        EXPECT_EQ(next->values.sunSign, day.sunSignEntry->sign);
      }
    } else if (next) {
      EXPECT_EQ(next->values.sunSign, day.values.sunSign);
    }

    EXPECT_LE(day.lunation.start, day.reckoning);
    EXPECT_GT(day.lunation.end, day.reckoning);
    if (next && next->lunation.start != day.lunation.start) {
      // A month changes only at a new moon, and only on the day after it.
      ASSERT_TRUE(day.newMoon.has_value());
      EXPECT_NEAR(SecondsBetween(*day.newMoon, next->lunation.start), 0.0, 0.01);
    }
  }
}

struct YearCase {
  const char* name;
  GeoPoint place;
  double (*zone)(const CivilDate&);
};

class AYearOfDays : public testing::TestWithParam<YearCase> {};

TEST_P(AYearOfDays, HoldTogether) {
  const YearCase& c = GetParam();
  CheckDays(ComputeSunriseDays({2026, 1, 1}, 365, c.place, c.zone), c.zone);
}

INSTANTIATE_TEST_SUITE_P(
    Places, AYearOfDays,
    testing::Values(YearCase{"NewYorkWithDaylightSaving", kNewYork, NewYork},
                    YearCase{"TromsoWithPolarDayAndNight", kTromso, Norway}),
    [](const testing::TestParamInfo<YearCase>& p) { return std::string(p.param.name); });

TEST(SunriseDays, AMonthRunEqualsTheDaysComputedOneByOne) {
  const std::vector<SunriseDay> month = ComputeSunriseDays({2026, 12, 1}, 31, kMumbai, India);
  for (std::size_t i = 0; i < month.size(); i += 6) {
    const SunriseDay alone = DayOf(2026, 12, static_cast<int>(i) + 1, kMumbai, India);
    EXPECT_EQ(alone.reckoning, month[i].reckoning);
    EXPECT_NEAR(SecondsBetween(alone.tithi.current.end, month[i].tithi.current.end), 0.0, 0.01);
    EXPECT_EQ(alone.tithi.skipped.size(), month[i].tithi.skipped.size());
    EXPECT_EQ(alone.lunation.month.index, month[i].lunation.month.index);
  }
}

TEST(SunriseDays, NoDaysForNoDates) {
  EXPECT_TRUE(ComputeSunriseDays({2026, 1, 1}, 0, kMumbai, India).empty());
}

}  // namespace
}  // namespace kalnika
