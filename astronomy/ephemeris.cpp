#include "astronomy/ephemeris.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace kalnika {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Moshier's theories, with the daily rates (the library differentiates its own
// series numerically: the Moon's rate costs two more evaluations).
constexpr int32 kFlags = SEFLG_MOSEPH | SEFLG_SPEED;
// The position alone.
constexpr int32 kPositionFlags = SEFLG_MOSEPH;

// Every sidereal computation starts here: the thread's library state gets the
// Lahiri mode (the ayanamsha counted from its 1956 definition, no user epoch).
void UseLahiri() { swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0); }

// One body, tropical or sidereal, into a longitude and its rate; NaN on an error
// of the library (an instant outside the Moshier range).
SiderealLongitude Compute(int body, double jdUt, int32 extraFlags, int32 flags = kFlags) {
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, body, flags | extraFlags, xx, serr) < 0) return {kNaN, kNaN};
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

// The library's rise and set search can pass over an event within seconds of the
// instant it starts from: at Reykjavik, started at 0 h UT of 17 June 2026, it
// returns the sunset of the 18th (00:01:17) instead of the one 22 s after the
// start. So it starts an hour before the span, and an event it finds before the
// span is searched past again, a minute after it (no body rises twice, or sets
// twice, within a minute).
constexpr double kRiseSetLead = 1.0 / 24.0;
constexpr double kPastEvent = 1.0 / 1440.0;

// How a rising or setting is defined. Refracted: the apparent upper limb on the
// horizon, the library refracting the true altitude by its formula for the
// standard atmosphere (1013.25 hPa, 15 degrees C), about 33.5' at the horizon.
// Almanac: the upper limb at a true altitude of -34', the refraction that the
// almanacs and the astronomical tables assume at the horizon (the Sun's centre
// 34' and its semi-diameter below the true horizon). The half minute of arc
// between the two is a few seconds of time in India, but minutes where the Sun
// grazes the horizon: at Tromso on 17 May 2026 the sunset moves by 83 s.
enum class Horizon { Refracted, Almanac };
constexpr double kAlmanacRefraction = 34.0 / 60.0;  // degrees
// The Sun's semi-diameter at 1 AU, degrees (959.63", IAU).
constexpr double kSunSemiDiameter = 959.63 / 3600.0;

// The true altitude of the Sun's upper limb at the place, degrees: the centre seen
// from the place, without refraction, and the semi-diameter at its distance; NaN on
// an error of the library.
double SunUpperLimbAltitude(double jdUt, GeoPoint place) {
  double geopos[3] = {place.longitude, place.latitude, 0.0};
  swe_set_topo(geopos[0], geopos[1], geopos[2]);  // the topocentric flag reads it
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, SE_SUN, SEFLG_MOSEPH | SEFLG_EQUATORIAL | SEFLG_TOPOCTR, xx, serr) < 0 || !(xx[2] > 0.0))
    return kNaN;
  double xaz[3] = {};
  swe_azalt(jdUt, SE_EQU2HOR, geopos, 1013.25, 15.0, xx, xaz);  // xaz[1]: the true altitude
  return xaz[1] + kSunSemiDiameter / xx[2];
}

// The Sun's rising or setting near `near` (the library's refracted one, seconds
// away) on the almanacs' horizon: the upper limb's true altitude brought to -34' by
// steps along its rate at `near` (taken over 20 s), stopped after a step below
// 0.05 s. The half minute of arc is crossed where the rate hardly changes, so one
// step or two settle it. Nothing when it does not settle within ten minutes (a Sun
// that grazes the horizon; the caller keeps the library's instant then).
std::optional<double> OnAlmanacHorizon(double near, GeoPoint place) {
  constexpr double kHalfSpan = 10.0 / 86400.0;
  const double rate = (SunUpperLimbAltitude(near + kHalfSpan, place) - SunUpperLimbAltitude(near - kHalfSpan, place)) /
                      (2.0 * kHalfSpan);
  double t = near;
  for (int step = 0; step < 4; ++step) {
    const double shift = (SunUpperLimbAltitude(t, place) + kAlmanacRefraction) / rate;
    if (!std::isfinite(shift)) return std::nullopt;
    t -= shift;
    if (std::fabs(t - near) > 600.0 / 86400.0) return std::nullopt;
    if (std::fabs(shift) < 0.05 / 86400.0) return t;
  }
  return std::nullopt;
}

