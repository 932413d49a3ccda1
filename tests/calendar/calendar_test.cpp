// Gregorian rules, day of year, Julian Day both ways, the text of a date and the
// almanac's clock. Expected values are Meeus' worked examples (Astronomical
// Algorithms, chapter 7), Python's proleptic Gregorian datetime module for the
// weekdays, or worked out by hand from the published rules, as each row says.
// The weekdays and lengths of the months of recent years: month_weeks_test.cpp.
#include <gtest/gtest.h>

#include "calendar/calendar.h"

namespace kalnika {
namespace {

TEST(IsLeapYear, CenturyRuleGivesFebruaryItsLength) {
  struct Case { int year; bool leap; const char* why; } cases[] = {
      {1900, false, "century year not divisible by 400"}, {2000, true, "divisible by 400"},
      {2024, true, "divisible by 4"}, {2023, false, "not divisible by 4"}, {2100, false, "next century year"}};
  for (auto c : cases) {
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.why;
    EXPECT_EQ(DaysOfMonth(c.year, 2), c.leap ? 29 : 28) << c.why;
  }
}

TEST(DayOfYear, LeapYearsShiftMarchOn) {
  struct Case { CivilDate date; double expected; const char* why; } cases[] = {
      {{1978, 11, 14}, 318, "Meeus example 7.f"}, {{1988, 4, 22}, 113, "Meeus example 7.g, leap year"},
      {{2024, 3, 1}, 61, "leap year"},
      {{2024, 12, 31}, 366, "last day of a leap year"}, {{2024, 1, 31}, 31, "January is not shifted"}};
  for (auto c : cases) EXPECT_EQ(DayOfYear(c.date), c.expected) << c.why;
}

TEST(JulianDay, MeeusExamplesTheGregorianReformAndTheWeekday) {
  struct Case { int y, m, d, h, mi, s; double jd; int weekday; const char* why; } cases[] = {
      {2000, 1, 1, 12, 0, 0, 2451545.0, 6, "J2000.0, a Saturday"},
      {1957, 10, 4, 19, 26, 24, 2436116.31, 5, "Meeus example 7.a, a Friday"},
      {1954, 6, 30, 0, 0, 0, 2434923.5, 3, "Meeus example 7.e: a Wednesday"},
      {1582, 10, 15, 0, 0, 0, 2299160.5, 5, "first Gregorian date, a Friday"},
      {1582, 10, 4, 0, 0, 0, 2299149.5, 1, "proleptic Gregorian, not the Julian calendar's 4 October"},
      {79, 1, 1, 0, 0, 0, 1749914.5, 0, "1721425.5 (1 January 1) + 78 years of 365 days + 19 leap days"}};
  for (auto c : cases) {
    EXPECT_NEAR(JulianDay({c.y, c.m, c.d}, c.h, c.mi, c.s), c.jd, 1e-9) << c.why;
    EXPECT_EQ(WeekdayNumber({c.y, c.m, c.d}), c.weekday) << c.why;
  }
}

TEST(CalendarDate, FixedLayoutOfDateClockAndYear) {
  struct Case { double jd, zone; bool dst; const char* text; const char* why; } cases[] = {
      {2451545.0, 0, false, "1/1/2000 12:00:00 PM", "noon"},
      {2451544.5, 0, false, "1/1/2000", "exactly midnight: the date alone"},
      {2451545.0, 5.5, true, "1/1/2000 6:30:00 PM", "daylight saving adds an hour"},
      {2451544.5, -8, false, "12/31/1999 4:00:00 PM", "zone west, the date before"},
      {2461114.3798958333, 0, false, "3/14/2026 9:07:03 PM", "to the second"},
      {2299159.5, 0, false, "10/4/1582", "the Julian calendar below day 2299161"},
      {2299160.5, 0, false, "10/15/1582", "the first Gregorian day"},
      {2451544.5 + 0.4 / 86400, 0, false, "1/1/2000", "0.4 s rounds down to midnight"},
      {2451544.5 - 0.4 / 86400, 0, false, "1/1/2000", "0.4 s before midnight carries into the date"},
      {2451544.5 + 3599.6 / 86400, 0, false, "1/1/2000 1:00:00 AM", "carry into the hour"},
      {6230135.5, 0, false, "6/7/12345", "more than four digits, written in full (Kali years pass 9999)"},
      {1721057.5, 0, false, "1/1/0", "astronomical year 0 (1 BC, Julian calendar)"},
      {1720000.5, 0, false, "2/8/-3", "a negative year, still a defined text"}};
  for (auto c : cases) EXPECT_EQ(CalendarDate(LocalDateTimeOf(c.jd, c.zone, c.dst)), c.text) << c.why;
}

// The table's rows are proleptic Gregorian dates; the dates of their instants can be
// asked in that calendar too (Julian Days from Python's date.toordinal() + 1721424.5).
TEST(LocalDateTimeOf, ProlepticGregorianDatesOnRequest) {
  EXPECT_EQ(LocalDateTimeOf(2299159.5, 0, false, DateRule::ProlepticGregorian).date, (CivilDate{1582, 10, 14}));
  EXPECT_EQ(LocalDateTimeOf(2086575.5, 5.5, false, DateRule::ProlepticGregorian).date, (CivilDate{1000, 10, 1}));
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
