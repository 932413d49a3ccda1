#pragma once
// Gregorian calendar arithmetic and Julian Day, both ways.
// Years are proleptic Gregorian; months 1..12 unless noted; a Julian Day counts
// days from noon, so 0 h of a civil date ends in .5.
#include <string>

namespace kalnika {

// True for a Gregorian leap year (1900 no, 2000 yes).
bool IsLeapYear(int Y);

// Days of the month with 0-based index M (0 = January) in year Y: 28..31.
int DaysOfMonth(int M, int Y);

// Weekday of a date, 0 = Sunday ... 6 = Saturday.
int WeekdayNumber(int month, int day, int year);

// Day of the year, 1 on 1 January; D may carry a fraction, which the result keeps.
double DayOfYear(int M1, double D, int Y1);

// Julian Day of a universal-time instant (Meeus, chapter 7, Gregorian rule for
// every date, also before 15 October 1582).
double JulianDay(int year, int month, int day, int hour, int minute, int second);

// Local date and 12-hour clock of a Julian Day: "3/14/2026 9:05:07 PM", the date
// alone at exactly local midnight. Dates before 15 October 1582 come out in the
// Julian calendar. The layout is fixed (callers take it apart by position) and
// does not follow any locale. Years outside 1..9999 are written in full as a
// signed decimal number ("1/5/12345 ...", "3/1/-44 ..."), so every finite Julian
// Day has a defined text.
std::string CalendarDate(double JD, double TimeZone, bool DaylightSaving);

}  // namespace kalnika
