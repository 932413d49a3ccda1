#pragma once
// Gregorian calendar arithmetic and Julian Day, both ways.
// Every date function takes one CivilDate {year, month 1..12, day}; years are
// proleptic Gregorian (no two-digit year is ever widened: 79 is the year 79); a
// Julian Day counts days from noon, so 0 h of a civil date ends in .5.
#include <compare>
#include <string>

namespace kalnika {

struct CivilDate {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  friend constexpr auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

// A local date and time of day on the 24-hour clock, to the whole second.
struct LocalDateTime {
  CivilDate date;
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
  friend constexpr bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// A reading of the almanac's clock: whole hours from the local midnight that
// begins the row's date (24 and more are the early hours of the next morning) and
// whole minutes.
struct ClockTime {
  int hours = 0;
  int minutes = 0;  // 0..59
  friend constexpr bool operator==(const ClockTime&, const ClockTime&) = default;
};

// True for a Gregorian leap year (1900 no, 2000 yes).
bool IsLeapYear(int year);

// Days of a month (1..12) of a year: 28..31.
int DaysOfMonth(int year, int month);

// Weekday of a date, 0 = Sunday ... 6 = Saturday.
int WeekdayNumber(const CivilDate& date);

// Day of the year, 1 on 1 January.
double DayOfYear(const CivilDate& date);

// Julian Day of a universal-time instant on a date (Meeus, chapter 7, Gregorian
// rule for every date, also before 15 October 1582).
double JulianDay(const CivilDate& date, int hour, int minute, int second);
inline double JulianDay(const CivilDate& date) { return JulianDay(date, 0, 0, 0); }

// The date `days` after (or before) a date.
CivilDate AddDays(const CivilDate& date, int days);

// The calendar a local date is given in.
enum class DateRule {
  JulianBefore1582,    // the almanac's date text: Julian calendar before 15 October 1582
  ProlepticGregorian,  // the calendar of the table's rows, for every date
};

// Local date and time of a Julian Day at a zone `TimeZone` hours east of
// Greenwich, one hour later with daylight saving; the time of day rounded to the
// nearest second (24:00:00 carries into the next date). With JulianBefore1582,
// dates before 15 October 1582 come out in the Julian calendar, so below that day
// this does not invert JulianDay.
LocalDateTime LocalDateTimeOf(double JD, double TimeZone, bool DaylightSaving,
                              DateRule rule = DateRule::JulianBefore1582);

// The fixed text of a local date and time: "3/14/2026 9:05:07 PM" (month/day/year,
// 12-hour clock), the date alone at exactly midnight. The layout never follows a
// locale. Years outside 1..9999 are written in full as a signed decimal number
// ("1/5/12345 ...", "3/1/-44 ..."), so every date has a defined text.
std::string CalendarDate(const LocalDateTime& time);

}  // namespace kalnika
