#include "calendar/calendar.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace kalnika {

bool IsLeapYear(int Y) {
  if (Y % 100 == 0) return Y % 400 == 0;
  return Y % 4 == 0;
}

int DaysOfMonth(int M, int Y) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (M == 1 && IsLeapYear(Y)) return 29;
  return kLengths[M];
}

int WeekdayNumber(int month, int day, int year) {
  double J = JulianDay(year, month, day, 0, 0, 0);
  // floor modulo: dates far in the past give a negative day count.
  double n = std::floor(J + 1.5);
  double w = n - std::floor(n / 7.0) * 7.0;  // [0, 6]
  return static_cast<int>(w);
}

double DayOfYear(int M1, double D, int Y1) {
  int K = IsLeapYear(Y1) ? 1 : 2;
  // Both quotients are of positive whole numbers, so integer division is the floor.
  int days = (275 * M1) / 9 - K * ((M1 + 9) / 12);
  return (static_cast<double>(days) + D) - 30.0;
}

double JulianDay(int year, int month, int day, int hour, int minute, int second) {
  double Y = year, M = month;
  if (month < 3) {
    Y = Y - 1;
    M = M + 12;
  }
  double A = std::floor(Y / 100.0);
  double B = 2.0 - A + std::floor(A / 4.0);
  double f = (3600.0 * hour + 60.0 * minute + second) / 86400.0;
  return std::floor(365.25 * (Y + 4716.0)) + std::floor(30.6001 * (M + 1.0)) + day + f + B -
         1524.5;
}

namespace {

struct CivilDate {
  std::int64_t year;
  int month, day;
};

// The date part of Meeus' inverse rule for the day number Z (J + 0.5 floored).
CivilDate DateOfDayNumber(double Z) {
  double A = Z;
  if (Z >= 2299161.0) {
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
  date.year = static_cast<std::int64_t>(date.month > 2 ? G - 4716.0 : G - 4715.0);
  return date;
}

void AppendTwoDigits(std::string& s, int v) {
  s += static_cast<char>('0' + v / 10);
  s += static_cast<char>('0' + v % 10);
}

}  // namespace

std::string CalendarDate(double JD, double TimeZone, bool DaylightSaving) {
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
  CivilDate date = DateOfDayNumber(Z);
  std::string text = std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
                     std::to_string(date.year);
  if (seconds == 0) return text;  // exactly midnight: the date alone

  int h = static_cast<int>(seconds / 3600);
  int m = static_cast<int>(seconds / 60 % 60);
  int s = static_cast<int>(seconds % 60);
  int h12 = h % 12 == 0 ? 12 : h % 12;
  text += ' ';
  text += std::to_string(h12);
  text += ':';
  AppendTwoDigits(text, m);
  text += ':';
  AppendTwoDigits(text, s);
  text += h < 12 ? " AM" : " PM";
  return text;
}

}  // namespace kalnika
