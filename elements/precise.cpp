#include "elements/precise.h"

#include <cmath>

#include "astronomy/moon_phase.h"
#include "elements/eras.h"

namespace kalnika {

namespace {

// Angle in degrees into [0, 360). fmod of a tiny negative angle plus 360 can round
// to exactly 360, which belongs to 0.
double Reduce360(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0.0) r += 360.0;
  if (r >= 360.0) r -= 360.0;
  return r;
}

// Angle in degrees into [-180, 180]: how far the first angle is past the second.
double PastBy(double degrees, double targetDegrees) {
  return std::remainder(degrees - targetDegrees, 360.0);
}

// Only the bodies an element needs are computed: the Moon costs three times the Sun.
SunMoonLongitudes LongitudesFor(Element element, double jdUt) {
  switch (element) {
    case Element::Tithi:
    case Element::Yoga: return SiderealSunMoon(jdUt);
    case Element::Nakshatra:
    case Element::MoonSign: return {{}, SiderealMoon(jdUt)};
    case Element::SunSign: break;
  }
  return {SiderealSun(jdUt), {}};
}

// Newton's method on how far the angle is past the target, with the rate the
// library gives. The iteration stops after applying a step shorter than 1e-4 day
// (8.6 s): the error left after a step s is about |f''| / (2 f') * s^2, and no
// angle here has |f''| above 0.5 degree/day^2 (the Moon's) or f' below 0.95
// degree/day (the Sun's), so it is below 0.3 * 1e-8 day, 0.3 ms. 30 steps bound a
// run that the library's NaN (an instant outside its range) would never end.
double Refine(Element element, double targetDegrees, double guess) {
  double t = guess;
  for (int i = 0; i < 30; ++i) {
    const ElementAngle a = AngleOf(element, LongitudesFor(element, t));
    const double step = -PastBy(a.degrees, targetDegrees) / a.rate;
    if (!std::isfinite(step)) return std::nan("");
    t += step;
    if (std::fabs(step) < 1e-4) return t;
  }
  return t;
}

// The mean synodic month, days.
constexpr double kMeanSynodicMonth = 29.530589;

int SunSignAt(double jdUt) {
  return DivisionOfAngle(Element::SunSign, SiderealSun(jdUt).degrees);
}

// Sidereal year, days: the Sun's return to the same sidereal longitude.
constexpr double kSiderealYear = 365.256363;
// 14 March 2026, 0 h UT: about when the Sun entered Mina (Pisces) in 2026. The
// first lunation of Shaka 1948 began at the next new moon (19 March 2026).
constexpr double kMinaEntry2026 = 2461113.5;
constexpr int kShakaAfterMinaEntry2026 = 1948;

}  // namespace

double DivisionSpan(Element element) { return 360.0 / ValueCount(element); }

ElementAngle AngleOf(Element element, const SunMoonLongitudes& at) {
  switch (element) {
    case Element::Tithi:
      return {Reduce360(at.moon.degrees - at.sun.degrees), at.moon.rate - at.sun.rate};
    case Element::Yoga:
      return {Reduce360(at.moon.degrees + at.sun.degrees), at.moon.rate + at.sun.rate};
    case Element::Nakshatra:
    case Element::MoonSign: return {at.moon.degrees, at.moon.rate};
    case Element::SunSign: break;
  }
  return {at.sun.degrees, at.sun.rate};
}

// The quotient of an angle just below 360 can round up to the count itself, which
// belongs to the last division. NaN (an instant outside the ephemeris) gives 0
// rather than an undefined conversion.
int DivisionOfAngle(Element element, double degrees) {
  if (!std::isfinite(degrees)) return 0;
  const int count = ValueCount(element);
  int d = static_cast<int>(std::floor(degrees * count / 360.0));
  if (d >= count) d = count - 1;
  if (d < 0) d = 0;
  return d;
}

int ValueOfDivision(Element element, int division) {
  return element == Element::Tithi ? division + 1 : division;
}

int ValueCount(Element element) {
  switch (element) {
    case Element::Tithi: return 30;
    case Element::Nakshatra:
    case Element::Yoga: return 27;
    case Element::MoonSign:
    case Element::SunSign: break;
  }
  return 12;
}

PreciseValues ValuesOfLongitudes(const SunMoonLongitudes& at) {
  auto value = [&at](Element e) {
    return ValueOfDivision(e, DivisionOfAngle(e, AngleOf(e, at).degrees));
  };
  PreciseValues v;
  v.tithi = value(Element::Tithi);
  v.nakshatra = value(Element::Nakshatra);
  v.yoga = value(Element::Yoga);
  v.moonSign = value(Element::MoonSign);
  v.sunSign = value(Element::SunSign);
  return v;
}

PreciseValues PreciseValuesAt(double jdUt) { return ValuesOfLongitudes(SiderealSunMoon(jdUt)); }

int ValueOf(const PreciseValues& values, Element element) {
  switch (element) {
    case Element::Tithi: return values.tithi;
    case Element::Nakshatra: return values.nakshatra;
    case Element::Yoga: return values.yoga;
    case Element::MoonSign: return values.moonSign;
    case Element::SunSign: break;
  }
  return values.sunSign;
}

double CrossingNear(Element element, double targetDegrees, double guess) {
  return Refine(element, targetDegrees, guess);
}

double NextChange(Element element, double jdUt) {
  const ElementAngle a = AngleOf(element, LongitudesFor(element, jdUt));
  const int next = DivisionOfAngle(element, a.degrees) + 1;
  const double target = Reduce360(next * DivisionSpan(element));
  // Distance to the line ahead, (0, span]; the first guess assumes today's rate.
  double ahead = Reduce360(target - a.degrees);
  if (ahead == 0.0) ahead = DivisionSpan(element);
  return Refine(element, target, jdUt + ahead / a.rate);
}

