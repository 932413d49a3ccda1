#pragma once
// The karana, the fifth limb of the almanac, in the precise method: half a tithi,
// a division of 6 degrees of the elongation of the Moon from the Sun (the same
// angle as the tithi's, from astronomy/ephemeris.h). Instants are Julian Days in
// universal time; results are numbers and indices, never texts.
//
// The sixty half-tithis of a lunation are counted 1..60 from the new moon. Eleven
// karanas share them:
//   half-tithi 1        Kimstughna    the first half of the bright pratipada
//   half-tithis 2..57   the seven movable karanas Bava, Balava, Kaulava, Taitila,
//                       Garaja, Vanija, Vishti (Bhadra) in their cycle, eight times
//   half-tithi 58       Shakuni       the second half of the dark chaturdashi
//   half-tithi 59       Chatushpada   the first half of the new-moon tithi
//   half-tithi 60       Naga          its second half
// Sources: R. Sewell, Indian Chronography (1912), section 127 and its Table VIII
// (a karana is half a tithi; seven names repeat, the first half of the first tithi
// and the last three halves have their own); Narada Samhita 8.1, which gives the
// lords of the eleven in this order; Colebrooke, quoted in The Indian Antiquary 3
// (1874), p. 140 (Chatushpada and Naga on the new-moon tithi, Shakuni on the half
// before); Marathi Wikipedia, "Panchang", section Karana (the same four, by half).
// The Surya Siddhanta (chapter 2) names the fixed four Shakuni, Naga, Chatushpada,
// Kimstughna, and a table after it (The Indian Antiquary 17, p. 156) numbers Naga
// 59 and Chatushpada 60. Almanacs of today put Chatushpada first: Telugu almanacs
// print, on 14 November 2020, Shakuni until the dark chaturdashi ends and then
// Chatushpada, and on 20 November 2025 Naga until the new moon and then
// Kimstughna. This program follows them.

#include "elements/sunrise_day.h"  // ElementRun

namespace kalnika {

// Karanas 0..10, in the order of their names in almanac/name_tables.h.
inline constexpr int kKaranaBava = 0;         // the first movable karana
inline constexpr int kKaranaVishti = 6;       // the last movable karana (Bhadra)
inline constexpr int kKaranaShakuni = 7;
inline constexpr int kKaranaChatushpada = 8;
inline constexpr int kKaranaNaga = 9;
inline constexpr int kKaranaKimstughna = 10;
inline constexpr int kKaranaCount = 11;

// Half-tithis in a lunation, and degrees of elongation in each.
inline constexpr int kHalfTithiCount = 60;
inline constexpr double kHalfTithiSpan = 6.0;

// Half-tithi 1..60 of an elongation in degrees [0, 360) (NaN gives 1).
int HalfTithiOfElongation(double degrees);

// Karana 0..10 of half-tithi 1..60.
int KaranaOfHalfTithi(int halfTithi);

// Half-tithi 1..60 at jdUt (Julian Day, universal time).
int HalfTithiAt(double jdUt);

// Karana 0..10 at jdUt.
int KaranaAt(double jdUt);

// The instant after jdUt at which the half-tithi current at jdUt ends (Julian Day,
// universal time), within a millisecond.
double NextKaranaChange(double jdUt);

// The karanas of an almanac day from `reckoning` to `nextReckoning` (its sunrise and
// the next one, Julian Days UT): the karana current at `reckoning` with its end
// (after `nextReckoning` when it holds at both), then each karana that begins and
// ends before `nextReckoning`, in order. Values are karanas 0..10. Which division
// lines are crossed follows from the elongation at the two instants alone, as for
// the other elements of the day, so consecutive days agree.
ElementRun KaranaRunBetween(double reckoning, double nextReckoning);

}  // namespace kalnika
