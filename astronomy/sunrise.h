#pragma once
// Sunrise and sunset by the algorithm of the Almanac for Computers (1990): a
// linear mean anomaly, a two-term equation of the centre, fixed obliquity factors
// and the official zenith of 90°50'.
#include <string>

namespace kalnika {

// Xdvng text shown for a sunrise or sunset that does not happen on the date
// (polar night or midnight sun): "n:ahi", read नाही ("none").
inline constexpr const char* kNoSunriseSunsetText = "n:ahi";

// Local clock time of sunrise (Rise true) or sunset at the place: whole hours, "H",
// whole minutes, no leading zeros ("6H5" is 06:05). Latitude north and longitude
// east positive, TimeZone hours east of Greenwich; the daylight-saving flag adds
// one hour. Where the Sun does not rise or does not set on the date (|cos H| >= 1)
// the result is kNoSunriseSunsetText.
std::string SunriseSunsetTime(int month, int year, int day, double latitude, double longitude,
                              bool Rise, double TimeZone, bool DaylightSaving);

}  // namespace kalnika
