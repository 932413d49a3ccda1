#pragma once
// UTC offsets of IANA time zones ("Asia/Kolkata", "America/New_York") from the
// system's time-zone database (tzdata in /usr/share/zoneinfo, read through Howard
// Hinnant's date/tz), for the almanac's clock times on a given civil date. No Qt.
//
// Which offset a date gets:
// - Dates inside tzdata's recorded history get the offset in force then, wartime
//   and double summer time included (London 1941-45, India 1942-45).
// - Before a zone's first recorded clock time tzdata has only a placeholder: the
//   local mean time (LMT) of the zone's main city (Kolkata 5:53:28, New York
//   -4:56:02), which nobody's clock showed and which is not the mean time of the
//   user's town either. Such dates get the zone's earliest recorded clock time
//   instead (New York -5:00, Kathmandu +5:30, Kolkata +5:53:20 Howrah time), so
//   a table of 1850 reads like one of the zone's first years of clock time.
// - Years after the last transition the files list (2037 for zones with summer
//   time) follow the zone's rule for all later years, which each tzdata file
//   carries as a POSIX TZ string ("EST5EDT,M3.2.0,M11.1.0"); date/tz as built with
//   the system database stops at the last listed transition.
// - The saving is never negative: where tzdata marks winter time as a negative
//   saving (Europe/Dublin since 1971, Africa/Windhoek 1994-2017, Morocco during
//   Ramadan), the smaller offset counts as standard time and the larger one as the
//   saving added to it, which is what the daylight-saving check box means.
#include <chrono>
#include <string>
#include <string_view>

namespace kalnika {

// The offsets in force at local noon of one civil date, in hours east of
// Greenwich (west negative): hours = standardHours + savingHours.
struct ZoneOffset {
  double hours = 0;
  double standardHours = 0;
  double savingHours = 0;  // 0 or more: 1 in summer time, 0.5 on Lord Howe Island
};

// The answer of a zone lookup: `ok` false when the zone name is unknown to tzdata,
// the date is not a valid one, or tzdata cannot be read; `error` then says which,
// in English words for a message box.
struct ZoneLookup {
  bool ok = false;
  ZoneOffset offset;
  std::string error;
};

// The offset of zone `zoneName` at 12:00 local clock time of `date` (proleptic
// Gregorian, years -32767..32767; the almanac uses 79..32767). Never throws.
ZoneLookup ZoneOffsetOn(std::string_view zoneName, std::chrono::year_month_day date);

}  // namespace kalnika