// The first rising (or setting) of a body's upper limb at the sea horizon of the
// place within [from, until): none if there is none. Without
// SE_BIT_GEOCTR_NO_ECL_LAT the body is seen from the place, not from the Earth's
// centre, which for the Moon (a parallax of up to a degree) moves a rising by some
// four minutes. The library's search iterates up to some 65 degrees of latitude
// (0.05 ms a call) and scans beyond (2 ms), and scans at every latitude for a
// horizon of its own (swe_rise_trans_true_hor): so the Sun on the almanacs'
// horizon is found there by its scan beyond kScanningLatitude, where the Sun can
// graze the horizon, and by the iteration and a refinement (OnAlmanacHorizon)
// nearer the equator.
std::optional<double> RisingOrSetting(int body, bool rising, double fromJdUt, double untilJdUt,
                                      GeoPoint place, Horizon horizon) {
  double geopos[3] = {place.longitude, place.latitude, 0.0};  // height 0: sea level
  const bool scanAlmanac = horizon == Horizon::Almanac && std::fabs(place.latitude) > kScanningLatitude;
  const int32 event = (rising ? SE_CALC_RISE : SE_CALC_SET) | (scanAlmanac ? SE_BIT_NO_REFRACTION : 0);
  double start = fromJdUt - kRiseSetLead;
  // Within the hour before the span a body rises (sets) twice at most, where it
  // grazes the horizon: three searches reach past it.
  for (int search = 0; search < 3; ++search) {
    double found = 0.0;
    char serr[AS_MAXCH] = {};
    const int32 status =
        scanAlmanac ? swe_rise_trans_true_hor(start, body, nullptr, SEFLG_MOSEPH, event, geopos, 1013.25, 15.0,
                                              -kAlmanacRefraction, &found, serr)
                    : swe_rise_trans(start, body, nullptr, SEFLG_MOSEPH, event, geopos, 1013.25, 15.0, &found, serr);
    // -2: the body stays above or below the horizon (polar day or night; the Moon
    // at high latitudes).
    if (status < 0 || !std::isfinite(found)) return std::nullopt;
    const double when =
        horizon == Horizon::Almanac && !scanAlmanac ? OnAlmanacHorizon(found, place).value_or(found) : found;
    if (when >= untilJdUt) return std::nullopt;
    if (when >= fromJdUt) return when;
    start = found + kPastEvent;
  }
  return std::nullopt;
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

SunMoonLongitudes SiderealSunMoonPositions(double jdUt) {
  UseLahiri();
  SunMoonLongitudes both;
  both.sun = Compute(SE_SUN, jdUt, SEFLG_SIDEREAL, kPositionFlags);
  both.moon = Compute(SE_MOON, jdUt, SEFLG_SIDEREAL, kPositionFlags);
  return both;
}

double TropicalSun(double jdUt) { return Compute(SE_SUN, jdUt, 0).degrees; }

double TropicalMoon(double jdUt) { return Compute(SE_MOON, jdUt, 0).degrees; }

double MoonLatitude(double jdUt) {
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, SE_MOON, SEFLG_MOSEPH, xx, serr) < 0) return kNaN;
  return xx[1];
}

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
  return RisingOrSetting(SE_SUN, event == SunEvent::Sunrise, fromJdUt, untilJdUt, place, Horizon::Almanac);
}

// --- The Sun's horizon over a span of days ------------------------------------

namespace {

constexpr double kRadian = 0.017453292519943295;  // degrees to radians
// The Sun's equatorial horizontal parallax at 1 AU, degrees (8.794148", IAU).
constexpr double kSunParallax = 8.794148 / 3600.0;
// The Earth's turn against the equinox, degrees per day of UT (the mean sidereal
// rate; the nutation's change within a day is well below a millisecond of time).
constexpr double kSiderealRate = 360.98564736629;
// Newton's method stops after a step below this (0.01 s), and gives up after
// kNewtonSteps steps, leaving the day to the library.
constexpr double kNewtonStop = 0.01 / 86400.0;
constexpr int kNewtonSteps = 8;

// The cubic through (-1, y0), (0, y1), (1, y2), (2, y3) at s in [0, 1].
double Cubic(double y0, double y1, double y2, double y3, double s) {
  return -y0 * s * (s - 1) * (s - 2) / 6 + y1 * (s + 1) * (s - 1) * (s - 2) / 2 - y2 * (s + 1) * s * (s - 2) / 2 +
         y3 * (s + 1) * s * (s - 1) / 6;
}

}  // namespace

