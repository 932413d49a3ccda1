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
// the day), and the clock the ending column shows for it at the zone TimeZone
// (15:37 reads 15H37, 03:40 of the next morning 27H40). No daylight saving is
// applied to this time.
struct TithiEnd {
  double jd = 0.0;  // the found second, Julian Day, universal time
  ClockTime clock;
};
TithiEnd TithiEndingTime(const CivilDate& date, double TimeZone);

// The tithi number at a Julian Day, with the four longitudes of that instant.
struct TithiAt {
  double Lm, Ls, Lmc, Lsc;
  int tithi;
};
TithiAt TithiOfJulianDay(double JD);

// Clock of a found universal time H:Mi:S at the given zone, as the ending column
// shows it: t = TimeZone + (S/3600 + (Mi/60 + H)) hours, hour = floor(t), minutes
// = floor of the rest times 60 (so a whole minute can come out one lower);
// negative hours wrap once by 24, hours of 24 and more stay (the early hours of
// the next morning).
ClockTime TithiEndClock(int H, int Mi, int S, double TimeZone);

}  // namespace kalnika
