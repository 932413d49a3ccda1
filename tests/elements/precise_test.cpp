// The precise method's rules at an instant: elements of a pair of longitudes, the
// instant an element next changes, new and full moons, the amanta lunar month with
// its lost months, and the era years. Expected instants are USNO's; months and
// years are those of published Hindu calendars. The agreement with another
// ephemeris over 2020-2030, added months included, is sky_test.cpp's.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "elements/precise.h"
#include "support/instant_text.h"

namespace kalnika {
namespace {

using testing_time::JulianDayOfLocal;
using testing_time::LocalMinute;
using testing_time::SecondsBetween;

constexpr double kIndia = 5.5;
constexpr double kOneSecond = 1.0 / 86400.0;

SunMoonLongitudes At(double sun, double moon) { return {{sun, 1.0}, {moon, 13.0}}; }

// --- Elements of a pair of longitudes ---------------------------------------

TEST(ValuesOfLongitudes, DivisionLines) {
  struct Case { const char* name; double sun, moon; PreciseValues expected; } cases[] = {
      // conjunction: the first tithi begins, every angle at 0
      {"NewMoonAtTheFirstPointOfAries", 0, 0, {1, 0, 0, 0, 0}},
      // amavasya up to the conjunction; yoga 19.9999 is the second
      {"ElongationJustBelowConjunction", 10, 9.9999, {30, 0, 1, 0, 0}},
      // elongation 180 opens the dark fortnight; 280 begins Shravana (21); sum 380 is 20
      {"FullMoonExactly", 100, 280, {16, 21, 1, 9, 3}},
      // purnima to the last instant before 180; 279.999 is Uttarashadha (20)
      {"FullMoonTithiJustBefore", 100, 279.999, {15, 20, 1, 9, 3}},
      // moon - sun = 15 taken across 0; sun + moon = 355 is the last yoga
      {"ElongationAcrossZero", 350, 5, {2, 0, 26, 0, 11}},
      // sum 370 wraps to 10: the first yoga; elongation 330 is tithi 28
      {"YogaSumAbove360", 200, 170, {28, 12, 0, 5, 6}},
      // 13 deg 20' exactly: Bharani begins
      {"NakshatraLineAt13Deg20", 300, 40.0 / 3.0, {7, 1, 23, 0, 10}},
      // angles just below 360 stay in the last division
      {"LastOfEverything", 359.9999, 359.99999, {1, 26, 26, 11, 11}}};
  for (const Case& c : cases) {
    const PreciseValues v = ValuesOfLongitudes(At(c.sun, c.moon));
    EXPECT_EQ(v.tithi, c.expected.tithi) << c.name;
    EXPECT_EQ(v.nakshatra, c.expected.nakshatra) << c.name;
    EXPECT_EQ(v.yoga, c.expected.yoga) << c.name;
    EXPECT_EQ(v.moonSign, c.expected.moonSign) << c.name;
    EXPECT_EQ(v.sunSign, c.expected.sunSign) << c.name;
  }
}

// --- New and full moons -------------------------------------------------------

// USNO "Phases of the Moon", universal time to the minute: a new moon before the
// sky tables and a full moon, each found from either side (every phase of
// 2020-2030 is compared in sky_test.cpp). The phases are equalities of apparent
// geocentric longitudes (0 or 180 degrees apart), the same in any zodiac.
TEST(MoonPhases, UsnoPhasesWithinAMinute) {
  struct Case { const char* name; bool full; int y, m, d, h, mi; } cases[] = {
      {"NewMoonTotalSolarEclipse20170821", false, 2017, 8, 21, 18, 30},
      {"FullMoonPenumbralEclipse20240325", true, 2024, 3, 25, 7, 0}};

  for (auto c : cases) {
    const double usno = JulianDayOfLocal(c.y, c.m, c.d, c.h, c.mi, 0.0);
    const double next = c.full ? NextFullMoon(usno - 3.0) : NextNewMoon(usno - 3.0);
    EXPECT_NEAR(SecondsBetween(usno, next), 0.0, 40.0) << c.name;
    const double previous = c.full ? PreviousFullMoon(usno + 3.0) : PreviousNewMoon(usno + 3.0);
    EXPECT_NEAR(SecondsBetween(next, previous), 0.0, 0.01) << c.name;
  }
}

TEST(MoonPhases, NextIsAfterAndPreviousIsAtOrBefore) {
  // Started exactly at a new moon, the next one is a lunation later and the
  // previous one is that same instant.
  const double n = NextNewMoon(JulianDayOfLocal(2026, 3, 18, 0, 0, 0.0));
  const double after = NextNewMoon(n);
  EXPECT_GT(after - n, 29.2);
  EXPECT_LT(after - n, 29.9);
  EXPECT_NEAR(SecondsBetween(n, PreviousNewMoon(n + kOneSecond)), 0.0, 0.01);
}

// --- Next change of an element -----------------------------------------------

// The instant found is the change itself: one second before it the value is still
// the one current at the start, one second after it the next value holds.
TEST(NextChange, IsTheChangeToTheSecondForEveryElement) {
  for (const Element element :
       {Element::Tithi, Element::Nakshatra, Element::Yoga, Element::MoonSign, Element::SunSign}) {
    const int count = ValueCount(element);
    const int first = element == Element::Tithi ? 1 : 0;
    for (double t = 2461041.5; t < 2461406.5; t += 7.37) {
      const int now = ValueOf(PreciseValuesAt(t), element);
      const double change = NextChange(element, t);
      ASSERT_GT(change, t);
      EXPECT_EQ(ValueOf(PreciseValuesAt(change - kOneSecond), element), now) << t;
      EXPECT_EQ(ValueOf(PreciseValuesAt(change + kOneSecond), element), first + (now - first + 1) % count)
          << static_cast<int>(element) << " at " << t;
    }
  }
}

TEST(CrossingNear, ConvergesFromAGuessHoursOff) {
  // The pratipada's end of 20 March 2026 (elongation 12 degrees), from guesses
  // six hours either side.
  const double end = NextChange(Element::Tithi, JulianDayOfLocal(2026, 3, 19, 12, 0, kIndia));
  EXPECT_NEAR(SecondsBetween(end, CrossingNear(Element::Tithi, 12.0, end - 0.25)), 0.0, 0.01);
  EXPECT_NEAR(SecondsBetween(end, CrossingNear(Element::Tithi, 12.0, end + 0.25)), 0.0, 0.01);
}

// --- Lunar months -------------------------------------------------------------

// The months of every day of 2020-2030, the added Jyeshtha of 2026 among them,
// and the new moons that begin them are sky_test.cpp's.

// A lunation in which the Sun enters two signs: published calendars list the lost
// (kshaya) months of 1822, 1963, 1983 and 2124 (in the reckoning at mean sidereal
// signs, e.g. the kshaya Pausha of Shaka 1904, January 1983), none in between.
// The lost Pausha of 1983 bears Magha too, and the next lunation is Phalguna.
TEST(LunationsBetween, LostMonthsOnlyIn1963And1983Within1950To2100) {
  std::vector<std::string> lost;
  Lunation pausha1983;
  for (const Lunation& m : LunationsBetween(JulianDayOfLocal(1950, 1, 1, 0, 0, kIndia),
                                            JulianDayOfLocal(2100, 1, 1, 0, 0, kIndia)))
    if (m.skippedIndex >= 0) {
      EXPECT_EQ(m.skippedIndex, (m.month.index + 1) % 12);
      lost.push_back(LocalMinute(m.start, kIndia).substr(0, 7));
      pausha1983 = m;
    }
  EXPECT_EQ(lost, (std::vector<std::string>{"1963-11", "1983-01"}));
  EXPECT_EQ(LocalMinute(pausha1983.start, kIndia).substr(0, 10), "1983-01-14");
  EXPECT_EQ(pausha1983.month.index, 9);
  EXPECT_EQ(LunationAt(pausha1983.end + 1.0).month.index, 11);
}

// --- Era years ----------------------------------------------------------------

TEST(ErasOfMonth, ShakaVikramAndTheYearName) {
  struct Case {
    const char* name;
    int y, m, d;  // the lunation's first day (the instant only has to be near it)
    int monthIndex;
    int shaka, vikram;
    const char* source;
  } cases[] = {
      {"Phalguna2026", 2026, 2, 17, 11, 1947, 2082, "the last month of Shaka 1947"},
      {"Chaitra2026", 2026, 3, 19, 0, 1948, 2082, "Gudhi Padwa 2026 opens Shaka 1948"},
      {"Ashvina2026", 2026, 10, 10, 6, 1948, 2082,
       "Vikram 2082 began with Kartika 2025 (Gujarati new year, 22 October 2025)"},
      {"Kartika2026", 2026, 11, 9, 7, 1948, 2083,
       "Vikram 2083 begins with Kartika shukla pratipada, 10 November 2026"},
      {"AddedChaitra2029", 2029, 3, 15, 0, 1951, 2085,
       "an added Chaitra begins the Shaka year (the added month precedes its regular month in the same year)"},
      {"Magha1900", 1900, 1, 31, 10, 1821, 1956, "before Chaitra: Shaka = Gregorian year - 79"}};
  for (auto c : cases) {
    const Eras e = ErasOfMonth(JulianDayOfLocal(c.y, c.m, c.d, 12, 0, kIndia), c.monthIndex);
    EXPECT_EQ(e.shaka, c.shaka) << c.name << ": " << c.source;
    EXPECT_EQ(e.vikram, c.vikram) << c.name << ": " << c.source;
  }
  // The sixty-year cycle of elements/eras.h: Shaka 1948 is the 28th from its origin.
  EXPECT_EQ(ErasOfMonth(JulianDayOfLocal(2026, 3, 19, 12, 0, kIndia), 0).samvatsara, 28);
}

}  // namespace
}  // namespace kalnika
