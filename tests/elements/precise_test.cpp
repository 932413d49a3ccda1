// The precise method's rules at an instant: elements of a pair of longitudes, the
// instant an element next changes, new and full moons, the amanta lunar month with
// its added and lost months, and the era years. Expected instants are USNO's and a
// Mumbai almanac's; months and years are those of published Hindu calendars.
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

struct ValuesCase {
  const char* name;
  double sun, moon;
  PreciseValues expected;
  const char* why;
};

class ValuesOfLongitudesCases : public testing::TestWithParam<ValuesCase> {};

TEST_P(ValuesOfLongitudesCases, Divisions) {
  const ValuesCase& c = GetParam();
  const PreciseValues v = ValuesOfLongitudes(At(c.sun, c.moon));
  EXPECT_EQ(v.tithi, c.expected.tithi) << c.why;
  EXPECT_EQ(v.nakshatra, c.expected.nakshatra) << c.why;
  EXPECT_EQ(v.yoga, c.expected.yoga) << c.why;
  EXPECT_EQ(v.moonSign, c.expected.moonSign) << c.why;
  EXPECT_EQ(v.sunSign, c.expected.sunSign) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ValuesOfLongitudesCases,
    testing::Values(
        ValuesCase{"NewMoonAtTheFirstPointOfAries", 0, 0, {1, 0, 0, 0, 0},
                   "conjunction: the first tithi begins, every angle at 0"},
        ValuesCase{"ElongationJustBelowConjunction", 10, 9.9999, {30, 0, 1, 0, 0},
                   "amavasya up to the conjunction; yoga 19.9999 is the second"},
        ValuesCase{"FullMoonExactly", 100, 280, {16, 21, 1, 9, 3},
                   "elongation 180 opens the dark fortnight; 280 begins Shravana (21); sum 380 is 20"},
        ValuesCase{"FullMoonTithiJustBefore", 100, 279.999, {15, 20, 1, 9, 3},
                   "purnima to the last instant before 180; 279.999 is Uttarashadha (20)"},
        ValuesCase{"ElongationAcrossZero", 350, 5, {2, 0, 26, 0, 11},
                   "moon - sun = 15 taken across 0; sun + moon = 355 is the last yoga"},
        ValuesCase{"YogaSumAbove360", 200, 170, {28, 12, 0, 5, 6},
                   "sum 370 wraps to 10: the first yoga; elongation 330 is tithi 28"},
        ValuesCase{"NakshatraLineAt13Deg20", 300, 40.0 / 3.0, {7, 1, 23, 0, 10},
                   "13 deg 20' exactly: Bharani begins"},
        ValuesCase{"NakshatraJustBelowItsLine", 300, 13.3333, {7, 0, 23, 0, 10},
                   "a hair below 13 deg 20' is still Ashvini"},
        ValuesCase{"LastOfEverything", 359.9999, 359.99999, {1, 26, 26, 11, 11},
                   "angles just below 360 stay in the last division"}),
    [](const testing::TestParamInfo<ValuesCase>& p) { return std::string(p.param.name); });

TEST(ValuesOfLongitudes, EveryTithi) {
  // Tithi k spans elongations [12(k-1), 12k).
  for (int k = 1; k <= 30; ++k)
    EXPECT_EQ(ValuesOfLongitudes(At(123.0, 123.0 + 12.0 * (k - 1) + 6.0)).tithi, k);
}

TEST(ValuesOfLongitudes, EveryNakshatraYogaAndSign) {
  for (int n = 0; n < 27; ++n) {
    const double middle = (n + 0.5) * 40.0 / 3.0;
    EXPECT_EQ(ValuesOfLongitudes(At(0.0, middle)).nakshatra, n);
    EXPECT_EQ(ValuesOfLongitudes(At(middle / 2, middle / 2)).yoga, n);
  }
  for (int s = 0; s < 12; ++s) {
    const double middle = 30.0 * s + 15.0;
    EXPECT_EQ(ValuesOfLongitudes(At(middle, 0.0)).sunSign, s);
    EXPECT_EQ(ValuesOfLongitudes(At(0.0, middle)).moonSign, s);
  }
}

