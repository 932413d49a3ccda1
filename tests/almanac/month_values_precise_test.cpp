// The precise method in the month's values: which row an instant and a skipped
// tithi belong to, the clocks (rounded to the minute, daylight saving on all of
// them), the notes of skipped tithis and the years it covers. The elements
// themselves, the reckoning of polar days among them, are tested in
// tests/elements; the expected days here are those of Mumbai almanacs for 2026.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/month_values.h"

namespace kalnika {
namespace {

MonthRequest Mumbai(int year, int month) {
  MonthRequest r;
  r.year = year;
  r.month = month;
  r.latitude = 18 + 58 / 60.0;
  r.longitude = 72 + 50 / 60.0;
  r.clock = Clock::Fixed(330);
  r.method = Method::Precise;
  return r;
}

const DayValues& Day(const MonthValues& m, int day) {
  return m.days.at(static_cast<std::size_t>(day - 1));
}

// Gudhi Padwa 2026 (the days' values are tested in tests/elements): the new moon
// at 06:53:29 ends the row's tithi, 06:53 to the minute; the skipped pratipada
// (ending 04:52:48 on the 20th) lies in the row of the 19th; the clocks count from
// the row's local midnight (the second tithi ends at 02:31 on the 21st: 26H31).
TEST(PreciseMonth, MumbaiGudhiPadwa2026) {
  const MonthValues march = ComputeMonth(Mumbai(2026, 3));
  const DayValues& padwa = Day(march, 19);
  ASSERT_TRUE(padwa.precise.has_value());
  EXPECT_EQ(padwa.tithiEnd.clock, (ClockTime{6, 53}));
  EXPECT_EQ(padwa.phase, MoonPhase::New);
  ASSERT_EQ(padwa.precise->skippedTithis.size(), 1u);
  EXPECT_EQ(padwa.precise->skippedTithis[0].end.local.date, (CivilDate{2026, 3, 20}));
  EXPECT_EQ(padwa.precise->skippedTithis[0].end.local.hour, 4);
  EXPECT_EQ(Day(march, 20).tithiEnd.clock, (ClockTime{26, 31}));
}

// The notes of the festivals a row keeps, in its order.
std::vector<std::string> Kept(const DayValues& day) {
  std::vector<std::string> kept;
  for (const FestivalValue& f : day.festivals) kept.push_back(f.note);
  return kept;
}

TEST(PreciseMonth, NoteWithoutARuleKeepsTheSunriseRule) {
  // No rules: Chaitra shukla pratipada (month 0, tithi 1), current at no sunrise,
  // is kept on the 19th, the day in which it begins, beside the day's own Phalguna
  // amavasya (kept under 0, the classic number of the new-moon tithi); not on the
  // 20th.
  MonthRequest request = Mumbai(2026, 3);
  request.auspicious.Set(0, 1, "PADWA");
  request.auspicious.Set(11, 0, "AMAVASYA");
  const MonthValues march = ComputeMonth(request);
  EXPECT_EQ(Kept(Day(march, 19)), (std::vector<std::string>{"PADWA", "AMAVASYA"}));
  EXPECT_TRUE(Day(march, 20).festivals.empty());
  EXPECT_TRUE(Day(march, 19).auspicious.empty());
  // A note under 30 is the one for the new-moon tithi; 0 is then not looked up.
  request.auspicious.Set(11, 30, "DARSHA");
  EXPECT_EQ(Kept(Day(ComputeMonth(request), 19)), (std::vector<std::string>{"PADWA", "DARSHA"}));
}

// The rules come from the place file's texts: Ganesh Chaturthi 2026 (Bhadrapada,
// month 5, tithi 4) holds at the midday of 14 September only (chaturthi 07:07 14
// Sep - 07:45 15 Sep, tests/data/sky/events.csv), and at the sunrise of the 15th.
// A rule that is not of the grammar, or under a key that is none, is no rule.
TEST(PreciseMonth, RulesFromThePlaceFilesTexts) {
  struct Case {
    const char* name;
    ObservanceTexts observance;
    int day;
  } cases[] = {
      {"madhyahna", {{"0504", "madhyahna"}}, 14},
      {"no_rule", {}, 15},
      {"misspelt_rule", {{"0504", "madhyanha"}}, 15},
      {"key_of_no_festival", {{"05x4", "madhyahna"}}, 15},
      {"sankranti_rule_under_a_tithi", {{"0504", "sankranti"}}, 15},
  };
  for (const Case& c : cases) {
    MonthRequest request = Mumbai(2026, 9);
    request.auspicious.Set(5, 4, "GANESH");
    request.observance = c.observance;
    const MonthValues september = ComputeMonth(request);
    int kept = 0;
    for (const DayValues& day : september.days)
      if (!day.festivals.empty()) {
        ++kept;
        EXPECT_EQ(day.date.day, c.day) << c.name;
      }
    EXPECT_EQ(kept, 1) << c.name;
  }
}

// 31 May 1993: the smarta Nirjala Ekadashi, whose Bhagavata day is 1 June
// (tests/elements); the May month, which ends before that day, still names the
// smarta day's tradition.
TEST(PreciseMonth, SmartaDayKnowsItsBhagavataDayInTheNextMonth) {
  MonthRequest may = Mumbai(1993, 5);
  may.auspicious.Set(2, 11, "NIRJALA");
  may.observance = {{"0211", "udaya,bhagavata"}};
  const MonthValues mayValues = ComputeMonth(may);
  const DayValues& last = Day(mayValues, 31);
  ASSERT_EQ(last.festivals.size(), 1u);
  EXPECT_TRUE(last.festivals[0].bhagavataDiffers);
  MonthRequest june = may;
  june.month = 6;
  const MonthValues juneValues = ComputeMonth(june);
  const DayValues& first = Day(juneValues, 1);
  ASSERT_EQ(first.festivals.size(), 1u);
  EXPECT_EQ(first.festivals[0].observance.tradition, Tradition::Bhagavata);
}

// 2026 has an added Jyeshtha (17 May to 15 June at Mumbai): the full moon of 31
// May is in it, that of 29 June in the regular Jyeshtha after it. Mumbai almanacs
// print Vat Purnima (Jyeshtha, full moon: month 2, tithi 15) on 29 June only.
TEST(PreciseMonth, AnAddedMonthHasNoFestivals) {
  MonthRequest may = Mumbai(2026, 5);
  may.auspicious.Set(2, 15, "VAT");
  MonthRequest june = Mumbai(2026, 6);
  june.auspicious = may.auspicious;
  EXPECT_EQ(Day(ComputeMonth(may), 31).lunarMonth, (LunarMonth{2, MonthKind::Added}));
  EXPECT_TRUE(Day(ComputeMonth(may), 31).festivals.empty());
  EXPECT_EQ(Kept(Day(ComputeMonth(june), 29)), (std::vector<std::string>{"VAT"}));
}

TEST(PreciseMonth, DaylightSavingMovesEveryClock) {
  MonthRequest summer = Mumbai(2026, 3);
  summer.clock = Clock::Fixed(330, true);
  const MonthValues month = ComputeMonth(summer);
  const DayValues& day = Day(month, 20);
  EXPECT_EQ(day.sunrise, (ClockTime{7, 43}));  // 06:43:03 standard time
  EXPECT_EQ(day.tithiEnd.clock, (ClockTime{27, 31}));
  // The values at sunrise do not depend on the clock.
  EXPECT_EQ(day.tithi, Day(ComputeMonth(Mumbai(2026, 3)), 20).tithi);
}

// The Kali year of the precise method is counted like the Shaka year, from the
// same new year: Shaka + 3179 ("To convert the Shaka year to Kali year, one must
// just add 3179 ... found mentioned in the guidebooks to Panchanga", J.
// Saranathan, Mahabharata Quiz 22, 2023; "By 2020, we have completed 5121 years in
// Kali Yuga", the same, July 2020: Shaka 1942 began in March 2020). Its new year is
// noted on Gudhi Padwa, the day of the first Chaitra's bright pratipada; none on
// 23 January, the classic method's day.
TEST(PreciseMonth, KaliYearBeginsWithTheShakaYear) {
  struct Row {
    const char* name;
    int year, month, newYearDay, kali;
  };
  const Row rows[] = {
      // Gudhi Padwa 30 March 2025: the pratipada is current at that sunrise.
      {"pratipada at sunrise, 30 March 2025", 2025, 3, 30, 5126},
      // 19 March 2026: the pratipada begins and ends within the day (its rows
      // belong to Phalguna and Shaka 1947 until the 20th).
      {"pratipada within the day, 19 March 2026", 2026, 3, 19, 5127},
      // 2029: Chaitra is added (16 March to 13 April at Mumbai, the sky tables'
      // README); the year begins with the added month.
      {"added Chaitra, 16 March 2029", 2029, 3, 16, 5130},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const MonthValues month = ComputeMonth(Mumbai(r.year, r.month));
    for (const DayValues& day : month.days) {
      EXPECT_EQ(day.kaliYear, day.shaka + 3179);
      EXPECT_EQ(day.kaliNewYear, day.date.day == r.newYearDay ? std::optional<int>(r.kali) : std::nullopt)
          << day.date.day;
    }
    EXPECT_EQ(Day(month, r.newYearDay + 1).kaliYear, r.kali);
  }
  for (const DayValues& day : ComputeMonth(Mumbai(2026, 1)).days) EXPECT_FALSE(day.kaliNewYear.has_value());
}

TEST(PreciseMonth, MonthPhasesAreTheFirstAfterTheFirstSunrise) {
  // March 2026: full moon 3 March 11:38 UT (USNO), new moon 19 March.
  const MonthValues march = ComputeMonth(Mumbai(2026, 3));
  EXPECT_EQ(Day(march, 3).phase, MoonPhase::Full);
  EXPECT_EQ(Day(march, 3).phaseInstant.jd, march.fullMoon);
  EXPECT_EQ(Day(march, 19).phase, MoonPhase::New);
  EXPECT_EQ(Day(march, 19).phaseInstant.jd, march.newMoon);
}

TEST(PreciseMonth, YearsTheEphemerisCovers) {
  EXPECT_TRUE(MethodCoversYear(Method::Precise, 79));
  EXPECT_TRUE(MethodCoversYear(Method::Precise, 2999));
  EXPECT_FALSE(MethodCoversYear(Method::Precise, 3000));
  EXPECT_TRUE(MethodCoversYear(Method::Classic, 32767));
  EXPECT_TRUE(ComputeMonth(Mumbai(3000, 1)).days.empty());
  EXPECT_EQ(ComputeMonth(Mumbai(2999, 12)).days.size(), 31u);
}

}  // namespace
}  // namespace kalnika
