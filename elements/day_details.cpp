#include "elements/day_details.h"

#include <cmath>

#include "calendar/calendar.h"
#include "elements/karana.h"

namespace kalnika {

double FirstSeen(const Eclipse& eclipse) {
  if (eclipse.begin.bodyUp) return eclipse.begin.instant;
  if (eclipse.bodyRises) return *eclipse.bodyRises;
  for (const EclipseContact& c : {eclipse.maximum, eclipse.end})
    if (c.bodyUp) return c.instant;
  return eclipse.begin.instant;
}

namespace {

// The Moon's latitude at a new or full moon beyond which no eclipse, solar or
// lunar, penumbral included, can happen: Meeus, Astronomical Algorithms (2nd ed.),
// ch. 54, "if |sin F| > 0.36 there is no eclipse", F the Moon's argument of
// latitude; the latitude is 5.145 sin F degrees (the orbit's inclination), 1.85,
// here with a margin.
constexpr double kEclipseLatitude = 2.0;

// Whether a day of `days` holds a new moon (`syzygy` SunriseDay::newMoon, for a
// solar eclipse) or a full moon (fullMoon, lunar) close enough to a node for an
// eclipse: the library's eclipse search (the next eclipse anywhere on the Earth,
// however far) is then worth its cost, as much as a month's other work.
bool EclipsePossible(std::span<const SunriseDay> days, std::optional<double> SunriseDay::*syzygy) {
  for (const SunriseDay& day : days)
    if (const std::optional<double>& at = day.*syzygy; at && !(std::fabs(MoonLatitude(*at)) > kEclipseLatitude))
      return true;
  return false;
}

// Every eclipse seen from the place within the days, once, on the day it is first
// seen in.
void AddEclipses(std::span<const SunriseDay> days, GeoPoint place, std::vector<DayDetails>& details) {
  if (days.empty()) return;
  const bool solar = EclipsePossible(days, &SunriseDay::newMoon);
  const bool lunar = EclipsePossible(days, &SunriseDay::fullMoon);
  if (!solar && !lunar) return;
  for (const Eclipse& e :
       EclipsesVisibleBetween(days.front().reckoning, days.back().nextReckoning, place, solar, lunar)) {
    const double seen = FirstSeen(e);
    for (std::size_t i = 0; i < days.size(); ++i)
      if (days[i].reckoning <= seen && seen < days[i].nextReckoning) details[i].eclipses.push_back(e);
  }
}

}  // namespace

std::vector<DayDetails> EclipsesOfDays(std::span<const SunriseDay> days, GeoPoint place) {
  std::vector<DayDetails> details(days.size());
  AddEclipses(days, place, details);
  return details;
}

std::vector<DayDetails> DetailsOfDays(std::span<const SunriseDay> days, GeoPoint place, const Clock& clock) {
  std::vector<DayDetails> details(days.size());
  if (days.empty()) return details;

  for (std::size_t i = 0; i < days.size(); ++i) {
    const SunriseDay& day = days[i];
    DayDetails& d = details[i];
    d.karana = KaranaRunBetween(day.reckoning, day.nextReckoning);

    const double midnight = clock.MidnightOf(day.date);
    const double nextMidnight = clock.MidnightOf(AddDays(day.date, 1));
    d.moonrise = MoonEventBetween(MoonEvent::Moonrise, midnight, nextMidnight, place);
    d.moonset = MoonEventBetween(MoonEvent::Moonset, midnight, nextMidnight, place);

    const std::optional<double> nextSunrise = i + 1 < days.size() ? days[i + 1].sunrise : std::nullopt;
    d.periods = PeriodsOfDay({day.sunrise, day.sunset, nextSunrise, WeekdayNumber(day.date)});
    d.periods.brahmaMuhurta.reset();
    const std::optional<double> previousSunset = i > 0 ? days[i - 1].sunset : std::nullopt;
    if (previousSunset && day.sunrise && *previousSunset < *day.sunrise)
      d.periods.brahmaMuhurta = BrahmaMuhurtaOfNight({*previousSunset, *day.sunrise});
  }

  AddEclipses(days, place, details);
  return details;
}

}  // namespace kalnika
