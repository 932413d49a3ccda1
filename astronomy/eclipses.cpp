// The eclipses seen from a place (astronomy/ephemeris.h), from the Swiss
// Ephemeris's eclipse functions.
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "astronomy/ephemeris.h"

namespace kalnika {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The atmosphere of the rise and set times (and of SunEventBetween): 1013.25 hPa,
// 15 degrees C.
constexpr double kPressure = 1013.25;
constexpr double kTemperature = 15.0;

// A day before the instant from which eclipses are listed: no eclipse lasts half a
// day (a lunar eclipse's penumbral phase, the longest, about six hours), so one that
// is still going on at `from` began less than a day earlier.
constexpr double kSearchLead = 1.0;

// After an eclipse the next of its body is a lunation away, or five months: the
// search goes on a day after it.
constexpr double kAfterEclipse = 1.0;

// Golden-section steps for the solar maximum: the span of at most four hours
// shrinks by 0.618 a step, to well under a millisecond in 40 steps.
constexpr int kGoldenSteps = 40;

int BodyNumber(EclipseBody body) { return body == EclipseBody::Sun ? SE_SUN : SE_MOON; }

// Apparent altitude in degrees of the centre of the Sun or the Moon at the place:
// topocentric (the Moon's parallax reaches a degree), refracted for the standard
// atmosphere. The observer's place is set first: the topocentric flag reads it.
double ApparentAltitude(EclipseBody body, double jdUt, GeoPoint place) {
  double geopos[3] = {place.longitude, place.latitude, 0.0};
  swe_set_topo(geopos[0], geopos[1], geopos[2]);
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, BodyNumber(body), SEFLG_MOSEPH | SEFLG_EQUATORIAL | SEFLG_TOPOCTR, xx,
                  serr) < 0)
    return kNaN;
  double xaz[3] = {};
  swe_azalt(jdUt, SE_EQU2HOR, geopos, kPressure, kTemperature, xx, xaz);
  return xaz[2];
}

EclipseContact ContactAt(EclipseBody body, double jdUt, GeoPoint place) {
  return {jdUt, ApparentAltitude(body, jdUt, place) > 0.0};
}

// The library's contact times hold 0 where the eclipse has no such contact.
std::optional<EclipseContact> OptionalContact(EclipseBody body, double jdUt, GeoPoint place) {
  if (jdUt == 0.0 || !std::isfinite(jdUt)) return std::nullopt;
  return ContactAt(body, jdUt, place);
}

// The first instant in (from, until) at which the body's centre rises (sets) at the
// place, crossing the apparent horizon; none when it does not, or never in the
// day (the library answers -2 for a body that stays up or down).
std::optional<double> CentreCrossing(EclipseBody body, int32 event, double from, double until,
                                     GeoPoint place) {
  double geopos[3] = {place.longitude, place.latitude, 0.0};
  double when = 0.0;
  char serr[AS_MAXCH] = {};
  const int32 status = swe_rise_trans(from, BodyNumber(body), nullptr, SEFLG_MOSEPH,
                                      event | SE_BIT_DISC_CENTER, geopos, kPressure, kTemperature,
                                      &when, serr);
  if (status < 0 || !std::isfinite(when) || !(when > from && when < until)) return std::nullopt;
  return when;
}

// The body's rising and setting within the eclipse.
void FindRiseAndSet(Eclipse& e, GeoPoint place) {
  e.bodyRises = CentreCrossing(e.body, SE_CALC_RISE, e.begin.instant, e.end.instant, place);
  e.bodySets = CentreCrossing(e.body, SE_CALC_SET, e.begin.instant, e.end.instant, place);
}

// Whether the body is up at some instant of the eclipse: at a contact or the
// maximum, or rising or setting in between.
bool Visible(const Eclipse& e) {
  return e.begin.bodyUp || e.maximum.bodyUp || e.end.bodyUp || e.bodyRises || e.bodySets;
}

