#pragma once
// Sun sign with its ingress note, and the lunar month with its added months. Both
// evaluate the Sun's true longitude on a time axis shifted forward by 1132959 days;
// no ayanamsha is subtracted.
#include <optional>

namespace kalnika {

// Days by which the sun-sign, lunar-month and era rules shift the time axis.
inline constexpr double kShiftedAxisDays = 1132959.0;

// The Sun's true longitude at instant u: equation of the centre plus the mean
// longitude, degrees, not reduced (it can lie slightly below 0 or at 360 and above).
double SunTrueLongitude(double u);

struct SunSign {
  int sign = 0;                   // 0..11
  std::optional<double> ingress;  // on an ingress date: the instant the Sun entered it
};

// Sun sign for the date whose 0 h universal time is JD, and, when the Sun entered
// a new sign during the 24 hours before JD, the instant it did (SunIngressInstant).
SunSign RaasNumber(double JD);

// The instant (Julian Day, universal time, between JD - 1 and JD) at which the
// Sun's shifted-axis longitude crossed into its sign at JD; meaningful on an
// ingress date.
double SunIngressInstant(double JD);

// A lunar month: its index into the month names (0 = Chaitra, the month that
// begins while the Sun is in the twelfth sign, ... 11 = Phalgun) and its kind.
enum class MonthKind { Regular, Added, RegularAfterAdded };
struct LunarMonth {
  int index = 0;
  MonthKind kind = MonthKind::Regular;
  friend constexpr bool operator==(const LunarMonth&, const LunarMonth&) = default;
};

// Lunar month of the date whose 0 h universal time is JD: the month of the
// lunation that holds JD, from one new moon to the next, so the name changes only
// at a new moon. Index = the sign after the one the Sun (on the shifted axis)
// stands in at the lunation's new moon; an added month when the Sun is in the same
// sign at the next new moon, the regular month after an added month when it was
// in the same sign at the previous one.
LunarMonth MaasNumber(double JD);

}  // namespace kalnika
