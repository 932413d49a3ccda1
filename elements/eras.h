#pragma once
// Era years, the sixty-year cycle, moon sign, nakshatra and yoga.
#include "calendar/calendar.h"

namespace kalnika {

// The classic almanac's Kali-era year of a date: the year of the local date of
// its 0 h UT on the shifted time axis (kShiftedAxisDays), at the zone TimeZone
// hours east with the daylight-saving box, in the calendar of CalendarDate (Julian
// before 15 October 1582).
int KaliYear(const CivilDate& date, double TimeZone, bool DaylightSaving);

// Shalivahan Shaka year of the date whose 0 h universal time is JD, MaasNo being
// its lunar month 0..11 (added-month offsets removed). Years are counted on the
// shifted axis in sidereal years of 365.25636274 days; during the first three
// lunar months a count in the last fifth of its year is advanced.
int Shalivahan_shake(double JD, int MaasNo);

// Vikram Samvat year: 135 years ahead of the Shaka count, held back while the
// count is in the first half of its year during the first seven lunar months.
int Vikram_samvat(double JD, int MaasNo);

// Index 0..59 of the year's name in the sixty-year cycle.
int SamvatsaraNumber(int shake);

// Moon sign 0..11 of a sidereal longitude in degrees, which may lie a little
// outside [0, 360).
int ChandraRaashiNumber(double Niryana_Longitude);

// Nakshatra 0..26 (13°20' each) of a sidereal longitude in degrees.
int NaxatraNumber(double Niryana_Longitude);

// Yoga number: floor(longitude / 13.3333333333333), the divisor written to 13
// decimals (a little below 40/3); 0..26 for [0, 359.99999999999909), 27 above.
int YogaNumber(double Niryana_Longitude);

// The yoga index of the month table: YogaNumber of a longitude already reduced to
// [0, 360], kept to the 27 yogas (the last sliver below 360, and exactly 360,
// which the reduction can return, belong to the 27th).
int YogaIndex(double reducedLongitude);

}  // namespace kalnika
