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
// Library state: the Swiss Ephemeris keeps its settings (sidereal mode, paths,
// the observer's place) and its caches in one structure per thread (the library
// is built with thread-local storage), so calls from different threads never
// meet. Within a thread every function below sets the sidereal mode or the
// observer's place it needs before it computes (the library's eclipse functions
// set the place themselves), so no result depends on an earlier call, and
// nothing else is ever set.

#include <optional>
#include <vector>

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

// The same without the rates (left 0), where only the places are needed.
SunMoonLongitudes SiderealSunMoonPositions(double jdUt);

// Apparent tropical longitude of the Sun, respectively the Moon, degrees [0, 360).
double TropicalSun(double jdUt);
double TropicalMoon(double jdUt);

// The Moon's geocentric ecliptic latitude, degrees (within about 5.3 of the ecliptic).
double MoonLatitude(double jdUt);

// True Lahiri ayanamsha at jdUt, degrees (about 24.2 in 2026), nutation included.
double LahiriAyanamsha(double jdUt);

// A place on the Earth: degrees, north and east positive, at sea level.
struct GeoPoint {
  double latitude = 0.0;
  double longitude = 0.0;
};

// The first rising (Sunrise) or setting (Sunset) of the Sun's upper limb at the sea horizon of the
// place, with the 34' of refraction at the horizon that almanacs and newspapers
// assume (the upper limb at a true altitude of -34'), at or after fromJdUt and
// before untilJdUt; none when the Sun does not rise (set) in that span (polar day
// or night).
std::optional<double> SunEventBetween(SunEvent event, double fromJdUt, double untilJdUt,
                                      GeoPoint place);

// The same events over a span of days at one place, for the days of a month: the
// Sun's apparent right ascension, declination and distance and the sidereal time
// are computed once a day, and each rising and setting is found between them by
// Newton's method on the upper limb's altitude (the Sun's place interpolated, the
// Earth's rotation reckoned): a few arithmetic steps instead of the library's
// search, a twentieth of its cost, within a few milliseconds of SunEventBetween.
// Beyond kHorizonLatitude, where the Sun can graze the horizon, and for instants
// outside the span, each event is SunEventBetween's.
class SunHorizon {
 public:
  SunHorizon(double fromJdUt, double untilJdUt, GeoPoint place);
  std::optional<double> EventBetween(SunEvent event, double fromJdUt, double untilJdUt) const;

 private:
  struct Sample {
    double rightAscension;  // degrees, unwrapped from the first sample on
    double declination;     // degrees
    double distance;        // astronomical units
    double sidereal;        // Greenwich apparent sidereal time, degrees
  };
  // The Sun's upper limb's true altitude (degrees) at `jdUt` and its rate (degrees
  // per day); false outside the samples.
  bool UpperLimb(double jdUt, double& altitude, double& rate) const;

  GeoPoint place_;
  double first_ = 0.0;  // 0 h UT of the first sample
  std::vector<Sample> samples_;  // one a day
};

// The latitude up to which SunHorizon computes its own events: the Sun rises and
// sets every day there, at an angle steep enough for Newton's method.
inline constexpr double kHorizonLatitude = 60.0;

enum class MoonEvent { Moonrise, Moonset };

// The first rising (Moonrise) or setting (Moonset) of the Moon's upper limb at the
// sea horizon of the place, as seen from the place (its parallax of up to a degree
// included), with the Sun's standard refraction (1013.25 hPa, 15 °C), at or after
// fromJdUt and before untilJdUt; none when the Moon does not rise (set) in that
// span. The Moon rises some 50 minutes later each day, so about once a month a
// civil date has no moonrise, and once no moonset.
std::optional<double> MoonEventBetween(MoonEvent event, double fromJdUt, double untilJdUt,
                                       GeoPoint place);

// --- Eclipses -------------------------------------------------------------------
//
// Solar and lunar eclipses seen from a place, from the library's eclipse functions
// (Swiss Ephemeris programmer's documentation, "Eclipses and occultations":
// swe_sol_eclipse_when_loc, swe_sol_eclipse_when_glob, swe_lun_eclipse_when,
// swe_lun_eclipse_how) and its risings and settings (swe_rise_trans).
//
// Visible: the centre of the eclipsed body is above the horizon of the place, with
// the refraction of the standard atmosphere (apparent altitude above 0), at some
// instant from the first contact to the last. That is the library's own test: its
// local searches call an eclipse visible when the apparent altitude of the body
// is above 0 at a contact or at the maximum, and a body that rises or sets during
// the eclipse is up at one of them. The library's refraction leaves an altitude
// below about -0.56 degrees unrefracted, so "apparent altitude above 0" and "the
// centre above the apparent horizon" are the same; swe_rise_trans with
// SE_BIT_DISC_CENTER finds the instants at which the centre crosses it.
//
// A lunar eclipse's contacts are the same instants everywhere; its contacts come
// from swe_lun_eclipse_when, because swe_lun_eclipse_when_loc leaves out those
// before moonrise or after moonset. A solar eclipse's contacts are the place's own
// (swe_sol_eclipse_when_loc), whether the Sun is up at them or not.

// A solar eclipse (the Moon in front of the Sun) or a lunar one (the Moon in the
// Earth's shadow).
enum class EclipseBody { Sun, Moon };

// Total, annular or partial (solar); total, partial or penumbral (lunar); hybrid:
// a solar eclipse total along part of its path and annular along the rest.
enum class EclipseKind { Total, Annular, Hybrid, Partial, Penumbral };

// A contact or the maximum: its instant (Julian Day, UT) and whether the eclipsed
// body's centre is above the apparent horizon of the place then.
struct EclipseContact {
  double instant = 0.0;
  bool bodyUp = false;
};

struct Eclipse {
  EclipseBody body = EclipseBody::Sun;
  EclipseKind kind = EclipseKind::Partial;  // as seen from the place (never hybrid)
  EclipseKind globalKind = EclipseKind::Partial;  // of the eclipse as catalogues name it;
                                                  // for a lunar eclipse the same as kind
  // Solar: the fraction of the Sun's diameter covered at the maximum, or, where the
  // eclipse is total or annular, the ratio of the Moon's apparent diameter to the
  // Sun's (NASA's magnitude, the library's attr[8]). Lunar: the fraction of the
  // Moon's diameter inside the umbra at the maximum, inside the penumbra for a
  // penumbral eclipse.
  double magnitude = 0.0;
  EclipseContact begin;  // first contact: solar C1, lunar P1 (the penumbra)
  std::optional<EclipseContact> partialBegin;  // lunar U1: the Moon enters the umbra
  std::optional<EclipseContact> centralBegin;  // total or annular phase: solar C2, lunar U2
  EclipseContact maximum;  // greatest eclipse at the place, whether the body is up or not
  std::optional<EclipseContact> centralEnd;  // solar C3, lunar U3
  std::optional<EclipseContact> partialEnd;  // lunar U4
  EclipseContact end;                        // last contact: solar C4, lunar P4
  std::optional<double> bodyRises;  // the centre rises between begin and end (Julian Day UT)
  std::optional<double> bodySets;   // the centre sets between begin and end
};

// The eclipses visible from the place whose span from first to last contact
// overlaps [fromJdUt, untilJdUt), solar and lunar, in order of first contact.
// None outside the ephemeris.
// `solar` and `lunar` choose the kinds sought (each search costs as much as a
// month's other work: a caller that knows one kind cannot happen leaves it out).
std::vector<Eclipse> EclipsesVisibleBetween(double fromJdUt, double untilJdUt, GeoPoint place, bool solar = true,
                                            bool lunar = true);

}  // namespace kalnika
