#pragma once
// Almanac days of the precise method: a day runs from the sunrise of its civil
// date to the sunrise of the next, at the place. Its tithi, nakshatra, yoga, signs,
// lunar month and era years are those current at its sunrise; every instant (the
// end of a tithi, a sign entry, a new or full moon) belongs to the day it falls
// in. A value that begins and ends between two sunrises (current at no sunrise, a
// "skipped" tithi, nakshatra or yoga) is named, with its end, by the day in which
// it lies; a value current at two sunrises is shown by both days.
//
// Polar day and night: on a civil date on which the Sun does not rise at the
// place, the day is reckoned at 06:00 local mean time (longitude / 15 hours east
// of Greenwich), and it has no sunrise (and no sunset when the Sun does not set).
//
// Every instant is a Julian Day in universal time.

#include <optional>
#include <vector>

#include "astronomy/ephemeris.h"
#include "calendar/calendar.h"
#include "clock/clock.h"
#include "elements/precise.h"

namespace kalnika {

// A value of an element and the instant it ends.
struct Ending {
  int value = 0;
  double end = 0.0;
};

// One element through an almanac day: the value current at the reckoning instant
// with its end (which may lie after the next reckoning), then each value that
// begins and ends within the day (before the next reckoning), in order.
struct ElementRun {
  Ending current;
  std::vector<Ending> skipped;
};

// The Sun's entry into a sign (0..11).
struct SunSignEntry {
  int sign = 0;
  double instant = 0.0;
};

struct SunriseDay {
  CivilDate date;
  std::optional<double> sunrise;  // none when the Sun does not rise on the date
  std::optional<double> sunset;   // the first after the sunrise, perhaps after midnight;
                                  // none when it does not set
  double reckoning = 0.0;         // the sunrise, or 06:00 local mean time without one
  double previousReckoning = 0.0; // the reckoning instant of the civil date before
  double nextReckoning = 0.0;     // the reckoning instant of the next civil date
  PreciseValues values;           // at the reckoning instant
  ElementRun tithi, nakshatra, yoga, moonSign;
  std::optional<SunSignEntry> sunSignEntry;  // within [reckoning, nextReckoning)
  std::optional<double> newMoon, fullMoon;  // within [reckoning, nextReckoning)
  Lunation lunation;      // the one in which the reckoning instant lies
  Eras eras;              // of its month
  Lunation nextLunation;  // the one at the next reckoning instant: another after a
                          // new moon within the day (the month of a skipped tithi
                          // that follows that new moon)
};

// The almanac days of `count` consecutive civil dates from `first` at the place,
// within the years kEphemerisFirstYear..kEphemerisLastYear.
// The place's clock enters only the civil date's span (local midnight to local
// midnight) within which its sunrise is sought. Its sunset is the first after that
// sunrise (before the next one), which at high latitudes in summer comes after the
// next local midnight; a date without a sunrise has the sunset that falls on it.
std::vector<SunriseDay> ComputeSunriseDays(const CivilDate& first, int count, GeoPoint place, const Clock& clock);

}  // namespace kalnika
