#include "calendar/calendar.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

namespace kalnika {

bool IsLeapYear(int year) {
  if (year % 100 == 0) return year % 400 == 0;
  return year % 4 == 0;
}

int DaysOfMonth(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLengths[month - 1];
}

int WeekdayNumber(const CivilDate& date) {
  double J = JulianDay(date);
  // floor modulo: dates far in the past give a negative day count.
  double n = std::floor(J + 1.5);
  double w = n - std::floor(n / 7.0) * 7.0;  // [0, 6]
  return static_cast<int>(w);
}

double DayOfYear(const CivilDate& date) {
  const int M1 = date.month;
  int K = IsLeapYear(date.year) ? 1 : 2;
  // Both quotients are of positive whole numbers, so integer division is the floor.
  int days = (275 * M1) / 9 - K * ((M1 + 9) / 12);
  return (static_cast<double>(days) + date.day) - 30.0;
}

double JulianDay(const CivilDate& date, int hour, int minute, int second) {
  const int day = date.day;
  double Y = date.year, M = date.month;
  if (date.month < 3) {
    Y = Y - 1;
    M = M + 12;
  }
  double A = std::floor(Y / 100.0);
  double B = 2.0 - A + std::floor(A / 4.0);
  double f = (3600.0 * hour + 60.0 * minute + second) / 86400.0;
  return std::floor(365.25 * (Y + 4716.0)) + std::floor(30.6001 * (M + 1.0)) + day + f + B -
         1524.5;
}

CivilDate AddDays(const CivilDate& date, int days) {
  using namespace std::chrono;
  const sys_days moved = sys_days{year{date.year} / date.month / date.day} + std::chrono::days{days};
  const year_month_day ymd{moved};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

namespace {

// The date part of Meeus' inverse rule for the day number Z (J + 0.5 floored).
CivilDate DateOfDayNumber(double Z, DateRule rule) {
  double A = Z;
  if (Z >= 2299161.0 || rule == DateRule::ProlepticGregorian) {
    double alpha = std::floor((Z - 1867216.25) / 36524.25);
    A = Z + 1.0 + alpha - std::floor(alpha / 4.0);
  }
  double B = A + 1524.0;
  double G = std::floor((B - 122.1) / 365.25);
  double D = std::floor(365.25 * G);
  double E = std::floor((B - D) / 30.6001);
  CivilDate date;
  date.day = static_cast<int>(B - D - std::floor(30.6001 * E));
  date.month = static_cast<int>(E < 14.0 ? E - 1.0 : E - 13.0);
  date.year = static_cast<int>(date.month > 2 ? G - 4716.0 : G - 4715.0);
  return date;
}

void AppendTwoDigits(std::string& s, int v) {
  s += static_cast<char>('0' + v / 10);
  s += static_cast<char>('0' + v % 10);
}

}  // namespace

LocalDateTime LocalDateTimeOf(double JD, double TimeZone, bool DaylightSaving, DateRule rule) {
  double J = JD + 0.5 + TimeZone / 24.0;
  if (DaylightSaving) J = J + 1.0 / 24.0;
  double Z = std::floor(J);
  double F = J - Z;  // local time of day, [0, 1)
  // Round the time of day to the nearest second; 24:00:00 carries into the next date.
  auto seconds = static_cast<std::int64_t>(std::floor(F * 86400.0 + 0.5));
  if (seconds >= 86400) {
    seconds -= 86400;
    Z = Z + 1.0;
  }
  LocalDateTime t;
  t.date = DateOfDayNumber(Z, rule);
  t.hour = static_cast<int>(seconds / 3600);
  t.minute = static_cast<int>(seconds / 60 % 60);
  t.second = static_cast<int>(seconds % 60);
  return t;
}

std::string CalendarDate(const LocalDateTime& time) {
  std::string text = std::to_string(time.date.month) + "/" + std::to_string(time.date.day) + "/" +
                     std::to_string(time.date.year);
  if (time.hour == 0 && time.minute == 0 && time.second == 0) return text;  // exactly midnight

  int h12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  text += ' ';
  text += std::to_string(h12);
  text += ':';
  AppendTwoDigits(text, time.minute);
  text += ':';
  AppendTwoDigits(text, time.second);
  text += time.hour < 12 ? " AM" : " PM";
  return text;
}

}  // namespace kalnika
