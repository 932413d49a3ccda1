#include "elements/sunrise_day.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <future>
#include <iterator>
#include <optional>
#include <span>
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

// The samples a crossing is read from: the reckoning instants kSamplesBeside
// before the day's and after the next day's, with the day's two, are the nodes of
// the interpolating polynomial. The Moon's place from Moshier's series carries
// terms of short period whose higher derivatives make the polynomial converge
// slowly: through daily samples, 8 nodes leave 64 ms of the Moon's motion
// between the middle two, 10 leave 11 ms, 12 leave 2.2 ms and 14 leave 0.56 ms
// (the largest error over 400 days of 2020, against the library at a tenth of a
// day). The library's own rates are no help: its Moon's rate is off by up to
// 1e-4 degree a day, 70 ms at a crossing.
constexpr int kSamplesBeside = 6;
constexpr int kNodes = 2 * kSamplesBeside + 2;

// An angle that only grows, through its values at kNodes instants about a day
// apart: the polynomial in Newton's form (divided differences), instants counted
// from the day's reckoning to keep the digits of the Julian day out of it.
class AngleThroughSamples {
 public:
  AngleThroughSamples(const std::array<double, kNodes>& t, const std::array<double, kNodes>& value)
      : origin_(t[kSamplesBeside]) {
    std::array<double, kNodes> q = value;
    for (int i = 0; i < kNodes; ++i) z_[i] = t[i] - origin_;
    coefficient_[0] = q[0];
    for (int j = 1; j < kNodes; ++j) {
      for (int i = kNodes - 1; i >= j; --i) q[i] = (q[i] - q[i - 1]) / (z_[i] - z_[i - j]);
      coefficient_[j] = q[j];
    }
  }

  double At(double jdUt) const {
    const double x = jdUt - origin_;
    double p = coefficient_[kNodes - 1];
    for (int j = kNodes - 2; j >= 0; --j) p = p * (x - z_[j]) + coefficient_[j];
    return p;
  }

  // The instant in [from, until] at which the polynomial reaches `target`, which
  // it passes there: bisection to under a microsecond, then the secant through
  // the last bracket.
  double Reaches(double target, double from, double until) const {
    double lo = from, hi = until;
    double atLo = At(lo) - target, atHi = At(hi) - target;
    for (int i = 0; i < 40 && hi - lo > 1e-11; ++i) {
      const double mid = 0.5 * (lo + hi);
      const double atMid = At(mid) - target;
      if (atMid < 0.0) {
        lo = mid;
        atLo = atMid;
      } else {
        hi = mid;
        atHi = atMid;
      }
    }
    return atHi > atLo ? lo + (hi - lo) * (-atLo / (atHi - atLo)) : 0.5 * (lo + hi);
  }

 private:
  double origin_;
  std::array<double, kNodes> z_{};
  std::array<double, kNodes> coefficient_{};
};

// The samples of one day's polynomial: instants and the bodies' places there.
struct Samples {
  std::array<double, kNodes> t{};
  std::array<const SunMoonLongitudes*, kNodes> at{};
};

// Whether a day's samples can carry the polynomial: every place known (an instant
// outside the ephemeris has none) and the instants a day apart give or take six
// hours. Sunrises drift by minutes a day; only near the polar day or night, where
// a date without a sunrise is reckoned at 06:00 local mean time, do they jump.
bool Regular(Element element, const Samples& s) {
  for (int i = 0; i < kNodes; ++i) {
    if (!std::isfinite(AngleOf(element, *s.at[i]).degrees)) return false;
    if (i > 0 && std::fabs(s.t[i] - s.t[i - 1] - 1.0) > 0.25) return false;
  }
  return true;
}

// The element's angle at the samples, unwrapped into one increasing run beside
// the day's own (which stays in [0, 360)): the angle moves less than 360 degrees
// in a day.
std::array<double, kNodes> Unwrapped(Element element, const Samples& s) {
  std::array<double, kNodes> raw{}, value{};
  for (int i = 0; i < kNodes; ++i) raw[i] = AngleOf(element, *s.at[i]).degrees;
  value[kSamplesBeside] = raw[kSamplesBeside];
  for (int i = kSamplesBeside + 1; i < kNodes; ++i) value[i] = value[i - 1] + Reduce360(raw[i] - raw[i - 1]);
  for (int i = kSamplesBeside - 1; i >= 0; --i) value[i] = value[i + 1] - Reduce360(raw[i + 1] - raw[i]);
  return value;
}

