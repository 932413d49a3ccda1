#pragma once
// The classic almanac's own clock rules, which its month table has always shown
// and its sample tables pin to the minute: the zone as a number of hours and the
// daylight-saving box added on top, each column's times floored or rounded its own
// way. The precise method's times use clock.h alone. No Qt.
#include <optional>

#include "calendar/calendar.h"
#include "clock/clock.h"

namespace kalnika {

// The zone of a date as the classic rules take it: hours east of Greenwich and
// the daylight-saving box. A fixed clock gives its offset and its box; a zone's
// clock gives the date's offset (summer time included) and no box.
struct ClassicZone {
  double TimeZone = 0.0;
  bool DaylightSaving = false;
  double Hours() const { return DaylightSaving ? TimeZone + 1.0 : TimeZone; }
};
ClassicZone ClassicZoneOn(const Clock& clock, const CivilDate& date);

// The ending column's clock of a tithi end found at the universal time H:Mi:S of
// its date: t = TimeZone + (S/3600 + (Mi/60 + H)) hours, hour = floor(t), minutes
// = floor of the rest times 60 (so a whole minute can come out one lower);
// negative hours wrap once by 24, hours of 24 and more stay (the early hours of
// the next morning). No daylight saving is applied to this time.
ClockTime TithiEndClock(int H, int Mi, int S, double TimeZone);

// The same for the instant `jdUt` (a whole second of `date`'s universal time, as
// the tithi search finds it).
ClockTime TithiEndClock(const CivilDate& date, double jdUt, double TimeZone);

// Sunrise or sunset at `utHours` (universal time in hours from the date's 0 h, not
// reduced) on the clock of the zone: local = UT + TimeZone, one hour more with the
// box, brought into the day by steps of 24 hours (exactly 24 stays 24), whole hours
// and minutes both floored.
ClockTime SunClock(double utHours, double TimeZone, bool DaylightSaving);

// The minute the classic notes (sign entry, new and full moon) show a local time
// at: seconds above 30 round up, exactly 30 leave the minute (6:59:45 is 7:00).
LocalDateTime AlmanacMinute(const LocalDateTime& time);

}  // namespace kalnika
