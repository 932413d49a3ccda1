#include "elements/day_periods.h"

#include <iterator>

namespace kalnika {

namespace {

constexpr int kEighths = 8;
constexpr int kMuhurtas = 15;
constexpr int kWednesday = 3;

// Which eighth (1..8) of the daytime Rahu kalam, Yamaganda and Gulika kalam take,
// one row per weekday from Sunday. Rahu: the 2nd part on Monday, 3rd Saturday, 4th
// Friday, 5th Wednesday, 6th Thursday, 7th Tuesday, 8th Sunday, never the first
// (astroccult.net, "Rahu Kaal & Method to Calculate Rahu Kalam"); Gulika and
// Yamaganda as the table of all three for a 06:00 sunrise and 18:00 sunset prints
// them (divineastro.in, "Rahu Kalam - Actual Timing": Sunday Gulika 15:00-16:30,
// Yamaganda 12:00-13:30, and so on). DrikPanchang's day pages give the same.
struct EighthsOfWeekday {
  int rahu;
  int yamaganda;
  int gulika;
};
constexpr EighthsOfWeekday kRahuYamaGulika[] = {
    {8, 5, 7},  // Sunday
    {2, 4, 6},  // Monday
    {7, 3, 5},  // Tuesday
    {5, 2, 4},  // Wednesday
    {6, 1, 3},  // Thursday
    {4, 7, 2},  // Friday
    {3, 6, 1},  // Saturday
};
static_assert(std::size(kRahuYamaGulika) == 7);

// The choghadiyas of the eight eighths of the daytime and of the night, one row per
// weekday from Sunday, as the choghadiya table prints them (Webdunia Gujarati,
// "ચોઘડિયા", columns રવિ..શનિ). The day begins with the weekday lord's choghadiya
// and follows the order of the lords; the night begins with the fifth from it and
// steps five at a time.
using C = Choghadiya;
using EightChoghadiyas = std::array<Choghadiya, 8>;
constexpr EightChoghadiyas kDayChoghadiyas[] = {
    {C::Udveg, C::Char, C::Labh, C::Amrit, C::Kaal, C::Shubh, C::Rog, C::Udveg},  // Sunday
    {C::Amrit, C::Kaal, C::Shubh, C::Rog, C::Udveg, C::Char, C::Labh, C::Amrit},  // Monday
    {C::Rog, C::Udveg, C::Char, C::Labh, C::Amrit, C::Kaal, C::Shubh, C::Rog},    // Tuesday
    {C::Labh, C::Amrit, C::Kaal, C::Shubh, C::Rog, C::Udveg, C::Char, C::Labh},   // Wednesday
    {C::Shubh, C::Rog, C::Udveg, C::Char, C::Labh, C::Amrit, C::Kaal, C::Shubh},  // Thursday
    {C::Char, C::Labh, C::Amrit, C::Kaal, C::Shubh, C::Rog, C::Udveg, C::Char},   // Friday
    {C::Kaal, C::Shubh, C::Rog, C::Udveg, C::Char, C::Labh, C::Amrit, C::Kaal},   // Saturday
};
constexpr EightChoghadiyas kNightChoghadiyas[] = {
    {C::Shubh, C::Amrit, C::Char, C::Rog, C::Kaal, C::Labh, C::Udveg, C::Shubh},  // Sunday
    {C::Char, C::Rog, C::Kaal, C::Labh, C::Udveg, C::Shubh, C::Amrit, C::Char},   // Monday
    {C::Kaal, C::Labh, C::Udveg, C::Shubh, C::Amrit, C::Char, C::Rog, C::Kaal},   // Tuesday
    {C::Udveg, C::Shubh, C::Amrit, C::Char, C::Rog, C::Kaal, C::Labh, C::Udveg},  // Wednesday
    {C::Amrit, C::Char, C::Rog, C::Kaal, C::Labh, C::Udveg, C::Shubh, C::Amrit},  // Thursday
    {C::Rog, C::Kaal, C::Labh, C::Udveg, C::Shubh, C::Amrit, C::Char, C::Rog},    // Friday
    {C::Labh, C::Udveg, C::Shubh, C::Amrit, C::Char, C::Rog, C::Kaal, C::Labh},   // Saturday
};
static_assert(std::size(kDayChoghadiyas) == 7 && std::size(kNightChoghadiyas) == 7);

// The durmuhurtas of each weekday: muhurta 1..15 of the daytime or of the night.
// Narada Samhita, chapter 9, names them: Aryaman on Sunday, Rakshasa and Brahma on
// Monday, Pitri and Agni on Tuesday, Abhijit on Wednesday, Rakshasa and Apa on
// Thursday, Brahma and Pitri on Friday, Bhujanga and Isha on Saturday. By its
// lists of the fifteen muhurtas of the daytime and of the night, these are the
// daytime's 14th; its 12th and 9th; its 4th and the night's 7th (Agni); its 8th;
// its 12th and 6th; its 9th and 4th; its 2nd and 1st. Rows in time order; an
// unused slot has muhurta 0.
enum class Half { Daytime, Night };
struct DurMuhurta {
  Half half;
  int muhurta;
};
constexpr DurMuhurta kDurmuhurtas[][2] = {
    {{Half::Daytime, 14}, {Half::Daytime, 0}},  // Sunday: Aryaman
    {{Half::Daytime, 9}, {Half::Daytime, 12}},  // Monday: Brahma, Rakshasa
    {{Half::Daytime, 4}, {Half::Night, 7}},     // Tuesday: Pitri, Agni
    {{Half::Daytime, 8}, {Half::Daytime, 0}},   // Wednesday: Abhijit
    {{Half::Daytime, 6}, {Half::Daytime, 12}},  // Thursday: Apa, Rakshasa
    {{Half::Daytime, 4}, {Half::Daytime, 9}},   // Friday: Pitri, Brahma
    {{Half::Daytime, 1}, {Half::Daytime, 2}},   // Saturday: Isha, Bhujanga
};
static_assert(std::size(kDurmuhurtas) == 7);

// The muhurta before last of the night is the Brahma muhurta (the 14th of the 15
// night muhurtas: Wikipedia, "Brahmamuhurta", after Lochtefeld's Illustrated
// Encyclopedia of Hinduism; DrikPanchang's day pages, e.g. New Delhi 26 January
// 2022, 05:26 to 06:19 before a 07:12 sunrise, two and one fifteenths of a 13 h
// 17 min night). Some almanacs take instead 96 to 48 minutes before sunrise, the
// same on a night of 12 hours.
constexpr int kBrahmaMuhurta = 14;

// Eight spans of the choghadiyas of `whole`.
std::array<ChoghadiyaSpan, 8> Choghadiyas(const TimeSpan& whole, const EightChoghadiyas& kinds) {
  std::array<ChoghadiyaSpan, 8> spans;
  for (int k = 0; k < kEighths; ++k) spans[k] = {kinds[k], PartOf(whole, k + 1, kEighths)};
  return spans;
}

}  // namespace

TimeSpan PartOf(const TimeSpan& whole, int k, int parts) {
  const double length = whole.end - whole.start;
  // The last part ends exactly at the whole's end, not a rounding away from it.
  const double end = k == parts ? whole.end : whole.start + length * k / parts;
  return {whole.start + length * (k - 1) / parts, end};
}

TimeSpan BrahmaMuhurtaOfNight(const TimeSpan& night) {
  return PartOf(night, kBrahmaMuhurta, kMuhurtas);
}

DayPeriods PeriodsOfDay(const DayBounds& bounds) {
  DayPeriods periods;
  const int weekday = ((bounds.weekday % 7) + 7) % 7;
  const bool hasDaytime = bounds.sunrise && bounds.sunset && *bounds.sunrise < *bounds.sunset;
  const bool hasNight = bounds.sunset && bounds.nextSunrise &&
                        *bounds.sunset < *bounds.nextSunrise &&
                        (!bounds.sunrise || *bounds.sunrise < *bounds.sunset);
  const TimeSpan daytime = hasDaytime ? TimeSpan{*bounds.sunrise, *bounds.sunset} : TimeSpan{};
  const TimeSpan night = hasNight ? TimeSpan{*bounds.sunset, *bounds.nextSunrise} : TimeSpan{};

  if (hasDaytime) {
    const EighthsOfWeekday& eighths = kRahuYamaGulika[weekday];
    periods.rahuKalam = PartOf(daytime, eighths.rahu, kEighths);
    periods.yamaganda = PartOf(daytime, eighths.yamaganda, kEighths);
    periods.gulikaKalam = PartOf(daytime, eighths.gulika, kEighths);
    // The 8th of the 15 daytime muhurtas, whose middle is the middle of the daytime
    // (vedadhara.com, "Abhijit Muhurta": the eighth muhurta from sunrise, except on
    // Wednesdays; DrikPanchang prints "None" on Wednesdays).
    if (weekday != kWednesday) periods.abhijit = PartOf(daytime, 8, kMuhurtas);
    periods.dayChoghadiyas = Choghadiyas(daytime, kDayChoghadiyas[weekday]);
  }
  if (hasNight) {
    periods.brahmaMuhurta = BrahmaMuhurtaOfNight(night);
    periods.nightChoghadiyas = Choghadiyas(night, kNightChoghadiyas[weekday]);
  }
  for (const DurMuhurta& d : kDurmuhurtas[weekday]) {
    if (d.muhurta == 0) continue;
    const bool daytimePart = d.half == Half::Daytime;
    if (daytimePart ? !hasDaytime : !hasNight) continue;
    const TimeSpan span = PartOf(daytimePart ? daytime : night, d.muhurta, kMuhurtas);
    if (!periods.durmuhurta.empty() && periods.durmuhurta.back().end == span.start)
      periods.durmuhurta.back().end = span.end;  // Saturday's 1st and 2nd: one span
    else
      periods.durmuhurta.push_back(span);
  }
  return periods;
}

}  // namespace kalnika
