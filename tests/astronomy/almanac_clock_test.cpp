// The almanac clock of the phase instants and the ingress note: hours after
// midnight and before 7 a.m. count on from 24.
#include <gtest/gtest.h>

#include "astronomy/almanac_clock.h"

namespace kalnika {
namespace {

TEST(AlmanacClockText, TwelveHourClockToAlmanacHours) {
  struct Case { const char* in; const char* out; const char* why; } cases[] = {
      {"3/14/2026 9:05:07 PM", "21H05", "evening: 12 added, minutes as written"},
      {"3/14/2026 3:40:45 AM", "27H41", "small hours count on from 24; 45 s round up"},
      {"3/14/2026 12:10:00 AM", "24H10", "12 a.m. is 24"},
      {"3/14/2026 12:10:00 PM", "12H10", "noon stays 12"},
      {"3/14/2026 6:30:31 AM", "30H31", "6 a.m. is still the night before"},
      {"3/14/2026 7:10:00 AM", "7H10", "7 a.m. begins the day"},
      {"3/14/2026 10:08:45 AM", "10H9", "rounded-up minutes lose the leading zero"},
      {"3/14/2026 10:15:30 AM", "10H15", "exactly 30 seconds do not round up"},
      {"3/14/2026 12:05:10 AM", "24H05", ""},
      {"3/14/2026 1:30:45 AM", "25H31", ""},
      {"3/14/2026 12:40:20 PM", "12H40", ""},
      {"3/14/2026 1:05:31 PM", "13H6", ""},
      {"3/14/2026 1:05:30 PM", "13H05", ""},
      // Minutes rounding up to 60 carry into the hour before the almanac clock.
      {"3/14/2026 6:59:45 AM", "7H0", "6:59:45 is 7 o'clock, not 31"},
      {"3/14/2026 5:59:45 AM", "30H0", ""},
      {"3/14/2026 11:59:45 AM", "12H0", "carry into noon"},
      {"3/14/2026 12:59:45 PM", "13H0", ""},
      {"3/14/2026 11:59:45 PM", "24H0", "carry past midnight"},
      {"3/14/2026 12:59:31 AM", "25H0", ""},
      // An instant exactly on local midnight: the date alone.
      {"3/14/2026", "24H00", "the almanac's midnight"}};
  for (auto c : cases) EXPECT_EQ(AlmanacClockText(c.in), c.out) << c.in << " " << c.why;
}

}  // namespace
}  // namespace kalnika