// Angular distance in degrees between the topocentric centres of the Sun and the
// Moon at the place, and their apparent radii (half the library's apparent
// diameters); false outside the ephemeris.
struct SunMoonDisks {
  double separation = 0.0;
  double sunRadius = 0.0;
  double moonRadius = 0.0;
};
bool DisksAt(double jdUt, GeoPoint place, SunMoonDisks& disks) {
  constexpr double kRadians = 0.017453292519943278;
  double geopos[3] = {place.longitude, place.latitude, 0.0};
  swe_set_topo(geopos[0], geopos[1], geopos[2]);
  constexpr int32 flags = SEFLG_MOSEPH | SEFLG_EQUATORIAL | SEFLG_TOPOCTR;
  double sun[6] = {}, moon[6] = {}, sunPheno[20] = {}, moonPheno[20] = {};
  char serr[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, SE_SUN, flags, sun, serr) < 0 ||
      swe_calc_ut(jdUt, SE_MOON, flags, moon, serr) < 0 ||
      swe_pheno_ut(jdUt, SE_SUN, SEFLG_MOSEPH | SEFLG_TOPOCTR, sunPheno, serr) < 0 ||
      swe_pheno_ut(jdUt, SE_MOON, SEFLG_MOSEPH | SEFLG_TOPOCTR, moonPheno, serr) < 0)
    return false;
  const double cosine = std::sin(sun[1] * kRadians) * std::sin(moon[1] * kRadians) +
                        std::cos(sun[1] * kRadians) * std::cos(moon[1] * kRadians) *
                            std::cos((sun[0] - moon[0]) * kRadians);
  // A rounding can take the cosine a hair past 1 at a central eclipse.
  disks.separation = std::acos(std::clamp(cosine, -1.0, 1.0)) / kRadians;
  disks.sunRadius = sunPheno[3] / 2.0;
  disks.moonRadius = moonPheno[3] / 2.0;
  return true;
}

// The greatest eclipse at the place, whether the Sun is up or not: the instant of
// least separation of the two disks within [c1, c4], and the magnitude there.
// swe_sol_eclipse_when_loc gives it only when the Sun is up then; otherwise it
// reports the sunrise or sunset, and swe_sol_eclipse_how has no magnitude for a
// Sun below the horizon. The library's own maximum, where it gives one, is this
// instant (within a second), and this magnitude differs from its attr[8] by about
// 2e-4 (its eclipse code takes radii of its own).
void GeometricMaximum(double c1, double c4, GeoPoint place, bool central, Eclipse& e) {
  constexpr double kGolden = 0.6180339887498949;
  double lo = c1, hi = c4;
  SunMoonDisks a, b;
  for (int i = 0; i < kGoldenSteps; ++i) {
    const double m1 = hi - kGolden * (hi - lo);
    const double m2 = lo + kGolden * (hi - lo);
    if (!DisksAt(m1, place, a) || !DisksAt(m2, place, b)) break;
    if (a.separation < b.separation)
      hi = m2;
    else
      lo = m1;
  }
  const double at = 0.5 * (lo + hi);
  e.maximum = ContactAt(EclipseBody::Sun, at, place);
  SunMoonDisks d;
  if (!DisksAt(at, place, d)) return;
  const double ratio = d.moonRadius / d.sunRadius;
  if (central) {
    e.kind = ratio >= 1.0 ? EclipseKind::Total : EclipseKind::Annular;
    e.magnitude = ratio;
  } else {
    e.kind = EclipseKind::Partial;
    e.magnitude = (d.sunRadius + d.moonRadius - d.separation) / (2.0 * d.sunRadius);
  }
}

// The kind of a solar eclipse as swe_sol_eclipse_when_glob classifies it.
EclipseKind GlobalSolarKind(int32 flags) {
  if (flags & SE_ECL_ANNULAR_TOTAL) return EclipseKind::Hybrid;
  if (flags & SE_ECL_TOTAL) return EclipseKind::Total;
  if (flags & SE_ECL_ANNULAR) return EclipseKind::Annular;
  return EclipseKind::Partial;
}

