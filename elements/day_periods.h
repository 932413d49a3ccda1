#pragma once
// The periods of an almanac day that a family looks up before a ceremony or a
// journey, from the day's own sunrise, sunset and next sunrise at the place.
// Pure arithmetic on instants: Julian Days in universal time in, spans of Julian
// Days and indices out, never texts.
//
// The daytime runs from sunrise to sunset, the night from sunset to the next
// sunrise. Each is divided into equal parts of its own length (almanacs of the
// day: DrikPanchang's day pages, whose periods are sunrise plus whole fractions
// of its "dinamana", the daytime, or of its "ratrimana", the night):
//   Rahu kalam, Yamaganda, Gulika kalam   one eighth of the daytime each, which
//        eighth by weekday (kRahuYamaGulika below);
//   day and night choghadiyas             the eight eighths of the daytime and of
//        the night, each named by weekday (kDayChoghadiyas, kNightChoghadiyas);
//   muhurtas                              the fifteen fifteenths of the daytime
//        and the fifteen of the night (Narada Samhita, chapter 9: a muhurta is
//        the fifteenth part of the daytime, and of the night by its length);
//   Abhijit                               the 8th daytime muhurta, the one around
//        local noon; none on Wednesdays, when it is the day's durmuhurta;
//   Brahma muhurta                        the 14th muhurta of the night;
//   Durmuhurta                            one or two muhurtas by weekday.
//
// A date on which the Sun does not rise or does not set (polar day or night) has
// no daytime to divide: its eighths, its daytime muhurtas and its day
// choghadiyas are none, and so the night's when the night has no sunset or no
// sunrise to end it. Nothing is lent from a neighbouring day or from a clock of
// six hours: almanacs print these periods from the Sun's rising and setting only.

#include <array>
#include <optional>
#include <vector>

namespace kalnika {

// [start, end): Julian Days in universal time, start < end.
struct TimeSpan {
  double start = 0.0;
  double end = 0.0;
};

// The seven choghadiyas, in the order of their lords Sun, Venus, Mercury, Moon,
// Saturn, Jupiter, Mars; the index of ChoghadiyaNames (almanac/name_tables.h).
// Amrit, Shubh, Labh and Char are good; Udveg, Kaal and Rog are to be avoided.
enum class Choghadiya { Udveg, Char, Labh, Amrit, Kaal, Shubh, Rog };

struct ChoghadiyaSpan {
  Choghadiya kind = Choghadiya::Udveg;
  TimeSpan span;
};

// The instants that bound an almanac day at a place (elements/sunrise_day.h):
// periods are found where sunrise < sunset < nextSunrise.
struct DayBounds {
  std::optional<double> sunrise;      // of the day's date; none in a polar day or night
  std::optional<double> sunset;       // the first after that sunrise
  std::optional<double> nextSunrise;  // of the next date
  int weekday = 0;                    // of the day's date: 0 = Sunday .. 6 = Saturday
};

struct DayPeriods {
  std::optional<TimeSpan> rahuKalam;
  std::optional<TimeSpan> yamaganda;
  std::optional<TimeSpan> gulikaKalam;
  std::optional<TimeSpan> abhijit;        // none on Wednesdays
  std::optional<TimeSpan> brahmaMuhurta;  // of the night that ends the day, before nextSunrise
  std::vector<TimeSpan> durmuhurta;       // in time order; adjacent muhurtas as one span
  std::optional<std::array<ChoghadiyaSpan, 8>> dayChoghadiyas;
  std::optional<std::array<ChoghadiyaSpan, 8>> nightChoghadiyas;
};

// The periods of the day `bounds` (see above for what is none).
DayPeriods PeriodsOfDay(const DayBounds& bounds);

// Part k (1..parts) of `parts` equal parts of `whole`.
TimeSpan PartOf(const TimeSpan& whole, int k, int parts);

// The Brahma muhurta of a night [sunset, sunrise): its 14th of 15 muhurtas, the
// one before last. PeriodsOfDay gives that of the night that ends the day; the
// one before the day's own sunrise, which day pages print under its date, is
// that of the night from the previous sunset.
TimeSpan BrahmaMuhurtaOfNight(const TimeSpan& night);

}  // namespace kalnika
