#pragma once
// Tithi (lunar day, 12 degrees of elongation of the Moon from the Sun) and the
// local clock time at which the day's tithi ends. Only the difference of the
// tropical longitudes enters, so no ayanamsha is applied.
#include <string>

namespace kalnika {

// Tithi number from the mean longitudes of the Moon (Lm) and the Sun (Ls) and
// their periodic corrections (Lmc, Lsc), degrees. 1..15 bright fortnight (15 full
// moon), 16..30 dark fortnight (30 new moon); 0 also stands for the new-moon tithi
// (the Moon numerically just below the Sun, the usual case) and 31 occurs when the
// elongation reaches 360.
int TithiNumber(double Lm, double Ls, double Lmc, double Lsc);

// Local clock time ("15H37", "27H40" = 03:40 of the next morning) at which the tithi
// current at 0 h universal time of the date Y1-M1-D ends: the last whole second
// before the tithi first changes, found in steps of hours, minutes and seconds.
// The daylight-saving flag is not applied to this time.
std::string TithiEndingTime(int Y1, int M1, int D, double TimeZone);

// The tithi number at a Julian Day, with the four longitudes of that instant.
struct TithiAt {
  double Lm, Ls, Lmc, Lsc;
  int tithi;
};
TithiAt TithiOfJulianDay(double JD);

// Clock text of a found universal time H:Mi:S at the given zone, as the ending
// column shows it: hour = floor(t), minutes = floor of the rest times 60; negative
// hours wrap once by 24, hours of 24 and more stay (the early hours of the next
// morning).
std::string TithiClockText(int H, int Mi, int S, double TimeZone);

}  // namespace kalnika
