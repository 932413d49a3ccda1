// The almanac's clock texts: the ending, sunrise and sunset columns write hours and
// minutes as they are; the sign entry and the phases run the 24-hour clock on past
// midnight to 30 (6 a.m.). Expected texts are the worked examples of those rules.
#include <gtest/gtest.h>

#include "almanac/clock_text.h"

namespace kalnika {
namespace {

TEST(ClockText, HoursAndMinutesAsPlainNumbers) {
  EXPECT_EQ(ClockText({6, 5}), "6H5");
  EXPECT_EQ(ClockText({27, 40}), "27H40");  // 03:40 of the next morning
  EXPECT_EQ(ClockText({0, 0}), "0H0");
}

TEST(AlmanacClockText, LocalTimeToAlmanacHours) {
  struct Case { int h, m, s; const char* out; const char* why; } cases[] = {
      {21, 5, 7, "21H05", "evening, minutes as they stand"},
      {3, 40, 45, "27H41", "small hours count on from 24; 45 s round up"},
      {0, 10, 0, "24H10", "12 a.m. is 24"},
      {12, 10, 0, "12H10", "noon stays 12"},
      {6, 30, 31, "30H31", "6 a.m. is still the night before"},
      {7, 10, 0, "7H10", "7 a.m. begins the day"},
      {10, 8, 45, "10H9", "rounded-up minutes lose the leading zero"},
      {10, 15, 30, "10H15", "exactly 30 seconds do not round up"},
      // Minutes rounding up to 60 carry into the hour before the almanac clock.
      {6, 59, 45, "7H0", "6:59:45 is 7 o'clock, not 31"},
      {5, 59, 45, "30H0", ""},
      {23, 59, 45, "24H0", "carry past midnight"},
      {0, 0, 0, "24H00", "exactly local midnight: the almanac's midnight"}};
  for (auto c : cases)
    EXPECT_EQ(AlmanacClockText({{2026, 3, 14}, c.h, c.m, c.s}), c.out) << c.h << ":" << c.m << ":" << c.s << " " << c.why;
}

}  // namespace
}  // namespace kalnika
