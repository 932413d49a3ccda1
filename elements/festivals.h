#pragma once
// The festivals of a span of civil dates at a place, by the precise method: every
// festival the place file has a note for, once per occurrence, on the one date its
// observance rule gives (elements/observance.h), from the almanac days reckoned at
// sunrise (elements/sunrise_day.h) and their lunations.
//
// A tithi's festival belongs to the lunar month (amanta) of the lunation in which
// the tithi lies. No festival is kept in an added (adhika) month: its tithis belong
// to the regular month of the same name that follows. A lost (kshaya) month bears
// two names: its bright fortnight keeps the festivals of the first, its dark
// fortnight those of the second.

#include <map>
#include <optional>
#include <set>
#include <span>
#include <vector>

#include "astronomy/ephemeris.h"
#include "calendar/calendar.h"
#include "elements/observance.h"
#include "elements/sunrise_day.h"

namespace kalnika {

// The rules of the place file's [OBSERVANCE] section, by key.
using ObservanceRules = std::map<FestivalKey, ObservanceRule>;

// The rule of a festival: its row's; the sunrise rule for a tithi's note without one
// (or with a rule that is not a tithi's); the entry before sunset for a sankranti.
ObservanceRule RuleOf(const FestivalKey& key, const ObservanceRules& rules);

// A festival on the date it is kept.
struct FestivalDay {
  FestivalKey key;
  Observance observance;
  // A chandrodaya rule: the Moon's rise on the chosen date (Julian Day UT), which
  // the note shows; none for other rules, or on a date without a moonrise.
  std::optional<double> moonrise;
};

// The festivals of `keys` kept on the `count` civil dates from `first` at the place,
// in date order (an Ekadashi with a Bhagavata rule twice where that day differs from
// the smarta one). The place's clock bounds each civil date, as for the sunrise days.
std::vector<FestivalDay> FestivalsBetween(const CivilDate& first, int count, GeoPoint place, const Clock& clock,
                                          const std::set<FestivalKey>& keys,
                                          const ObservanceRules& rules);

// The almanac days a span's festivals need before its first date and after its
// last. A festival's date lies at most three days after the day in which its tithi
// begins (a tithi held at two sunrises, its second day, then the Bhagavata day or
// the day after), and its tithi's beginning is known only from the second day
// computed on.
inline constexpr int kFestivalMarginDays = 6;

// The same from almanac days computed already (ComputeSunriseDays at the place on
// the clock): `days` are the `count` dates of the span with kFestivalMarginDays more
// on either side; none when they are not that many. The month's rows share them.
std::vector<FestivalDay> FestivalsOfDays(std::span<const SunriseDay> days, int count, GeoPoint place,
                                         const Clock& clock, const std::set<FestivalKey>& keys,
                                         const ObservanceRules& rules);

}  // namespace kalnika
