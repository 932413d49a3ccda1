#pragma once
// Tithi (lunar day, 12 degrees of elongation of the Moon from the Sun) and the
// local clock time at which the day's tithi ends. Only the difference of the
// tropical longitudes enters, so no ayanamsha is applied.
#include "calendar/calendar.h"

namespace kalnika {

// Tithi number from the mean longitudes of the Moon (Lm) and the Sun (Ls) and
// their periodic corrections (Lmc, Lsc), degrees. 1..15 bright fortnight (15 full
// moon), 16..30 dark fortnight (30 new moon); 0 also stands for the new-moon tithi
// (the Moon numerically just below the Sun, the usual case) and 31 occurs when the
// elongation reaches 360.
int TithiNumber(double Lm, double Ls, double Lmc, double Lsc);

// The end of the tithi current at 0 h universal time of a date: the last whole
// second of the date's universal time before the tithi first changes, found in
// steps of hours, minutes and seconds (23:59:59 when it does not change within
// the day), as a Julian Day (universal time). The ending column's clock of it is
// TithiEndClock (clock/almanac_clock.h).
double TithiEndingTime(const CivilDate& date);

// The tithi number at a Julian Day, with the four longitudes of that instant.
struct TithiAt {
  double Lm, Ls, Lmc, Lsc;
  int tithi;
};
TithiAt TithiOfJulianDay(double JD);

}  // namespace kalnika
