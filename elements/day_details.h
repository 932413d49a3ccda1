#pragma once
// What a page for one day adds to the almanac days of the precise method
// (sunrise_day.h): the karanas, the Moon's rising and setting, the periods of the
// day, and the eclipses seen from the place. Values and instants only (Julian Days
// in universal time), like the rest of elements/.
//
// - Karanas: as for the other elements of the day, the karana current at the
//   sunrise with its end and each one that begins and ends before the next sunrise
//   (karana.h).
// - Moonrise and moonset: the first of each between the civil date's local
//   midnights (astronomy/ephemeris.h), as day pages print them; none on a date
//   without one.
// - Periods (day_periods.h): from the day's sunrise and sunset and the next date's
//   sunrise. The Brahma muhurta is the one that ends at the day's own sunrise (the
//   14th muhurta of the night from the previous date's sunset), as day pages print
//   it under their date; none when that night has no sunset or no sunrise.
// - Eclipses: those seen from the place (EclipsesVisibleBetween), found once for
//   all the days given. An eclipse belongs to the day (sunrise to the next sunrise)
//   in which it is first seen from the place: at its first contact, or where the
//   Sun or the Moon rises eclipsed, at that rising. A lunar eclipse of the night is
//   so the day's whose evening it begins in (7 September 2025, seen in India from
//   21:57 to 01:27 on the 8th, is the eclipse of Bhadrapada Purnima, 7 September,
//   as Marathi almanacs print it "the night of the 7th"), and a solar eclipse seen
//   at sunrise belongs to the day that sunrise begins.
#include <optional>
#include <span>
#include <vector>

#include "astronomy/ephemeris.h"
#include "clock/clock.h"
#include "elements/day_periods.h"
#include "elements/sunrise_day.h"

namespace kalnika {

struct DayDetails {
  ElementRun karana;                       // karanas 0..10 (karana.h)
  std::optional<double> moonrise, moonset;  // on the civil date
  DayPeriods periods;                      // brahmaMuhurta: the one before the day's sunrise
  std::vector<Eclipse> eclipses;           // first seen within the day, in order
};

// The instant from which an eclipse is seen from the place: its first contact when
// the eclipsed body is up then, else the body's rising during it, else the first of
// its maximum and last contact at which the body is up (its first contact when none
// is: an eclipse the place does not see).
double FirstSeen(const Eclipse& eclipse);

// The details of consecutive almanac days (ComputeSunriseDays), one per day. A
// day's Brahma muhurta needs the day before it in `days` (its sunset), its night
// periods the day after it (its sunrise): the first day has no Brahma muhurta and
// the last no night periods here; a caller that shows them computes a day more on
// either side. The eclipses are sought once, from the first day's sunrise to the
// last day's next reckoning; one first seen outside them belongs to no day here.
// They are sought only where a day holds a new or full moon near a node of the
// Moon's orbit (an eclipse of the first or last day whose syzygy lies outside the
// days may so be missed: callers give a day more on either side anyway).
std::vector<DayDetails> DetailsOfDays(std::span<const SunriseDay> days, GeoPoint place, const Clock& clock);

// The eclipses alone, as DetailsOfDays places them (the rest left empty): what a
// month's notes need, without the Moon's rising and setting, the periods and the
// karanas of its day pages.
std::vector<DayDetails> EclipsesOfDays(std::span<const SunriseDay> days, GeoPoint place);

}  // namespace kalnika
