#include "elements/day_details.h"

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

std::vector<DayDetails> DetailsOfDays(const std::vector<SunriseDay>& days, GeoPoint place, const Clock& clock) {
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

  // Every eclipse seen from the place within the days, once.
  for (const Eclipse& e : EclipsesVisibleBetween(days.front().reckoning, days.back().nextReckoning, place)) {
    const double seen = FirstSeen(e);
    for (std::size_t i = 0; i < days.size(); ++i)
      if (days[i].reckoning <= seen && seen < days[i].nextReckoning) details[i].eclipses.push_back(e);
  }
  return details;
}

}  // namespace kalnika
