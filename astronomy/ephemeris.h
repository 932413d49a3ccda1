#pragma once
// The Sun and the Moon of the precise method, from the Swiss Ephemeris in its
// built-in Moshier mode (analytical theories compiled into the library: no
// ephemeris files are read), and sunrise and sunset at a place. This wrapper is
// the only code of the program that calls the Swiss Ephemeris.
//
// Instants are Julian Days on the universal-time scale; the library converts them
// to dynamical time with its own Delta T. Longitudes are apparent geocentric
// ecliptic longitudes of date (light time, aberration and nutation applied) in
// degrees, reduced to [0, 360). A sidereal longitude is in the Lahiri
// (Chitrapaksha) zodiac: the apparent tropical longitude minus the true ayanamsha,
// the ayanamsha with the nutation in longitude included. That is the same angle
// as the position on the mean equinox of date minus the mean ayanamsha: the
// nutation cancels, so sidereal longitudes carry no nutation wobble.
//
// Valid for instants of the Moshier theories, which end in the year 3003; outside
// them every result is NaN. The almanac asks only within the years below, which
// leave room for the lunations around a month.
//
// Library state: the Swiss Ephemeris keeps its settings (sidereal mode, paths)
// and its caches in one structure per thread (the library is built with
// thread-local storage), so calls from different threads never meet. Within a
// thread every function below sets the sidereal mode it needs before it computes,
// so no result depends on an earlier call, and nothing else is ever set.

#include <optional>

#include "astronomy/sunrise.h"  // SunEvent

namespace kalnika {

// Gregorian years whose months the precise method computes.
inline constexpr int kEphemerisFirstYear = -2999;
inline constexpr int kEphemerisLastYear = 2999;

// A sidereal longitude, degrees [0, 360), with its rate, degrees per day.
struct SiderealLongitude {
  double degrees = 0.0;
  double rate = 0.0;
};

// Sidereal longitudes of the Sun and the Moon at one instant.
struct SunMoonLongitudes {
  SiderealLongitude sun;
  SiderealLongitude moon;
};

// Sidereal longitude of the Sun at jdUt (Julian Day, universal time).
SiderealLongitude SiderealSun(double jdUt);

// Sidereal longitude of the Moon at jdUt.
SiderealLongitude SiderealMoon(double jdUt);

// Both at one instant (one setting of the library for the pair).
SunMoonLongitudes SiderealSunMoon(double jdUt);

// Apparent tropical longitude of the Sun, respectively the Moon, degrees [0, 360).
double TropicalSun(double jdUt);
double TropicalMoon(double jdUt);

// True Lahiri ayanamsha at jdUt, degrees (about 24.2 in 2026), nutation included.
double LahiriAyanamsha(double jdUt);

// A place on the Earth: degrees, north and east positive, at sea level.
struct GeoPoint {
  double latitude = 0.0;
  double longitude = 0.0;
};

// The first rising (Sunrise) or setting (Sunset) of the Sun's upper limb at the sea horizon of the
// place, with the standard refraction of 1013.25 hPa and 15 °C (the times printed
// in almanacs and newspapers), at or after fromJdUt and before untilJdUt; none when
// the Sun does not rise (set) in that span (polar day or night).
std::optional<double> SunEventBetween(SunEvent event, double fromJdUt, double untilJdUt,
                                      GeoPoint place);

enum class MoonEvent { Moonrise, Moonset };

// The first rising (Moonrise) or setting (Moonset) of the Moon's upper limb at the
// sea horizon of the place, as seen from the place (its parallax of up to a degree
// included), with the Sun's standard refraction (1013.25 hPa, 15 °C), at or after
// fromJdUt and before untilJdUt; none when the Moon does not rise (set) in that
// span. The Moon rises some 50 minutes later each day, so about once a month a
// civil date has no moonrise, and once no moonset.
std::optional<double> MoonEventBetween(MoonEvent event, double fromJdUt, double untilJdUt,
                                       GeoPoint place);

}  // namespace kalnika
