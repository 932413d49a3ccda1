#include "elements/eras.h"

#include <cmath>

#include "elements/sun_sign.h"

namespace kalnika {

int KaliYear(const CivilDate& date, double TimeZone, bool DaylightSaving) {
  return LocalDateTimeOf(JulianDay(date) + kShiftedAxisDays, TimeZone, DaylightSaving).date.year;
}

namespace {
constexpr double kSiderealYear = 365.25636274;

// Floor modulo: the result lies in [0, n) also for negative values.
int FloorMod(int value, int n) {
  int r = value % n;
  return r < 0 ? r + n : r;
}
}  // namespace

int Shalivahan_shake(double JD, int MaasNo) {
  double y = (JD + kShiftedAxisDays) / kSiderealYear - 7892.0;
  if (MaasNo < 3 && y - std::floor(y) > 0.8) y = std::floor(y) + 1.0;
  return static_cast<int>(std::floor(y));
}

int Vikram_samvat(double JD, int MaasNo) {
  double y = (JD + kShiftedAxisDays) / kSiderealYear - 7757.0;
  if (MaasNo < 7 && y - std::floor(y) < 0.5) y = std::floor(y) - 1.0;
  return static_cast<int>(std::floor(y));
}

int SamvatsaraNumber(int shake) { return FloorMod(shake, 60); }

// The moon sign and the nakshatra take the Moon's sidereal longitude unreduced: the
// ayanamsha can make it negative (one whole circle added), and the Moon's longitude
// of date plus its correction can reach 360 and more (one circle taken away).
// Floor modulo does both, and stays right for the years far from the present in
// which the ayanamsha itself exceeds a circle.
int ChandraRaashiNumber(double Niryana_Longitude) {
  auto r = static_cast<int>(std::floor(Niryana_Longitude * 12.0 / 360.0));
  return FloorMod(r, 12);
}

int NaxatraNumber(double Niryana_Longitude) {
  auto n = static_cast<int>(std::floor(Niryana_Longitude * 27.0 / 360.0));
  return FloorMod(n, 27);
}

int YogaNumber(double Niryana_Longitude) {
  return static_cast<int>(std::floor(Niryana_Longitude / 13.3333333333333));
}

int YogaIndex(double reducedLongitude) {
  int y = YogaNumber(reducedLongitude);
  if (y > 26) y = 26;  // the divisor is a little below 40/3, so y just under 360 gives 27
  if (y < 0) y = 0;
  return y;
}

}  // namespace kalnika
