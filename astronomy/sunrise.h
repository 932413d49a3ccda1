#pragma once
// Sunrise and sunset by the algorithm of the Almanac for Computers (1990): a
// linear mean anomaly, a two-term equation of the centre, fixed obliquity factors
// and the official zenith of 90°50'.
#include <optional>

#include "calendar/calendar.h"

namespace kalnika {

enum class SunEvent { Sunrise, Sunset };

// Universal time of sunrise or sunset at the place on a date, in hours from the
// date's 0 h UT, not reduced to the day (about -7 to 32, more near the date line);
// the place's clock makes the table's time of it (clock/almanac_clock.h).
// Latitude north and longitude east positive. Nothing where the Sun does not rise
// or does not set on the date (polar night or midnight sun: |cos H| >= 1).
std::optional<double> SunriseSunsetUT(const CivilDate& date, double latitude, double longitude, SunEvent event);

}  // namespace kalnika
