#pragma once
// Julian Days to and from local clock texts, for tests that compare instants with
// published times. Written apart from calendar/ (Meeus, Astronomical Algorithms,
// 2nd ed., chapter 7, Gregorian calendar) so that a test never checks the
// production conversion against itself.
#include <cmath>
#include <cstdio>
#include <string>

namespace kalnika::testing_time {

// Julian Day (universal time) of a local clock time in a zone `zone` hours east.
inline double JulianDayOfLocal(int year, int month, int day, int hour, int minute,
                               double zone) {
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  const int a = year / 100;
  const int b = 2 - a + a / 4;
  const double jd0 = std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) +
                     day + b - 1524.5;
  return jd0 + (hour + minute / 60.0 - zone) / 24.0;
}

// "2026-03-19 06:54": the local date and time of a Julian Day, rounded to the
// nearest minute.
inline std::string LocalMinute(double jdUt, double zone) {
  const double minutes = std::round((jdUt + zone / 24.0 + 0.5) * 1440.0);
  const double z = std::floor(minutes / 1440.0);
  const int minuteOfDay = static_cast<int>(minutes - z * 1440.0);
  const double alpha = std::floor((z - 1867216.25) / 36524.25);
  const double a = z + 1 + alpha - std::floor(alpha / 4);
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  const int day = static_cast<int>(b - d - std::floor(30.6001 * e));
  const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day,
                minuteOfDay / 60, minuteOfDay % 60);
  return text;
}

inline double SecondsBetween(double a, double b) { return (b - a) * 86400.0; }

}  // namespace kalnika::testing_time
