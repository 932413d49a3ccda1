// Sunrise and sunset (Almanac for Computers, 1990). Expected texts were computed
// independently with the same algorithm; they agree with published tables to a
// minute or two.
#include <gtest/gtest.h>

#include "astronomy/sunrise.h"

namespace kalnika {
namespace {

constexpr const char* kNone = "none";

// The clock as the table shows it ("7H11"), or "none" where the Sun does not rise or set.
std::string Text(const std::optional<ClockTime>& t) {
  return t ? std::to_string(t->hours) + "H" + std::to_string(t->minutes) : kNone;
}

struct SunCase {
  const char* name;
  double lat, lon, zone;
  int y, m, d;
  bool dst;
  const char* rise;
  const char* set;
};

class SunriseSunset : public testing::TestWithParam<SunCase> {};

TEST_P(SunriseSunset, ClockTexts) {
  const SunCase& c = GetParam();
  EXPECT_EQ(Text(SunriseSunsetTime({c.y, c.m, c.d}, c.lat, c.lon, SunEvent::Sunrise, c.zone, c.dst)), c.rise);
  EXPECT_EQ(Text(SunriseSunsetTime({c.y, c.m, c.d}, c.lat, c.lon, SunEvent::Sunset, c.zone, c.dst)), c.set);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SunriseSunset,
    testing::Values(
        // Mumbai: the unwrapped sunrise time is 31.197 h before the one adjustment by 24.
        SunCase{"MumbaiNewYear", 19.07, 72.88, 5.5, 2026, 1, 1, false, "7H11", "18H12"},
        SunCase{"MumbaiSolstice", 19.07, 72.88, 5.5, 2026, 6, 21, false, "6H1", "19H18"},
        SunCase{"NewYorkWinter", 40.71, -74.01, -5, 2026, 1, 1, false, "7H20", "16H39"},
        SunCase{"NewYorkSummerDaylightSaving", 40.71, -74.01, -5, 2026, 6, 21, true, "5H24", "20H30"},
        SunCase{"London", 51.5, -0.13, 0, 2026, 1, 1, false, "8H6", "16H2"},
        SunCase{"SydneySouthernSummer", -33.87, 151.21, 10, 2026, 1, 1, false, "4H47", "19H9"},
        SunCase{"EquatorEquinox", 0, 0, 0, 2026, 3, 20, false, "6H4", "18H10"},
        SunCase{"TromsoPolarNight", 69.65, 18.96, 1, 2026, 12, 21, false, kNone, kNone},
        SunCase{"TromsoMidnightSun", 69.65, 18.96, 1, 2026, 6, 21, false, kNone, kNone},
        SunCase{"NorthPole", 90, 0, 0, 2026, 3, 1, false, kNone, kNone},
        // Zone +14 before the equinox: the unwrapped time passes 48 hours; the
        // sunrise is still in the morning (a single adjustment would read 30H3x).
        SunCase{"KiritimatiBeforeTheEquinox", 1 + 52 / 60.0, -(157 + 24 / 60.0), 14, 2026, 2, 10, false, "6H42", "18H45"},
        SunCase{"KiritimatiAfterTheEquinox", 1 + 52 / 60.0, -(157 + 24 / 60.0), 14, 2026, 4, 10, false, "6H26", "18H35"}),
    [](const testing::TestParamInfo<SunCase>& p) { return std::string(p.param.name); });

TEST(SunriseSunset, EveryLatitudeGivesAClockWithinTheDayOrNone) {
  // Every latitude, every fifth day: either hours 0..24 and minutes 0..59, or none.
  for (int lat = -90; lat <= 90; lat += 5)
    for (int doy = 1; doy <= 365; doy += 5) {
      int m = 1 + (doy - 1) / 31, d = 1 + (doy - 1) % 28;
      for (SunEvent event : {SunEvent::Sunrise, SunEvent::Sunset}) {
        std::optional<ClockTime> t = SunriseSunsetTime({2026, m, d}, lat, 10.0, event, 0.0, false);
        if (!t) continue;
        EXPECT_GE(t->hours, 0) << lat << " " << doy;
        EXPECT_LE(t->hours, 24) << lat << " " << doy;
        EXPECT_GE(t->minutes, 0) << lat << " " << doy;
        EXPECT_LE(t->minutes, 59) << lat << " " << doy;
      }
    }
}

}  // namespace
}  // namespace kalnika
