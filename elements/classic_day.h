#pragma once
// A day of the classic almanac: every whole-day quantity of a date read at 0 h
// universal time from the almanac's own series for the Sun and the Moon, and the
// day's instants in universal time (the tithi's end, the Sun's entry into a sign,
// sunrise and sunset). The place's clock makes the table's times of them
// (clock/almanac_clock.h); nothing here knows a zone.
#include <optional>

#include "calendar/calendar.h"
#include "elements/sun_sign.h"

namespace kalnika {

struct ClassicDay {
  // Tithi number at 0 h UT: 1..15 bright fortnight (15 the full moon), 16..30 dark
  // (30 the new moon); 0 also the new-moon tithi, 31 the first tithi again.
  int tithi = 0;
  double tithiEnd = 0.0;  // the tithi's end (TithiEndingTime), Julian Day UT
  int sunSign = 0;        // 0..11
  std::optional<double> signEntry;  // on a date after the Sun entered sunSign: the instant, JD UT
  LunarMonth lunarMonth;
  int shaka = 0;
  int samvatsara = 0;  // 0..59
  int vikram = 0;
  int nakshatra = 0;  // 0..26
  int yoga = 0;       // 0..26
  int moonSign = 0;   // 0..11
  // Universal time of sunrise and sunset, hours from the date's 0 h UT, not
  // reduced; nothing when the Sun does not rise (set) on the date.
  std::optional<double> sunriseHours, sunsetHours;
};

// The classic values of a date at a place (degrees, north and east positive).
ClassicDay ComputeClassicDay(const CivilDate& date, double latitude, double longitude);

// The new and full moon a classic month shows: those of the lunation in the middle
// of the month (half its days, with the fraction), numbered from the new moon of
// 6 January 2000; Julian Days (the phase series' own, no correction between
// dynamical and universal time).
struct ClassicPhases {
  double newMoon = 0.0;
  double fullMoon = 0.0;
};
ClassicPhases ClassicMonthPhases(int year, int month);

}  // namespace kalnika
