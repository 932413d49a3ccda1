// Tithi number and tithi ending time. Expected ending times of whole days were
// computed independently (a separate implementation of the same rules); the clock
// conversions are the worked examples of the rule.
#include <gtest/gtest.h>

#include "astronomy/lunar_series.h"
#include "astronomy/mean_elements.h"
#include "astronomy/solar.h"
#include "calendar/calendar.h"
#include "elements/tithi.h"

namespace kalnika {
namespace {

// The clock as the ending column writes it ("15H37").
std::string Text(const ClockTime& t) { return std::to_string(t.hours) + "H" + std::to_string(t.minutes); }

TEST(TithiNumber, ElongationToTithi) {
  // TithiNumber(Lm, Ls, Lmc, Lsc) depends on d = Lm + Lmc - Ls - Lsc only.
  struct Case { double d; int tithi; const char* why; } cases[] = {
      {-6, 0, "Moon just below the Sun: the new-moon tithi as 0"},
      {6, 1, "first tithi of the bright fortnight"},
      {174, 15, "full-moon tithi"},
      {186, 16, "first of the dark fortnight"},
      {-174, 16, "the same angle taken the other way round"},
      {354, 30, "new-moon tithi across the 0-degree point"},
      {361, 31, "elongation just past 360"},
      {-361, 0, "below -360"},
      {-12, 0, "exactly -12: still the new-moon tithi"},
      {-12.5, 29, "just below -12: last tithi of the dark fortnight"},
      {0, 1, "exactly 0"}};
  for (auto c : cases) EXPECT_EQ(TithiNumber(100 + c.d, 100, 0, 0), c.tithi) << c.why;
  // The corrections enter with their signs.
  EXPECT_EQ(TithiNumber(100, 100, 13, 0.5), 2);
  EXPECT_EQ(TithiNumber(100, 100, 13, 1.5), 1);
}

TEST(TithiEndClock, FoundTimeToLocalClock) {
  struct Case { int h, m, s; double zone; const char* text; const char* why; } cases[] = {
      {10, 7, 30, 5.5, "15H37", "India"},
      {10, 7, 30, -5, "5H7", "west of Greenwich"},
      {2, 10, 30, -5, "21H10", "negative hours wrap once by 24"},
      {2, 10, 0, -5, "21H9", "floor of a double that falls just below the whole minute"},
      {23, 30, 0, 5.5, "29H0", "no wrap above 24: the early hours of the next morning"},
      {23, 59, 59, 5.5, "29H29", "a tithi that does not end within the day"},
      {0, 0, 0, 0, "0H0", "midnight at Greenwich"}};
  for (auto c : cases) EXPECT_EQ(Text(TithiEndClock(c.h, c.m, c.s, c.zone)), c.text) << c.why;
}

TEST(TithiOfJulianDay, AgreesWithTheSeparateFunctions) {
  for (double JD = 2461000.5; JD < 2461060; JD += 0.77) {
    TithiAt at = TithiOfJulianDay(JD);
    EXPECT_EQ(at.Lm, MeanLunarLongitude(JD));
    EXPECT_EQ(at.Ls, MeanSolarLongitude(JD));
    EXPECT_EQ(at.Lmc, LunarLongitudeCorrection(JD));
    EXPECT_EQ(at.Lsc, SolarLongitudeCorrection(JD));
    EXPECT_EQ(at.tithi, TithiNumber(at.Lm, at.Ls, at.Lmc, at.Lsc));
  }
}

// Brute force: the last whole second before the tithi number (modulo 30) changes.
std::string BruteForceEnding(int y, int m, int d, double zone) {
  const int T0 = TithiOfJulianDay(JulianDay({y, m, d})).tithi % 30;
  for (int t = 1; t < 86400; ++t)
    if (TithiOfJulianDay(JulianDay({y, m, d}, t / 3600, t / 60 % 60, t % 60)).tithi % 30 != T0) {
      int found = t - 1;
      return Text(TithiEndClock(found / 3600, found / 60 % 60, found % 60, zone));
    }
  return Text(TithiEndClock(23, 59, 59, zone));
}

TEST(TithiEndingTime, MumbaiDecember2026) {
  // Independent month table of December 2026 at Mumbai (zone 5.5).
  struct Case { int day; const char* text; const char* why; } cases[] = {
      {1, "23H16", "ashtami of the dark fortnight"},
      {5, "24H54", "ends after local midnight"},
      {7, "28H15", "chaturdashi (29) turning into the new-moon tithi (0)"},
      {8, "29H29", "the new-moon tithi outlasts the universal-time day (new moon 9 December 00:53 UT)"}};
  for (auto c : cases) EXPECT_EQ(Text(TithiEndingTime({2026, 12, c.day}, 5.5).clock), c.text) << c.why;
}

TEST(TithiEndingTime, MatchesTheLastSecondBeforeTheChange) {
  // The hour/minute/second search finds the same second as a second-by-second scan
  // whenever the tithi changes only once in the day. Every day of a lunation covers
  // all thirty tithis, the new moon among them.
  for (int day = 1; day <= 30; day += 2) {
    std::string expected = BruteForceEnding(2026, 11, day, 5.5);
    EXPECT_EQ(Text(TithiEndingTime({2026, 11, day}, 5.5).clock), expected) << "November " << day;
  }
}

}  // namespace
}  // namespace kalnika
