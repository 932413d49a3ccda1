// Gregorian rules, weekday, day of year and Julian Day both ways. Expected values
// are Meeus' worked examples (Astronomical Algorithms, chapter 7) or hand-computed
// from the published rules, as each row says.
#include <gtest/gtest.h>

#include "calendar/calendar.h"

namespace kalnika {
namespace {

TEST(IsLeapYear, CenturyRuleAndOrdinaryYears) {
  struct Case { int year; bool leap; } cases[] = {
      {1900, false}, {2000, true}, {2024, true}, {2023, false}, {2100, false}, {2400, true}, {79, false}, {80, true}};
  for (auto c : cases) EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
}

TEST(DaysOfMonth, EveryMonthOfCommonAndLeapYears) {
  const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(DaysOfMonth(2023, m), common[m - 1]) << m;
    EXPECT_EQ(DaysOfMonth(2024, m), m == 2 ? 29 : common[m - 1]) << m;
  }
  EXPECT_EQ(DaysOfMonth(1900, 2), 28);  // century year not divisible by 400
  EXPECT_EQ(DaysOfMonth(2000, 2), 29);
}

TEST(WeekdayNumber, AllSevenWeekdays) {
  // 1 January 2000 was a Saturday; the week that follows covers every weekday.
  for (int d = 1; d <= 7; ++d) EXPECT_EQ(WeekdayNumber({2000, 1, d}), (6 + d - 1) % 7) << d;
  EXPECT_EQ(WeekdayNumber({2026, 12, 5}), 6);   // Saturday, 5 December 2026
  EXPECT_EQ(WeekdayNumber({79, 1, 1}), 0);      // Sunday (proleptic Gregorian)
  EXPECT_EQ(WeekdayNumber({1582, 10, 15}), 5);  // the first Gregorian day was a Friday
}

TEST(DayOfYear, LeapYearsShiftMarchOn) {
  struct Case { CivilDate date; double expected; } cases[] = {
      {{2023, 3, 1}, 60}, {{2024, 3, 1}, 61}, {{2024, 12, 31}, 366}, {{2023, 12, 31}, 365},
      {{2023, 1, 31}, 31}, {{2024, 1, 31}, 31}, {{2024, 2, 14}, 45}, {{2024, 5, 15}, 136}};
  for (auto c : cases) EXPECT_EQ(DayOfYear(c.date), c.expected) << c.date.month << "/" << c.date.day << "/" << c.date.year;
}

TEST(JulianDay, MeeusExamplesAndTheGregorianReform) {
  struct Case { int y, m, d, h, mi, s; double jd; const char* why; } cases[] = {
      {2000, 1, 1, 12, 0, 0, 2451545.0, "J2000.0"},
      {1582, 10, 15, 0, 0, 0, 2299160.5, "first Gregorian date"},
      {1582, 10, 4, 0, 0, 0, 2299149.5, "proleptic Gregorian, not the Julian calendar's 4 October"},
      {1957, 10, 4, 19, 26, 24, 2436116.31, "Meeus example 7.a"},
      {2026, 1, 1, 0, 0, 0, 2461041.5, "0 h of a date ends in .5"},
      {79, 1, 1, 0, 0, 0, 1749914.5, "first accepted year: 1721425.5 (1 January 1) + 78 years of 365 days + 19 leap days"}};
  for (auto c : cases) EXPECT_NEAR(JulianDay({c.y, c.m, c.d}, c.h, c.mi, c.s), c.jd, 1e-9) << c.why;
}

TEST(CalendarDate, FixedLayoutOfDateAndClock) {
  struct Case { double jd, zone; bool dst; const char* text; } cases[] = {
      {2451545.0, 0, false, "1/1/2000 12:00:00 PM"},
      {2451544.5, 0, false, "1/1/2000"},  // exactly midnight: the date alone
      {2451545.0, 5.5, false, "1/1/2000 5:30:00 PM"},
      {2451545.0, 5.5, true, "1/1/2000 6:30:00 PM"},
      {2451545.25, 0, false, "1/1/2000 6:00:00 PM"},
      {2451544.5, -8, false, "12/31/1999 4:00:00 PM"},
      {2299159.5, 0, false, "10/4/1582"},  // Julian calendar below day 2299161
      {2299160.5, 0, false, "10/15/1582"},
      {2461114.3798958333, 0, false, "3/14/2026 9:07:03 PM"},
      {2451544.5 + 0.4 / 86400, 0, false, "1/1/2000"},       // 0.4 s rounds down to midnight
      {2451544.5 - 0.4 / 86400, 0, false, "1/1/2000"},       // 0.4 s before midnight carries into the date
      {2451544.5 + 3599.6 / 86400, 0, false, "1/1/2000 1:00:00 AM"}};  // carry into the hour
  for (auto c : cases) EXPECT_EQ(CalendarDate(LocalDateTimeOf(c.jd, c.zone, c.dst)), c.text) << c.jd;
}

TEST(CalendarDate, YearsBeyondFourDigitsAreWrittenInFull) {
  // The shifted axis of the Kali-era year passes 9999 from input year 6898 on.
  auto text = [](double jd) { return CalendarDate(LocalDateTimeOf(jd, 0, false)); };
  EXPECT_EQ(text(JulianDay({12345, 6, 7})), "6/7/12345");
  EXPECT_EQ(text(JulianDay({9999, 12, 31}, 18, 0, 0)), "12/31/9999 6:00:00 PM");
  // Before year 1: astronomical year numbers, still a defined text.
  EXPECT_EQ(text(1721057.5), "1/1/0");  // Julian calendar, 1 BC
  EXPECT_EQ(text(1720000.5), "2/8/-3");
}

TEST(CalendarDateAndJulianDay, InvertEachOtherFromTheReformOn) {
  for (int y : {1583, 1900, 2000, 2024, 3000, 9999})
    for (int m = 1; m <= 12; ++m) {
      std::string expected = std::to_string(m) + "/17/" + std::to_string(y) + " 3:04:05 AM";
      EXPECT_EQ(CalendarDate(LocalDateTimeOf(JulianDay({y, m, 17}, 3, 4, 5), 0, false)), expected);
    }
}

TEST(AddDays, ProlepticGregorianAcrossMonthsYearsAndTheReform) {
  struct Case { CivilDate from; int days; CivilDate to; const char* why; } cases[] = {
      {{2026, 12, 31}, 1, {2027, 1, 1}, "into the next year"},
      {{2024, 2, 28}, 1, {2024, 2, 29}, "leap day"},
      {{1900, 2, 28}, 1, {1900, 3, 1}, "1900 has no 29 February"},
      {{2026, 3, 1}, -1, {2026, 2, 28}, "backwards"},
      {{1582, 10, 4}, 1, {1582, 10, 5}, "no ten-day gap: the calendar is proleptic"},
      {{79, 1, 1}, -1, {78, 12, 31}, "before the first accepted year"}};
  for (auto c : cases) EXPECT_EQ(AddDays(c.from, c.days), c.to) << c.why;
}

}  // namespace
}  // namespace kalnika