namespace {

// The first instant after jdUt at which the elongation reaches `target` (0 for the
// new moon, 180 for the full moon), and the last at or before it. The search
// starts from the phase by Meeus's series (Astronomical Algorithms, ch. 49): in
// dynamical time, so within ΔT (a minute today, three hours at the precise
// method's earliest years) of the library's instant in universal time, from which
// Newton's method takes two or three steps. The series' instant is later than the
// library's by ΔT (under three hours from the year 79 to 2999) give or take its
// minutes of error: one more than a quarter day before jdUt is before it in
// universal time too, and one more than a quarter day after it is after it. A
// phase within the quarter day may lie on either side, and is checked once found.
constexpr double kLunationZero = 2451550.09766;  // Meeus's lunation 0: the new moon of 6 January 2000
constexpr double kPhaseMargin = 0.25;            // days, beyond ΔT and the series' error

int PhaseOf(double target) { return target == 0.0 ? 0 : 2; }

// Meeus's lunation number K whose phase lies near jdUt (within half a lunation).
double LunationNumberNear(double target, double jdUt) {
  return std::round((jdUt - kLunationZero) / kMeanSynodicMonth - PhaseOf(target) * 0.25);
}

double NextElongation(double target, double jdUt) {
  const int phase = PhaseOf(target);
  double K = LunationNumberNear(target, jdUt) - 1.0;
  while (MoonPhaseJDE(phase, K) <= jdUt - kPhaseMargin) K += 1.0;
  double t = Refine(Element::Tithi, target, MoonPhaseJDE(phase, K));
  if (t <= jdUt) t = Refine(Element::Tithi, target, MoonPhaseJDE(phase, K + 1.0));
  return t;
}

double PreviousElongation(double target, double jdUt) {
  const int phase = PhaseOf(target);
  double K = LunationNumberNear(target, jdUt) + 1.0;
  while (MoonPhaseJDE(phase, K) > jdUt + kPhaseMargin) K -= 1.0;
  double t = Refine(Element::Tithi, target, MoonPhaseJDE(phase, K));
  if (t > jdUt) t = Refine(Element::Tithi, target, MoonPhaseJDE(phase, K - 1.0));
  return t;
}

}  // namespace

double NextNewMoon(double jdUt) { return NextElongation(0.0, jdUt); }
double NextFullMoon(double jdUt) { return NextElongation(180.0, jdUt); }
double PreviousNewMoon(double jdUt) { return PreviousElongation(0.0, jdUt); }
double PreviousFullMoon(double jdUt) { return PreviousElongation(180.0, jdUt); }

std::vector<Lunation> LunationsBetween(double fromJdUt, double untilJdUt) {
  // New moons from the one before the first lunation (to know whether that lunation
  // follows an added month) to the one that ends the last. Consecutive new moons
  // are more than 29 days apart, so one day past a new moon the next is sought.
  const double first = PreviousNewMoon(fromJdUt);
  std::vector<double> newMoons{PreviousNewMoon(first - 1.0), first};
  while (newMoons.back() <= untilJdUt) newMoons.push_back(NextNewMoon(newMoons.back() + 1.0));

  std::vector<int> signs;
  signs.reserve(newMoons.size());
  for (double n : newMoons) signs.push_back(SunSignAt(n));

  // Sign entries during the lunation from new moon i to i + 1: 0, 1 or 2 (a sign
  // lasts longer than 29.3 days, a lunation less than 29.9, so never 3).
  auto entries = [&signs](std::size_t i) { return (signs[i + 1] - signs[i] + 12) % 12; };

  std::vector<Lunation> lunations;
  for (std::size_t i = 1; i + 1 < newMoons.size(); ++i) {
    Lunation l;
    l.month.index = (signs[i] + 1) % 12;
    l.start = newMoons[i];
    l.end = newMoons[i + 1];
    const int n = entries(i);
    if (n == 0)
      l.month.kind = MonthKind::Added;
    else if (entries(i - 1) == 0)
      l.month.kind = MonthKind::RegularAfterAdded;
    if (n == 2) l.skippedIndex = (signs[i] + 2) % 12;
    lunations.push_back(l);
  }
  return lunations;
}

Lunation LunationAt(double jdUt) {
  const std::vector<Lunation> lunations = LunationsBetween(jdUt, jdUt);
  return lunations.empty() ? Lunation{} : lunations.front();  // empty only outside the ephemeris
}

Eras ErasOfMonth(double start, int monthIndex) {
  // Whole sidereal years since the Sun entered Mina in 2026, counted at the new moon
  // that begins the lunation. At that new moon the Sun stands in the sign before
  // the month's name, so its longitude past the beginning of Mina lies within
  // [30 * index, 30 * index + 30); the mean Sun differs from it by the equation of
  // the centre (2 degrees) and the year's rounding, so the difference of the mean
  // longitude since 2026 and the middle of that range rounds to whole circles with
  // more than 150 degrees to spare.
  const double meanSince = (start - kMinaEntry2026) / kSiderealYear * 360.0;
  const double sinceMina = 30.0 * monthIndex + 15.0;
  const auto years = static_cast<int>(std::lround((meanSince - sinceMina) / 360.0));
  Eras e;
  e.shaka = kShakaAfterMinaEntry2026 + years;
  // The Vikram year of this almanac begins with Kartika (index 7): 135 years ahead
  // of Shaka from Kartika to Phalguna, 134 from Chaitra to Ashvina.
  e.vikram = e.shaka + (monthIndex >= 7 ? 135 : 134);
  e.samvatsara = SamvatsaraNumber(e.shaka);
  return e;
}

}  // namespace kalnika
