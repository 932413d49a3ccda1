#pragma once
// The offsets of an IANA time zone ("Asia/Kolkata", "America/New_York") on a civil
// date and at an instant, from the zone's rules (clock/zone_rules.h). No Qt.
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
// - After the last change the file lists (2037 for zones with summer time) the
//   zone's rule for all later years holds, which each tzdata file carries as a
//   POSIX TZ string ("EST5EDT,M3.2.0,M11.1.0").
// - The saving is never negative: where tzdata marks winter time as a negative
//   saving (Europe/Dublin since 1971, Africa/Windhoek 1994-2017, Morocco during
//   Ramadan), the smaller offset counts as standard time and the larger one as the
//   saving added to it, which is what the daylight-saving check box means.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/zone_rules.h"

namespace kalnika {

// The offsets in force at local noon of one civil date, in hours east of
// Greenwich (west negative): hours = standardHours + savingHours.
struct ZoneOffset {
  double hours = 0;
  double standardHours = 0;
  double savingHours = 0;  // 0 or more: 1 in summer time, 0.5 on Lord Howe Island
};

// The offsets of a zone at 12:00 local clock time of `date` (proleptic Gregorian,
// years -32767..32767; the almanac uses 79..32767).
ZoneOffset ZoneOffsetOn(const ZoneRules& zone, std::chrono::year_month_day date);

// The offset of a zone in force at an instant (seconds since 1970-01-01 0 h UT),
// in seconds east, with the same placeholder rule as ZoneOffsetOn: before the first
// clock time the earliest one.
std::int64_t ZoneOffsetAt(const ZoneRules& zone, std::int64_t utSeconds);

// The instant (seconds since 1970-01-01 0 h UT) at which the zone's clock shows the
// local time `localSeconds` (seconds since 1970-01-01 0 h on the local clock): the
// first of a time shown twice (clocks put back), and for a time the clocks skipped
// the instant they skipped it.
std::int64_t ZoneUtOfLocal(const ZoneRules& zone, std::int64_t localSeconds);

// The answer of a lookup by name: `ok` false when the zone cannot be loaded
// (ZoneRules::Load) or the date does not exist; `error` then says which, in
// English words for a message box.
struct ZoneLookup {
  bool ok = false;
  ZoneOffset offset;
  std::string error;
};

// ZoneOffsetOn of the zone named `zoneName` in the zone folder. Never throws.
ZoneLookup ZoneOffsetOn(std::string_view zoneName, std::chrono::year_month_day date);

}  // namespace kalnika
