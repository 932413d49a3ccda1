#pragma once
// Sunrise and sunset by the algorithm of the Almanac for Computers (1990): a
// linear mean anomaly, a two-term equation of the centre, fixed obliquity factors
// and the official zenith of 90°50'.
#include <optional>

#include "calendar/calendar.h"

namespace kalnika {

enum class SunEvent { Sunrise, Sunset };

// Local clock time of sunrise or sunset at the place on a date, whole hours and
// whole minutes (both floored), hours within 0..24. Latitude north and longitude
// east positive, TimeZone hours east of Greenwich; the daylight-saving flag adds
// one hour. Nothing where the Sun does not rise or does not set on the date
// (polar night or midnight sun: |cos H| >= 1).
std::optional<ClockTime> SunriseSunsetTime(const CivilDate& date, double latitude, double longitude,
                                           SunEvent event, double TimeZone, bool DaylightSaving);

}  // namespace kalnika
