#include "astronomy/ephemeris.h"

#include <swephexp.h>

#include <cmath>
#include <limits>

namespace kalnika {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Moshier's theories, with the daily rates (the library differentiates its own
// series; the rate costs next to nothing beside the position).
constexpr int32 kFlags = SEFLG_MOSEPH | SEFLG_SPEED;

// Every sidereal computation starts here: the thread's library state gets the
// Lahiri mode (the ayanamsha counted from its 1956 definition, no user epoch).
void UseLahiri() { swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0); }

// One body, tropical or sidereal, into a longitude and its rate; NaN on an error
// of the library (an instant outside the Moshier range).
SiderealLongitude Compute(int body, double jdUt, int32 extraFlags) {
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, body, kFlags | extraFlags, xx, serr) < 0) return {kNaN, kNaN};
  return {xx[0], xx[3]};
}

// Whether the Sun stays on one side of the horizon throughout [from, until] at the
// latitude: its altitude at the upper culmination is 90 - |latitude - declination|
// and at the lower -90 + |latitude + declination| (degrees). A rising or setting
// upper limb has the centre near -0.83; one degree of margin covers the refraction
// and the change of the declination over a day (0.41 at most).
bool SunStaysOnOneSide(double fromJdUt, double untilJdUt, double latitude) {
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  const double middle = 0.5 * (fromJdUt + untilJdUt);
  if (swe_calc_ut(middle, SE_SUN, SEFLG_MOSEPH | SEFLG_EQUATORIAL, xx, serr) < 0) return false;
  const double declination = xx[1];
  const double highest = 90.0 - std::fabs(latitude - declination);
  const double lowest = -90.0 + std::fabs(latitude + declination);
  return highest < -0.83 - 1.0 || lowest > -0.83 + 1.0;
}

// Beyond this latitude the library seeks risings by scanning, a millisecond a
// call: a polar day or night is recognised first from the declination.
constexpr double kScanningLatitude = 60.0;

// The first rising (or setting) of a body's upper limb at the sea horizon of the
// place within [from, until): none if there is none. Upper limb and refraction are
// the library's defaults for a rising; the pressure and temperature of the
// standard atmosphere give the usual 34' or so of refraction at the horizon.
// Without SE_BIT_GEOCTR_NO_ECL_LAT the body is seen from the place, not from the
// Earth's centre, which for the Moon (a parallax of up to a degree) moves a rising
// by some four minutes.
std::optional<double> RisingOrSetting(int body, bool rising, double fromJdUt, double untilJdUt,
                                      GeoPoint place) {
  double geopos[3] = {place.longitude, place.latitude, 0.0};  // height 0: sea level
  double when = 0.0;
  char serr[AS_MAXCH] = {};
  const int32 status = swe_rise_trans(fromJdUt, body, nullptr, SEFLG_MOSEPH,
                                      rising ? SE_CALC_RISE : SE_CALC_SET, geopos, 1013.25, 15.0,
                                      &when, serr);
  // -2: the body stays above or below the horizon (polar day or night; the Moon
  // at high latitudes).
  if (status < 0 || !std::isfinite(when) || when >= untilJdUt || when < fromJdUt)
    return std::nullopt;
  return when;
}

}  // namespace

SiderealLongitude SiderealSun(double jdUt) {
  UseLahiri();
  return Compute(SE_SUN, jdUt, SEFLG_SIDEREAL);
}

SiderealLongitude SiderealMoon(double jdUt) {
  UseLahiri();
  return Compute(SE_MOON, jdUt, SEFLG_SIDEREAL);
}

SunMoonLongitudes SiderealSunMoon(double jdUt) {
  UseLahiri();
  // The Sun first: the Moon's apparent place reuses the Earth and the nutation the
  // library has just computed for the same instant.
  SunMoonLongitudes both;
  both.sun = Compute(SE_SUN, jdUt, SEFLG_SIDEREAL);
  both.moon = Compute(SE_MOON, jdUt, SEFLG_SIDEREAL);
  return both;
}

double TropicalSun(double jdUt) { return Compute(SE_SUN, jdUt, 0).degrees; }

double TropicalMoon(double jdUt) { return Compute(SE_MOON, jdUt, 0).degrees; }

double LahiriAyanamsha(double jdUt) {
  UseLahiri();
  double ayanamsha = 0.0;
  char serr[AS_MAXCH] = {};
  // The _ex form includes the nutation (the true ayanamsha) and follows the
  // ephemeris flag for Delta T.
  if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH, &ayanamsha, serr) < 0) return kNaN;
  return ayanamsha;
}

std::optional<double> SunEventBetween(SunEvent event, double fromJdUt, double untilJdUt,
                                      GeoPoint place) {
  if (std::fabs(place.latitude) > kScanningLatitude &&
      SunStaysOnOneSide(fromJdUt, untilJdUt, place.latitude))
    return std::nullopt;
  return RisingOrSetting(SE_SUN, event == SunEvent::Sunrise, fromJdUt, untilJdUt, place);
}

std::optional<double> MoonEventBetween(MoonEvent event, double fromJdUt, double untilJdUt,
                                       GeoPoint place) {
  return RisingOrSetting(SE_MOON, event == MoonEvent::Moonrise, fromJdUt, untilJdUt, place);
}

}  // namespace kalnika