// Every crossing of a division line of the element between the day's reckoning
// instant and the next, in order. Which lines are crossed follows from the values
// at the two alone, so a day's list agrees with the values both days show. The
// instants come from the polynomial through the samples, within 0.6 ms of the
// library's own search (about 1 ms where sunrises drift fast, before the midnight
// sun); where the samples are irregular, from the library itself.
std::vector<Crossing> CrossingsBetween(Element element, const Samples& s) {
  const double t0 = s.t[kSamplesBeside], t1 = s.t[kSamplesBeside + 1];
  const ElementAngle a0 = AngleOf(element, *s.at[kSamplesBeside]);
  const ElementAngle a1 = AngleOf(element, *s.at[kSamplesBeside + 1]);
  const int count = ValueCount(element);
  const int first = DivisionOfAngle(element, a0.degrees);
  const int lines = (DivisionOfAngle(element, a1.degrees) - first + count) % count;
  std::vector<Crossing> crossings;
  if (lines == 0) return crossings;
  const bool regular = Regular(element, s);
  std::optional<AngleThroughSamples> angle;
  if (regular) angle.emplace(s.t, Unwrapped(element, s));
  const double end = a0.degrees + Reduce360(a1.degrees - a0.degrees);  // unwrapped
  for (int k = 1; k <= lines; ++k) {
    const int division = (first + k) % count;
    const double line = (first + k) * DivisionSpan(element);  // unwrapped, beside a0 and end
    double when = 0.0;
    if (angle) {
      when = angle->Reaches(line, t0, t1);
    } else {
      const double guess = t0 + (t1 - t0) * (line - a0.degrees) / (end - a0.degrees);
      when = CrossingNear(element, Reduce360(line), guess);
    }
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

  // The bodies' places at each reckoning, and at kSamplesBeside instants a day
  // apart before the first and after the last, for the polynomials of the days
  // near the ends.
  std::vector<double> sampleTimes;
  sampleTimes.reserve(reckonings.size() + 2 * kSamplesBeside);
  for (int k = kSamplesBeside; k >= 1; --k) sampleTimes.push_back(reckonings.front() - k);
  sampleTimes.insert(sampleTimes.end(), reckonings.begin(), reckonings.end());
  for (int k = 1; k <= kSamplesBeside; ++k) sampleTimes.push_back(reckonings.back() + k);
  std::vector<SunMoonLongitudes> samples;
  samples.reserve(sampleTimes.size());
  for (double t : sampleTimes) samples.push_back(SiderealSunMoonPositions(t));
  const auto states = std::span(samples).subspan(kSamplesBeside, reckonings.size());
  auto samplesOfDay = [&](std::size_t i) {
    Samples s;
    for (std::size_t n = 0; n < kNodes; ++n) {
      s.t[n] = sampleTimes[i + n];
      s.at[n] = &samples[i + n];
    }
    return s;
  };

  // Crossings of each element per day, and the first one after the last reckoning
  // (the end of the value current there), sought only for an element that the
  // last day does not see change: most days see a tithi, nakshatra and yoga end.
  std::array<std::vector<std::vector<Crossing>>, kElements.size()> crossings;
  for (std::size_t e = 0; e < kElements.size(); ++e)
    for (std::size_t i = 0; i < days.size(); ++i) crossings[e].push_back(CrossingsBetween(kElements[e], samplesOfDay(i)));
  std::array<std::optional<double>, kElements.size()> tailEnd{};
  auto tailEndOf = [&](std::size_t e) {
    if (!tailEnd[e]) tailEnd[e] = NextChange(kElements[e], reckonings.back());
    return *tailEnd[e];
  };

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
      std::optional<double> end;
      for (std::size_t j = i; j < days.size() && !end; ++j)
        if (!crossings[e][j].empty()) end = crossings[e][j].front().instant;
      ElementRun run{{ValueOf(day.values, element), end ? *end : tailEndOf(e)}, {}};
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
// Each half takes its own samples beyond its ends, its own lunations and a
// thread whose library state starts cold. A month with its festivals' margins
// (43 to 44 days) took a median 7.8 ms in a whole run of the tool split in two,
// and 7.0 ms in one run (hyperfine, 300 runs each, on two cores); a year is
// computed in little more than half the time split.
constexpr int kSplitSpan = 100;

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