SunHorizon::SunHorizon(double fromJdUt, double untilJdUt, GeoPoint place) : place_(place) {
  // Samples at 0 h UT from the day before the span's first to two days after its
  // last: a cubic through four of them around every instant of the span.
  if (std::fabs(place.latitude) > kHorizonLatitude || !(untilJdUt >= fromJdUt) || untilJdUt - fromJdUt > 4000.0)
    return;
  first_ = std::floor(fromJdUt - 0.5) - 0.5;
  const auto count = static_cast<std::size_t>(std::ceil(untilJdUt - first_)) + 3;
  samples_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double jd = first_ + static_cast<double>(i);
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    if (swe_calc_ut(jd, SE_SUN, SEFLG_MOSEPH | SEFLG_EQUATORIAL, xx, serr) < 0 || !(xx[2] > 0.0)) {
      samples_.clear();  // outside the ephemeris: the library answers, or not
      return;
    }
    const double ra = samples_.empty() ? xx[0] : samples_.back().rightAscension + std::remainder(xx[0] - samples_.back().rightAscension, 360.0);
    samples_.push_back({ra, xx[1], xx[2], swe_sidtime(jd) * 15.0});
  }
}

bool SunHorizon::UpperLimb(double jdUt, double& altitude, double& rate) const {
  const double x = jdUt - first_;
  if (!(x >= 1.0) || !(x < static_cast<double>(samples_.size()) - 2.0)) return false;
  const auto k = static_cast<std::size_t>(x);
  const double s = x - static_cast<double>(k);
  const Sample &a = samples_[k - 1], &b = samples_[k], &c = samples_[k + 1], &d = samples_[k + 2];
  const double ra = Cubic(a.rightAscension, b.rightAscension, c.rightAscension, d.rightAscension, s);
  const double dec = Cubic(a.declination, b.declination, c.declination, d.declination, s) * kRadian;
  const double distance = Cubic(a.distance, b.distance, c.distance, d.distance, s);
  const double sidereal = b.sidereal + kSiderealRate * (jdUt - first_ - static_cast<double>(k));
  const double hourAngle = (sidereal + place_.longitude - ra) * kRadian;
  const double latitude = place_.latitude * kRadian;
  const double geocentric =
      std::asin(std::sin(latitude) * std::sin(dec) + std::cos(latitude) * std::cos(dec) * std::cos(hourAngle));
  // Seen from the place, the Sun stands lower by its parallax in altitude.
  const double topocentric = geocentric - std::asin(std::sin(kSunParallax / distance * kRadian) * std::cos(geocentric));
  altitude = topocentric / kRadian + kSunSemiDiameter / distance;
  // The altitude's rate as the hour angle turns (the declination's change within
  // a day only slows Newton's method a little).
  const double turn = kSiderealRate - (c.rightAscension - b.rightAscension);
  rate = -std::cos(latitude) * std::cos(dec) * std::sin(hourAngle) / std::cos(geocentric) * turn;
  return std::isfinite(altitude) && std::isfinite(rate);
}

std::optional<double> SunHorizon::EventBetween(SunEvent event, double fromJdUt, double untilJdUt) const {
  const auto library = [&] { return SunEventBetween(event, fromJdUt, untilJdUt, place_); };
  double altitude = 0.0, rate = 0.0;
  if (samples_.empty() || !UpperLimb(fromJdUt, altitude, rate) || !UpperLimb(untilJdUt, altitude, rate))
    return library();
  const bool rising = event == SunEvent::Sunrise;
  // The first guess: step an hour at a time from `from` until the altitude passes
  // the horizon in the event's sense (an hour is less than the shortest day or
  // night within kHorizonLatitude), then the secant's point within that hour.
  const double horizon = -kAlmanacRefraction;
  double t = fromJdUt;
  UpperLimb(t, altitude, rate);
  double previous = altitude - horizon;
  bool bracketed = false;
  while (!bracketed && t < untilJdUt) {
    const double next = std::min(t + 1.0 / 24.0, untilJdUt);
    if (!UpperLimb(next, altitude, rate)) return library();
    const double now = altitude - horizon;
    if (rising ? (previous < 0.0 && now >= 0.0) : (previous > 0.0 && now <= 0.0)) {
      t += (next - t) * previous / (previous - now);
      bracketed = true;
    } else {
      previous = now;
      t = next;
    }
  }
  if (!bracketed) return std::nullopt;
  for (int step = 0; step < kNewtonSteps; ++step) {
    if (!UpperLimb(t, altitude, rate) || (rising ? !(rate > 0.0) : !(rate < 0.0))) return library();
    const double shift = (altitude - horizon) / rate;
    t -= shift;
    if (std::fabs(shift) < kNewtonStop) {
      if (t < fromJdUt || t >= untilJdUt) return std::nullopt;
      return t;
    }
  }
  return library();
}

std::optional<double> MoonEventBetween(MoonEvent event, double fromJdUt, double untilJdUt,
                                       GeoPoint place) {
  return RisingOrSetting(SE_MOON, event == MoonEvent::Moonrise, fromJdUt, untilJdUt, place, Horizon::Refracted);
}

}  // namespace kalnika
