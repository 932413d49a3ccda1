#include "elements/sunrise_day.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <future>
#include <iterator>
#include <system_error>

namespace kalnika {

namespace {

constexpr std::array<Element, 5> kElements = {Element::Tithi, Element::Nakshatra, Element::Yoga,
                                              Element::MoonSign, Element::SunSign};

double Reduce360(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0.0) r += 360.0;
  if (r >= 360.0) r -= 360.0;
  return r;
}

// A crossing of a division line: the instant and the division it begins.
struct Crossing {
  double instant;
  int division;
};

// The instant at which the cubic Hermite interpolant of an angle (value and rate
// at both ends of [t0, t1], the end value unwrapped) reaches `target`, with the
// interpolant's rate there; a first guess, within a second or so for the Moon over
// a day, that one evaluation of the ephemeris then refines. Bisection on the cubic:
// the span of a day is halved 40 times, to well under a microsecond.
struct Guess {
  double instant;
  double rate;  // degrees per day
};
Guess HermiteGuess(double t0, double t1, double a0, double r0, double a1, double r1, double target) {
  const double h = t1 - t0;
  auto at = [&](double s) {
    const double s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * a0 + (s3 - 2 * s2 + s) * h * r0 + (-2 * s3 + 3 * s2) * a1 +
           (s3 - s2) * h * r1;
  };
  // d/dt of the interpolant (d/ds divided by h)
  auto rate = [&](double s) {
    const double s2 = s * s;
    return ((6 * s2 - 6 * s) * a0 + (3 * s2 - 4 * s + 1) * h * r0 + (-6 * s2 + 6 * s) * a1 +
            (3 * s2 - 2 * s) * h * r1) /
           h;
  };
  double lo = 0.0, hi = 1.0;
  for (int i = 0; i < 40; ++i) {
    const double mid = 0.5 * (lo + hi);
    (at(mid) < target ? lo : hi) = mid;
  }
  const double s = 0.5 * (lo + hi);
  return {t0 + s * h, rate(s)};
}

// Every crossing of a division line of the element between two reckoning
// instants, in order. Which lines are crossed follows from the values at the two
// ends alone (the angle moves less than 360 degrees in a day), so a day's list
// agrees with the values both days show; a crossing refined to within a
// millisecond of an end is kept inside the interval.
std::vector<Crossing> CrossingsBetween(Element element, double t0, const SunMoonLongitudes& s0,
                                       double t1, const SunMoonLongitudes& s1) {
  const ElementAngle a0 = AngleOf(element, s0);
  const ElementAngle a1 = AngleOf(element, s1);
  const int count = ValueCount(element);
  const int first = DivisionOfAngle(element, a0.degrees);
  const int lines = (DivisionOfAngle(element, a1.degrees) - first + count) % count;
  std::vector<Crossing> crossings;
  if (lines == 0) return crossings;
  const double end = a0.degrees + Reduce360(a1.degrees - a0.degrees);  // unwrapped
  for (int k = 1; k <= lines; ++k) {
    const int division = (first + k) % count;
    const double line = (first + k) * DivisionSpan(element);  // unwrapped, beside a0 and end
    const Guess guess = HermiteGuess(t0, t1, a0.degrees, a0.rate, end, a1.rate, line);
    double when = CrossingNear(element, Reduce360(line), guess.instant, guess.rate);
    if (!(when > t0)) when = t0;  // also catches NaN
    if (when > t1) when = t1;
    if (!crossings.empty() && when < crossings.back().instant) when = crossings.back().instant;
    crossings.push_back({when, division});
  }
  return crossings;
}

// The lunation of a list in which an instant lies (the last one for an instant
// past them all, which the caller's span excludes; none only outside the ephemeris).
Lunation LunationOf(const std::vector<Lunation>& lunations, double jdUt) {
  if (lunations.empty()) return {};
  auto found = std::find_if(lunations.begin(), lunations.end(),
                            [jdUt](const Lunation& l) { return jdUt < l.end; });
  return found == lunations.end() ? lunations.back() : *found;
}

// The reckoning instant of a date without a sunrise: 06:00 local mean time.
double SixLocalMeanTime(const CivilDate& date, GeoPoint place) {
  return JulianDay(date) + 0.25 - place.longitude / 360.0;
}

// The sunset of civil date i (sunrises and local midnights of the dates from the
// first, one more date of each than days). A date with a sunrise has the first
// sunset after it, before the next sunrise: at high latitudes in summer that sunset
// comes after local midnight (Reykjavik 21 June 2000: 00:03 on the 22nd, shown as
// 24:03), and a sunset earlier on the date is the previous evening's. Where the
// next date has no sunrise (the midnight sun begins) the search ends with the next
// date. A date without a sunrise (midnight sun, polar night, or the Sun setting
// for the polar night) has the sunset that falls on it, unless that is the previous
// day's.
std::optional<double> SunsetOfDay(std::size_t i, const std::vector<std::optional<double>>& rises,
                                  const std::vector<double>& midnights, std::optional<double> previousSunset,
                                  const SunHorizon& sun) {
  if (rises[i]) {
    const double until = rises[i + 1] ? *rises[i + 1] : midnights[i + 2];
    return sun.EventBetween(SunEvent::Sunset, *rises[i], until);
  }
  const std::optional<double> set = sun.EventBetween(SunEvent::Sunset, midnights[i], midnights[i + 1]);
  if (set && previousSunset && *set <= *previousSunset) return std::nullopt;
  return set;
}

// The days of a span, computed in one run: ComputeSunriseDays without the split.
std::vector<SunriseDay> ComputeSpan(const CivilDate& first, int count, GeoPoint place, const Clock& clock) {
  std::vector<SunriseDay> days;
  if (count <= 0) return days;

  // Civil dates 0..count (the last only for its reckoning instant) and the local
  // midnights that bound them.
  std::vector<CivilDate> dates{first};
  for (int i = 0; i <= count; ++i) dates.push_back(AddDays(dates.back(), 1));
  std::vector<double> midnights;
  for (const CivilDate& d : dates) midnights.push_back(clock.MidnightOf(d));

  // The Sun's horizon from the date before the first (its reckoning, below) to
  // the last midnight.
  const CivilDate before = AddDays(first, -1);
  const double midnightBefore = clock.MidnightOf(before);
  const SunHorizon sun(midnightBefore, midnights.back(), place);

  days.resize(static_cast<std::size_t>(count));
  std::vector<double> reckonings(static_cast<std::size_t>(count) + 1);
  std::vector<std::optional<double>> rises(reckonings.size());
  for (std::size_t i = 0; i < reckonings.size(); ++i) {
    rises[i] = sun.EventBetween(SunEvent::Sunrise, midnights[i], midnights[i + 1]);
    reckonings[i] = rises[i] ? *rises[i] : SixLocalMeanTime(dates[i], place);
  }
  for (std::size_t i = 0; i < days.size(); ++i) {
    days[i].date = dates[i];
    days[i].sunrise = rises[i];
    days[i].sunset = SunsetOfDay(i, rises, midnights, i > 0 ? days[i - 1].sunset : std::nullopt, sun);
  }

  // The reckoning of the date before the first: whether a value current at the
  // first sunrise already was at the one before.
  const std::optional<double> riseBefore = sun.EventBetween(SunEvent::Sunrise, midnightBefore, midnights[0]);
  const double reckoningBefore = riseBefore ? *riseBefore : SixLocalMeanTime(before, place);

  std::vector<SunMoonLongitudes> states;
  states.reserve(reckonings.size());
  for (double r : reckonings) states.push_back(SiderealSunMoon(r));

  // Crossings of each element per day, and the first one after the last reckoning
  // (the end of the value current there).
  std::array<std::vector<std::vector<Crossing>>, kElements.size()> crossings;
  std::array<double, kElements.size()> tailEnd{};
  for (std::size_t e = 0; e < kElements.size(); ++e) {
    for (std::size_t i = 0; i < days.size(); ++i)
      crossings[e].push_back(CrossingsBetween(kElements[e], reckonings[i], states[i],
                                              reckonings[i + 1], states[i + 1]));
    tailEnd[e] = NextChange(kElements[e], reckonings.back());
  }

  const std::vector<Lunation> lunations = LunationsBetween(reckonings.front(), reckonings.back());

  for (std::size_t i = 0; i < days.size(); ++i) {
    SunriseDay& day = days[i];
    day.reckoning = reckonings[i];
    day.previousReckoning = i > 0 ? reckonings[i - 1] : reckoningBefore;
    day.nextReckoning = reckonings[i + 1];
    day.values = ValuesOfLongitudes(states[i]);

    for (std::size_t e = 0; e < kElements.size(); ++e) {
      const Element element = kElements[e];
      // End of the value current at the reckoning: the first crossing after it.
      double end = tailEnd[e];
      for (std::size_t j = i; j < days.size(); ++j)
        if (!crossings[e][j].empty()) {
          end = crossings[e][j].front().instant;
          break;
        }
      ElementRun run{{ValueOf(day.values, element), end}, {}};
      const std::vector<Crossing>& within = crossings[e][i];
      for (std::size_t k = 0; k + 1 < within.size(); ++k)
        run.skipped.push_back({ValueOfDivision(element, within[k].division), within[k + 1].instant});

      switch (element) {
        case Element::Tithi:
          day.tithi = run;
          for (const Crossing& c : within) {
            if (c.division == 0) day.newMoon = c.instant;
            if (c.division == 15) day.fullMoon = c.instant;
          }
          break;
        case Element::Nakshatra: day.nakshatra = run; break;
        case Element::Yoga: day.yoga = run; break;
        case Element::MoonSign: day.moonSign = run; break;
        case Element::SunSign:
          if (!within.empty())
            day.sunSignEntry = SunSignEntry{within.front().division, within.front().instant};
          break;
      }
    }

    // The lunation in which the reckoning instant lies.
    day.lunation = LunationOf(lunations, day.reckoning);
    day.eras = ErasOfMonth(day.lunation.start, day.lunation.month.index);
    day.nextLunation = LunationOf(lunations, day.nextReckoning);
  }
  return days;
}

// Spans shorter than this are not split: a thread would cost more than it saves.
constexpr int kSplitSpan = 16;

}  // namespace

std::vector<SunriseDay> ComputeSunriseDays(const CivilDate& first, int count, GeoPoint place, const Clock& clock) {
  if (count < kSplitSpan) return ComputeSpan(first, count, place, clock);
  // The two halves of a span share nothing but the values current at their
  // boundary, whose end the first half finds by its own search (the same crossing,
  // within a millisecond): computed at once on two threads they take half the time
  // on a machine of two cores. The Swiss Ephemeris keeps its state per thread.
  const int firstHalf = count / 2;
  std::future<std::vector<SunriseDay>> later;
  try {
    later = std::async(std::launch::async, ComputeSpan, AddDays(first, firstHalf), count - firstHalf, place,
                       std::cref(clock));
  } catch (const std::system_error&) {
    return ComputeSpan(first, count, place, clock);  // no thread to be had: one after the other
  }
  std::vector<SunriseDay> days = ComputeSpan(first, firstHalf, place, clock);
  std::vector<SunriseDay> rest = later.get();
  days.insert(days.end(), std::make_move_iterator(rest.begin()), std::make_move_iterator(rest.end()));
  return days;
}

}  // namespace kalnika
