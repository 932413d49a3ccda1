#include "astronomy/sunrise.h"

#include <cmath>

#include "astronomy/mean_elements.h"
#include "calendar/calendar.h"

namespace kalnika {

namespace {
// Radians to degrees from pi taken as 3.14159265358979.
constexpr double kRadiansToDegrees = 57.29577951308238;
// The official zenith, 90.83333333 degrees, in radians.
constexpr double kZenith = 1.5853407371700035;
}  // namespace

std::optional<double> SunriseSunsetUT(const CivilDate& date, double latitude, double longitude, SunEvent event) {
  const bool Rise = event == SunEvent::Sunrise;
  double N = DayOfYear(date);
  double lngHour = longitude / 15.0;
  double t = Rise ? N + (6.0 - lngHour) / 24.0 : N + (18.0 - lngHour) / 24.0;
  double M = 0.9856 * t - 3.289;
  double L = M + 1.916 * std::sin(M * kDegreesToRadians) +
             0.02 * std::sin(2.0 * M * kDegreesToRadians) + 282.634;
  if (L > 360.0) L = L - 360.0;
  if (L < 0.0) L = L + 360.0;

  double RA = std::atan(0.91764 * std::tan(L * kDegreesToRadians)) * kRadiansToDegrees;
  // Right ascension into the quadrant of L; floor, so a negative RA lies in -90.
  double Lq = std::floor(L / 90.0) * 90.0;
  double RAq = std::floor(RA / 90.0) * 90.0;
  RA = RA + (Lq - RAq);
  RA = RA / 15.0;

  double sinDec = 0.39782 * std::sin(L * kDegreesToRadians);
  double cosDec = std::cos(std::atan(sinDec / std::sqrt(1.0 - sinDec * sinDec)));
  double cosH = (std::cos(kZenith) - sinDec * std::sin(latitude * kDegreesToRadians)) /
                (cosDec * std::cos(latitude * kDegreesToRadians));
  // |cos H| >= 1: the Sun stays below (cos H > 1) or above (cos H < -1) the zenith
  // circle all day, and the arc-cosine below has no value (a square root of a
  // negative number, or a division by zero at exactly 1).
  if (!(std::fabs(cosH) < 1.0)) return std::nullopt;

  double acosH = (2.0 * std::atan(1.0) + std::atan(-cosH / std::sqrt(1.0 - cosH * cosH))) *
                 kRadiansToDegrees;
  double H = Rise ? 360.0 - acosH : acosH;
  H = H / 15.0;

  double T = H + RA - 0.06571 * t - 6.622;
  double UT = T - lngHour;  // not reduced to one day
  return UT;
}

}  // namespace kalnika