// Every solar eclipse on the Earth (swe_sol_eclipse_when_glob), and for each that
// comes near the span the place's own circumstances (swe_sol_eclipse_when_loc). The
// local search finds the next eclipse the place sees, however far ahead: asked only
// in the month of an eclipse, it costs nothing in the others, and its answer is
// this eclipse only if its first contact comes within half a day of the greatest
// eclipse on the Earth (the Moon's penumbra stays on the Earth for less than seven
// hours).
std::vector<Eclipse> SolarEclipses(double fromJdUt, double untilJdUt, GeoPoint place) {
  constexpr double kLocalReach = 0.5;
  std::vector<Eclipse> found;
  double geopos[3] = {place.longitude, place.latitude, 0.0};
  double start = fromJdUt - kSearchLead;
  for (;;) {
    double global[10] = {};
    char serr[AS_MAXCH] = {};
    const int32 globalFlags = swe_sol_eclipse_when_glob(start, SEFLG_MOSEPH, 0, global, 0, serr);
    if (globalFlags <= 0 || !std::isfinite(global[0])) break;
    const double greatest = global[0];
    if (greatest - kLocalReach >= untilJdUt) break;
    start = greatest + kAfterEclipse;
    if (greatest + kLocalReach < fromJdUt) continue;

    // tret: 0 maximum (or the sunrise or sunset when the Sun is down at it), 1..4
    // the contacts C1..C4 (0 for C2 and C3 of a partial eclipse).
    double tret[10] = {}, attr[20] = {};
    const int32 flags =
        swe_sol_eclipse_when_loc(greatest - kLocalReach, SEFLG_MOSEPH, geopos, tret, attr, 0, serr);
    if (flags <= 0 || !std::isfinite(tret[1]) || !std::isfinite(tret[4])) continue;
    if (tret[1] > greatest + kLocalReach) continue;  // a later eclipse: this one is not seen
    if (tret[4] < fromJdUt || tret[1] >= untilJdUt) continue;

    Eclipse e;
    e.body = EclipseBody::Sun;
    e.globalKind = GlobalSolarKind(globalFlags);
    e.begin = ContactAt(e.body, tret[1], place);
    e.centralBegin = OptionalContact(e.body, tret[2], place);
    e.centralEnd = OptionalContact(e.body, tret[3], place);
    e.end = ContactAt(e.body, tret[4], place);
    if (flags & SE_ECL_MAX_VISIBLE) {
      e.maximum = ContactAt(e.body, tret[0], place);
      e.magnitude = attr[8];
      e.kind = (flags & SE_ECL_TOTAL)     ? EclipseKind::Total
               : (flags & SE_ECL_ANNULAR) ? EclipseKind::Annular
                                          : EclipseKind::Partial;
    } else {
      GeometricMaximum(tret[1], tret[4], place, e.centralBegin.has_value(), e);
    }
    FindRiseAndSet(e, place);
    if (Visible(e)) found.push_back(e);
  }
  return found;
}

std::vector<Eclipse> LunarEclipses(double fromJdUt, double untilJdUt, GeoPoint place) {
  std::vector<Eclipse> found;
  double geopos[3] = {place.longitude, place.latitude, 0.0};
  double start = fromJdUt - kSearchLead;
  for (;;) {
    // tret: 0 maximum, 2 and 3 the umbral contacts U1 and U4, 4 and 5 U2 and U3, 6
    // and 7 the penumbral P1 and P4 (0 where the eclipse has no such phase).
    double tret[10] = {};
    char serr[AS_MAXCH] = {};
    const int32 flags = swe_lun_eclipse_when(start, SEFLG_MOSEPH, 0, tret, 0, serr);
    if (flags <= 0 || !std::isfinite(tret[6]) || !std::isfinite(tret[7])) break;
    if (tret[6] >= untilJdUt) break;
    start = tret[7] + kAfterEclipse;
    if (tret[7] < fromJdUt) continue;

    Eclipse e;
    e.body = EclipseBody::Moon;
    e.kind = (flags & SE_ECL_TOTAL)     ? EclipseKind::Total
             : (flags & SE_ECL_PARTIAL) ? EclipseKind::Partial
                                        : EclipseKind::Penumbral;
    e.globalKind = e.kind;
    e.begin = ContactAt(e.body, tret[6], place);
    e.partialBegin = OptionalContact(e.body, tret[2], place);
    e.centralBegin = OptionalContact(e.body, tret[4], place);
    e.maximum = ContactAt(e.body, tret[0], place);
    e.centralEnd = OptionalContact(e.body, tret[5], place);
    e.partialEnd = OptionalContact(e.body, tret[3], place);
    e.end = ContactAt(e.body, tret[7], place);
    // attr: 0 the umbral magnitude, 1 the penumbral, at the maximum.
    double attr[20] = {};
    if (swe_lun_eclipse_how(tret[0], SEFLG_MOSEPH, geopos, attr, serr) >= 0)
      e.magnitude = e.kind == EclipseKind::Penumbral ? attr[1] : attr[0];
    FindRiseAndSet(e, place);
    if (Visible(e)) found.push_back(e);
  }
  return found;
}

}  // namespace

std::vector<Eclipse> EclipsesVisibleBetween(double fromJdUt, double untilJdUt, GeoPoint place, bool solar,
                                            bool lunar) {
  std::vector<Eclipse> eclipses;
  if (solar) eclipses = SolarEclipses(fromJdUt, untilJdUt, place);
  if (lunar) {
    const std::vector<Eclipse> moon = LunarEclipses(fromJdUt, untilJdUt, place);
    eclipses.insert(eclipses.end(), moon.begin(), moon.end());
  }
  std::sort(eclipses.begin(), eclipses.end(), [](const Eclipse& a, const Eclipse& b) {
    return a.begin.instant < b.begin.instant;
  });
  return eclipses;
}

}  // namespace kalnika
