#pragma once
// Sun sign with its ingress note, and the lunar month with its added months. Both
// evaluate the Sun's true longitude on a time axis shifted forward by 1132959 days;
// no ayanamsha is subtracted.
#include <span>
#include <string>

namespace kalnika {

// Days by which the sun-sign, lunar-month and era rules shift the time axis.
inline constexpr double kShiftedAxisDays = 1132959.0;

// The Sun's true longitude at instant u: equation of the centre plus the mean
// longitude, degrees, not reduced (it can lie slightly below 0 or at 360 and above).
double SunTrueLongitude(double u);

struct RaasResult {
  int sign = 0;      // 0..11
  bool ingress = false;
  std::string note;  // the ingress note, on an ingress date only
};

// Sun sign for the date whose 0 h universal time is JD. When the Sun entered a new
// sign during the 24 hours before JD, `ingress` is set and `note` holds
// "s:Üy:aüc:a " + sign name + " raeS:)v:ðS: " + almanac clock + " " (Xdvng), the
// clock being the local time of the crossing. RaashiNames holds the twelve sign
// names in Xdvng.
RaasResult RaasNumber(double JD, double TimeZone, bool DaylightSaving,
                      std::span<const std::string> RaashiNames);

// The instant (Julian Day, universal time, between JD - 1 and JD) at which the
// Sun's shifted-axis longitude crossed into its sign at JD; meaningful on an
// ingress date.
double SunIngressInstant(double JD);

// Lunar month number of the date: 0..11 for a regular month (0 = the month that
// begins while the Sun is in the twelfth sign), 11 added for an added month and 22
// for the regular month after an added month. RawTithi is TithiNumber at JD.
int MaasNumber(double JD, int RawTithi);

}  // namespace kalnika