// --- New and full moons -------------------------------------------------------

struct PhaseCase {
  const char* name;
  bool full;  // full moon, else new moon
  int y, m, d, h, mi;  // USNO phases of the Moon, universal time, to the minute
};

class UsnoPhases : public testing::TestWithParam<PhaseCase> {};

// The phases are equalities of apparent geocentric longitudes (0 or 180 degrees
// apart), the same in any zodiac; USNO rounds to the minute.
TEST_P(UsnoPhases, WithinAMinute) {
  const PhaseCase& c = GetParam();
  const double usno = JulianDayOfLocal(c.y, c.m, c.d, c.h, c.mi, 0.0);
  const double next = c.full ? NextFullMoon(usno - 3.0) : NextNewMoon(usno - 3.0);
  EXPECT_NEAR(SecondsBetween(usno, next), 0.0, 40.0);
  const double previous = c.full ? PreviousFullMoon(usno + 3.0) : PreviousNewMoon(usno + 3.0);
  EXPECT_NEAR(SecondsBetween(next, previous), 0.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Eclipses, UsnoPhases,
    testing::Values(
        PhaseCase{"NewMoonTotalSolarEclipse20170821", false, 2017, 8, 21, 18, 30},
        PhaseCase{"NewMoonAnnularEclipse20231014", false, 2023, 10, 14, 17, 55},
        PhaseCase{"FullMoonPenumbralEclipse20240325", true, 2024, 3, 25, 7, 0},
        PhaseCase{"NewMoonTotalSolarEclipse20240408", false, 2024, 4, 8, 18, 21},
        PhaseCase{"FullMoonPartialEclipse20240918", true, 2024, 9, 18, 2, 34},
        PhaseCase{"NewMoonAnnularEclipse20241002", false, 2024, 10, 2, 18, 49},
        PhaseCase{"FullMoonTotalEclipse20250314", true, 2025, 3, 14, 6, 55},
        PhaseCase{"FullMoonTotalEclipse20250907", true, 2025, 9, 7, 18, 9},
        PhaseCase{"NewMoonAnnularEclipse20260217", false, 2026, 2, 17, 12, 1},
        PhaseCase{"FullMoonTotalEclipse20260303", true, 2026, 3, 3, 11, 38},
        PhaseCase{"NewMoonChaitra20260319", false, 2026, 3, 19, 1, 23},
        PhaseCase{"NewMoonTotalSolarEclipse20260812", false, 2026, 8, 12, 17, 37}),
    [](const testing::TestParamInfo<PhaseCase>& p) { return std::string(p.param.name); });

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

class NextChangeOfEachElement : public testing::TestWithParam<Element> {};

// The instant found is the change itself: one second before it the value is still
// the one current at the start, one second after it the next value holds.
TEST_P(NextChangeOfEachElement, IsTheChangeToTheSecond) {
  const Element element = GetParam();
  const int count = ValueCount(element);
  const int first = element == Element::Tithi ? 1 : 0;
  for (double t = 2461041.5; t < 2461406.5; t += 7.37) {
    const int now = ValueOf(PreciseValuesAt(t), element);
    const double change = NextChange(element, t);
    ASSERT_GT(change, t);
    EXPECT_EQ(ValueOf(PreciseValuesAt(change - kOneSecond), element), now) << t;
    EXPECT_EQ(ValueOf(PreciseValuesAt(change + kOneSecond), element),
              first + (now - first + 1) % count)
        << t;
  }
}

std::string ElementName(const testing::TestParamInfo<Element>& p) {
  switch (p.param) {
    case Element::Tithi: return "Tithi";
    case Element::Nakshatra: return "Nakshatra";
    case Element::Yoga: return "Yoga";
    case Element::MoonSign: return "MoonSign";
    case Element::SunSign: break;
  }
  return "SunSign";
}

INSTANTIATE_TEST_SUITE_P(Elements, NextChangeOfEachElement,
                         testing::Values(Element::Tithi, Element::Nakshatra, Element::Yoga,
                                         Element::MoonSign, Element::SunSign),
                         ElementName);

TEST(CrossingNear, ConvergesFromAGuessHoursOff) {
  // The pratipada's end of 20 March 2026 (elongation 12 degrees), from guesses
  // six hours either side.
  const double end = NextChange(Element::Tithi, JulianDayOfLocal(2026, 3, 19, 12, 0, kIndia));
  EXPECT_NEAR(SecondsBetween(end, CrossingNear(Element::Tithi, 12.0, end - 0.25)), 0.0, 0.01);
  EXPECT_NEAR(SecondsBetween(end, CrossingNear(Element::Tithi, 12.0, end + 0.25)), 0.0, 0.01);
}

// --- Lunar months -------------------------------------------------------------

struct MonthCase {
  const char* name;
  int index;
  MonthKind kind;
  const char* startIst;  // the new moon that begins it, to the minute (USNO, in IST)
};

// Shaka 1948 at Mumbai: Chaitra begins at the new moon of 19 March 2026; an added
// Jyeshtha from 17 May to 15 June 2026, then the regular (nija) Jyeshtha (published
// Hindu calendars for 2026: adhika Jyeshtha 17 May - 15 June). The new moons are
// USNO's, in IST.
TEST(LunationsBetween, Shaka1948WithItsAddedJyeshtha) {
  const std::vector<MonthCase> expected = {
      {"Phalguna", 11, MonthKind::Regular, "2026-02-17 17:31"},
      {"Chaitra", 0, MonthKind::Regular, "2026-03-19 06:53"},
      {"Vaishakha", 1, MonthKind::Regular, "2026-04-17 17:22"},
      {"AddedJyeshtha", 2, MonthKind::Added, "2026-05-17 01:31"},
      {"RegularJyeshtha", 2, MonthKind::RegularAfterAdded, "2026-06-15 08:24"},
      {"Ashadha", 3, MonthKind::Regular, "2026-07-14 15:14"},
      {"Shravana", 4, MonthKind::Regular, "2026-08-12 23:07"},
      {"Bhadrapada", 5, MonthKind::Regular, "2026-09-11 08:57"},
      {"Ashvina", 6, MonthKind::Regular, "2026-10-10 21:20"},
      {"Kartika", 7, MonthKind::Regular, "2026-11-09 12:32"},
      {"Margashirsha", 8, MonthKind::Regular, "2026-12-09 06:22"},
  };
  const std::vector<Lunation> months =
      LunationsBetween(JulianDayOfLocal(2026, 3, 1, 0, 0, kIndia),
                         JulianDayOfLocal(2026, 12, 20, 0, 0, kIndia));
  ASSERT_EQ(months.size(), expected.size());
  for (std::size_t i = 0; i < months.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(months[i].month.index, expected[i].index);
    EXPECT_EQ(months[i].month.kind, expected[i].kind);
    EXPECT_EQ(months[i].skippedIndex, -1);
    EXPECT_EQ(LocalMinute(months[i].start, kIndia), expected[i].startIst);
    if (i + 1 < months.size()) {
      EXPECT_EQ(months[i].end, months[i + 1].start);
    }
  }
}

TEST(LunationAt, ChangesOnlyAtTheNewMoon) {
  const double chaitraBegins = JulianDayOfLocal(2026, 3, 19, 6, 53, kIndia);
  EXPECT_EQ(LunationAt(chaitraBegins - 1.0 / 24).month.index, 11);
  EXPECT_EQ(LunationAt(chaitraBegins + 1.0 / 24).month.index, 0);
  EXPECT_EQ(LunationAt(chaitraBegins + 20.0).month.index, 0);
}

// A lunation in which the Sun enters two signs: published calendars list the lost
// (kshaya) months of 1822, 1963, 1983 and 2124 (in the reckoning at mean sidereal
// signs, e.g. the kshaya Pausha of Shaka 1904, January 1983), none in between.
TEST(LunationsBetween, LostPaushaOf1983) {
  const std::vector<Lunation> months = LunationsBetween(
      JulianDayOfLocal(1983, 1, 20, 0, 0, kIndia), JulianDayOfLocal(1983, 1, 20, 0, 0, kIndia));
  ASSERT_EQ(months.size(), 1u);
  EXPECT_EQ(months[0].month.index, 9);   // Pausha, bearing
  EXPECT_EQ(months[0].skippedIndex, 10); // Magha too
  EXPECT_EQ(LocalMinute(months[0].start, kIndia).substr(0, 10), "1983-01-14");
  // The next lunation is Phalguna: no lunation begins as Magha.
  EXPECT_EQ(LunationAt(months[0].end + 1.0).month.index, 11);
}

TEST(LunationsBetween, LostMonthsOnlyIn1963And1983Within1950To2100) {
  std::vector<std::string> lost;
  for (const Lunation& m : LunationsBetween(JulianDayOfLocal(1950, 1, 1, 0, 0, kIndia),
                                                JulianDayOfLocal(2100, 1, 1, 0, 0, kIndia)))
    if (m.skippedIndex >= 0) {
      EXPECT_EQ(m.skippedIndex, (m.month.index + 1) % 12);
      lost.push_back(LocalMinute(m.start, kIndia).substr(0, 7));
    }
  EXPECT_EQ(lost, (std::vector<std::string>{"1963-11", "1983-01"}));
}

// --- Era years ----------------------------------------------------------------

struct ErasCase {
  const char* name;
  int y, m, d;  // the lunation's first day (the instant only has to be near it)
  int monthIndex;
  int shaka, vikram;
  const char* source;
};

class ErasOfMonthCases : public testing::TestWithParam<ErasCase> {};

TEST_P(ErasOfMonthCases, ShakaAndVikram) {
  const ErasCase& c = GetParam();
  const Eras e = ErasOfMonth(JulianDayOfLocal(c.y, c.m, c.d, 12, 0, kIndia), c.monthIndex);
  EXPECT_EQ(e.shaka, c.shaka) << c.source;
  EXPECT_EQ(e.vikram, c.vikram) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, ErasOfMonthCases,
    testing::Values(
        ErasCase{"Pausha2025", 2025, 12, 20, 9, 1947, 2082, "Shaka 1947 since Gudhi Padwa 2025"},
        ErasCase{"Phalguna2026", 2026, 2, 17, 11, 1947, 2082, "the last month of Shaka 1947"},
        ErasCase{"Chaitra2026", 2026, 3, 19, 0, 1948, 2082, "Gudhi Padwa 2026 opens Shaka 1948"},
        ErasCase{"AddedJyeshtha2026", 2026, 5, 17, 2, 1948, 2082, "adhika Jyeshtha of Shaka 1948"},
        ErasCase{"Ashvina2026", 2026, 10, 10, 6, 1948, 2082,
                 "Vikram 2082 began with Kartika 2025 (Gujarati new year, 22 October 2025)"},
        ErasCase{"Kartika2026", 2026, 11, 9, 7, 1948, 2083,
                 "Vikram 2083 begins with Kartika shukla pratipada, 10 November 2026"},
        ErasCase{"AddedChaitra2029", 2029, 3, 15, 0, 1951, 2085,
                 "an added Chaitra begins the Shaka year (the added month precedes its "
                 "regular month in the same year)"},
        ErasCase{"Chaitra1900", 1900, 3, 31, 0, 1822, 1956, "Shaka = Gregorian year - 78"},
        ErasCase{"Magha1900", 1900, 1, 31, 10, 1821, 1956, "Shaka = Gregorian year - 79"}),
    [](const testing::TestParamInfo<ErasCase>& p) { return std::string(p.param.name); });

TEST(ErasOfMonth, YearNameFromTheShakaYear) {
  // The sixty-year cycle of elements/eras.h: Shaka 1948 is the 28th from its origin.
  EXPECT_EQ(ErasOfMonth(JulianDayOfLocal(2026, 3, 19, 12, 0, kIndia), 0).samvatsara, 28);
}

}  // namespace
}  // namespace kalnika
