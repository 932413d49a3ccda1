// Almanac days reckoned at sunrise: Gudhi Padwa 2026 at Mumbai with its skipped
// pratipada, the polar reckoning, and the rules that tie consecutive days together,
// checked over a year with daylight saving and polar day and night. The days of
// five places without polar days, their months among them, are checked against
// another ephemeris in sky_test.cpp; the era years of a month in precise_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/sunrise_day.h"
#include "support/instant_text.h"

namespace kalnika {
namespace {

using testing_time::JulianDayOfLocal;
using testing_time::LocalMinute;
using testing_time::SecondsBetween;

constexpr GeoPoint kMumbai{18 + 58 / 60.0, 72 + 50 / 60.0};  // the bundled place file's Mumbai
constexpr GeoPoint kTromso{69.65, 18.96};

const Clock kIndia = Clock::Fixed(330);

// Norway's clock (tzdata 2025b, the zone file the tests carry).
const Clock kNorway =
    Clock::OfZone(ZoneRules::Load("Europe/Oslo", std::string(KALNIKA_TEST_DATA) + "/zoneinfo").rules);

// --- Published days -----------------------------------------------------------

// Gudhi Padwa 2026 at Mumbai: the new moon comes ten minutes after the sunrise of
// 19 March, and the pratipada ends at 04:53 on 20 March, before the next sunrise:
// it is current at no sunrise. The day of 19 March names it with its end; Chaitra,
// and Shaka 1948, begin with the day of 20 March. (Mumbai almanacs of Shaka 1948;
// the values at sunrise, the months and the instants are also sky_test.cpp's.)
TEST(SunriseDays, MumbaiGudhiPadwa2026) {
  const std::vector<SunriseDay> days = ComputeSunriseDays({2026, 3, 19}, 2, kMumbai, kIndia);
  const SunriseDay& padwa = days[0];
  ASSERT_EQ(padwa.tithi.skipped.size(), 1u);
  EXPECT_EQ(padwa.tithi.skipped[0].value, 1);
  EXPECT_EQ(LocalMinute(padwa.tithi.skipped[0].end, 5.5), "2026-03-20 04:53");
  EXPECT_EQ(padwa.lunation.month.index, 11);  // still Phalguna at its sunrise
  EXPECT_EQ(padwa.nextLunation.month.index, 0);  // the skipped pratipada's month
  EXPECT_EQ(padwa.eras.shaka, 1947);
  EXPECT_EQ(days[1].lunation.month, (LunarMonth{0, MonthKind::Regular}));
  EXPECT_EQ(days[1].eras.shaka, 1948);
}

// --- Polar days -----------------------------------------------------------------

TEST(SunriseDays, PolarNightIsReckonedAtSixLocalMeanTime) {
  for (const SunriseDay& day : ComputeSunriseDays({2026, 12, 18}, 7, kTromso, kNorway)) {
    SCOPED_TRACE(day.date.day);
    EXPECT_FALSE(day.sunrise.has_value());
    EXPECT_FALSE(day.sunset.has_value());
    // 06:00 at 18.96 E is 04:44:10 UT.
    const double sixLocalMean = JulianDayOfLocal(2026, 12, day.date.day, 4, 44, 0.0) + 10.0 / 86400;
    EXPECT_NEAR(SecondsBetween(sixLocalMean, day.reckoning), 0.0, 0.5);
  }
}

// --- The rules that tie the days together -------------------------------------

int Successor(Element element, int value) {
  const int first = element == Element::Tithi ? 1 : 0;
  return first + (value - first + 1) % ValueCount(element);
}

// The run of an element through a day: its values follow one another, each end is
// the change the library's own search finds afresh (to 2 ms: the days read
// their changes from a polynomial through their neighbours' samples), and the next
// day starts with the value the day's last change began.
void CheckRun(const SunriseDay& day, Element element, const ElementRun& run, const ElementRun* nextRun) {
  SCOPED_TRACE(testing::Message() << "element " << static_cast<int>(element));
  EXPECT_EQ(run.current.value, ValueOf(day.values, element));
  EXPECT_GT(run.current.end, day.reckoning);
  EXPECT_NEAR(SecondsBetween(NextChange(element, day.reckoning), run.current.end), 0.0, 2e-3);
  int value = run.current.value;
  double begun = run.current.end;
  for (const Ending& s : run.skipped) {
    EXPECT_LT(begun, day.nextReckoning);
    EXPECT_EQ(s.value, Successor(element, value));
    EXPECT_GT(s.end, begun);
    EXPECT_LT(s.end, day.nextReckoning);
    EXPECT_NEAR(SecondsBetween(NextChange(element, begun + 1e-3 / 86400), s.end), 0.0, 2e-3);
    value = s.value;
    begun = s.end;
  }
  if (nextRun != nullptr) {
    EXPECT_EQ(nextRun->current.value, begun < day.nextReckoning ? Successor(element, value) : value);
  }
}

// A year at Tromso: polar night and midnight sun, the changes to and from the
// reckoning at 06:00 local mean time, and daylight saving. (Sunrises, months, new
// and full moons and sign entries of the days are sky_test.cpp's, against another
// ephemeris.)
void CheckYear(const std::vector<SunriseDay>& days) {
  for (std::size_t i = 0; i < days.size(); ++i) {
    const SunriseDay& day = days[i];
    const SunriseDay* next = i + 1 < days.size() ? &days[i + 1] : nullptr;
    SCOPED_TRACE(testing::Message() << day.date.year << "-" << day.date.month << "-" << day.date.day);

    EXPECT_LT(day.reckoning, day.nextReckoning);
    if (next) {
      EXPECT_EQ(day.nextReckoning, next->reckoning);
    }
    if (day.sunrise) {
      EXPECT_EQ(day.reckoning, *day.sunrise);
    }

    const PreciseValues at = PreciseValuesAt(day.reckoning);
    for (const Element element :
         {Element::Tithi, Element::Nakshatra, Element::Yoga, Element::MoonSign, Element::SunSign})
      EXPECT_EQ(ValueOf(day.values, element), ValueOf(at, element));
    CheckRun(day, Element::Tithi, day.tithi, next ? &next->tithi : nullptr);
    CheckRun(day, Element::Nakshatra, day.nakshatra, next ? &next->nakshatra : nullptr);
    CheckRun(day, Element::Yoga, day.yoga, next ? &next->yoga : nullptr);
    CheckRun(day, Element::MoonSign, day.moonSign, next ? &next->moonSign : nullptr);
  }
}

TEST(SunriseDays, AYearWithPolarDaysAndDaylightSavingHoldsTogether) {
  CheckYear(ComputeSunriseDays({2026, 1, 1}, 365, kTromso, kNorway));
}

// A year of regular sunrises, each change read from the polynomial through the
// days' samples.
TEST(SunriseDays, AYearAtMumbaiHoldsTogether) { CheckYear(ComputeSunriseDays({2027, 1, 1}, 365, kMumbai, kIndia)); }

}  // namespace
}  // namespace kalnika
