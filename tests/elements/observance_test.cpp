// The observance rules on instants: the parts of the day, and the choice of the day
// by each rule, tie and special case. The days are four consecutive dates with the
// Sun rising at 06:00 and setting at 18:00 (universal time, a zone of 0), so that
// every part falls on a round clock time by its definition:
//   morning (purvahna)     06:00-12:00  the first half of the day
//   midday (madhyahna)     10:48-13:12  the third fifth of the day
//   afternoon (aparahna)   13:12-15:36  the fourth fifth
//   dusk (pradosha)        18:00-20:24  the first fifth of the night
//   midnight (nishitha)    23:36-00:24  the eighth of fifteen night muhurtas
//   arunodaya              04:24        four ghatis (96 minutes) before sunrise
// and the Moon rising at 21:00, 21:50, 22:40 and 23:30. Every row's tithi is placed
// so that the rule chooses another day than the sunrise rule would (the row says
// which), unless the row is the sunrise rule itself. The expected days follow from
// the definitions above by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "elements/observance.h"
#include "elements/observance_rule.h"
#include "support/instant_text.h"

namespace kalnika {
namespace {

using testing_time::JulianDayOfLocal;
using testing_time::LocalMinute;

constexpr CivilDate kDates[] = {{2024, 3, 1}, {2024, 3, 2}, {2024, 3, 3}, {2024, 3, 4}, {2024, 3, 5}};

// An instant: day 1..5 of kDates and the clock "hh:mm" (hours may pass 24).
double At(int day, const char* clock) {
  int h = 0, m = 0;
  std::sscanf(clock, "%d:%d", &h, &m);
  const CivilDate& d = kDates[day - 1];
  return JulianDayOfLocal(d.year, d.month, d.day, 0, 0, 0.0) + (h * 60 + m) / 1440.0;
}

std::vector<DayInstants> Days() {
  const char* moonrises[] = {"21:00", "21:50", "22:40", "23:30"};
  std::vector<DayInstants> days;
  for (int i = 1; i <= 4; ++i)
    days.push_back({kDates[i - 1], At(i, "06:00"), At(i, "18:00"), At(i + 1, "06:00"), At(i, moonrises[i - 1])});
  return days;
}

ObservanceRule Rule(const char* text) {
  const std::optional<ObservanceRule> rule = ParseObservanceRule(text);
  EXPECT_TRUE(rule.has_value()) << text;
  return rule.value_or(ObservanceRule{});
}

// Day and time of a span's ends, "d1 10:00".
struct Clock {
  int day;
  const char* time;
};

struct ChoiceCase {
  const char* name;
  const char* rule;
  Clock begins, ends;             // the tithi
  std::vector<Clock> nakshatra;   // pairs: the rule's nakshatra from, to
  std::vector<Clock> bhadra;      // pairs
  int day;                        // 1..4, the expected date
  Reason reason;
};

std::vector<Span> Spans(const std::vector<Clock>& ends) {
  std::vector<Span> spans;
  for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
    spans.push_back({At(ends[i].day, ends[i].time), At(ends[i + 1].day, ends[i + 1].time)});
  return spans;
}

class Choice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, KeepsTheFestivalOnItsDay) {
  const ChoiceCase& c = GetParam();
  TithiOccurrence occurrence{{At(c.begins.day, c.begins.time), At(c.ends.day, c.ends.time)}, Days(),
                             Spans(c.nakshatra), Spans(c.bhadra), std::nullopt};
  const std::optional<Observance> chosen = ChooseTithiDay(Rule(c.rule), occurrence);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->date, kDates[c.day - 1]) << "day " << chosen->date.day;
  EXPECT_EQ(chosen->reason, c.reason);
  EXPECT_EQ(chosen->tradition, Tradition::Smarta);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, Choice, testing::Values(
    // The sunrise rule itself: a tithi at two sunrises is kept on the first; one at
    // no sunrise (lost between two) on the day in which it lies.
    ChoiceCase{"SunriseTwoSunrisesFirst", "udaya", {2, "05:00"}, {3, "07:00"}, {}, {}, 2, Reason::FirstOfTwo},
    ChoiceCase{"SunriseLostTithiItsOwnDay", "udaya", {1, "07:00"}, {2, "05:00"}, {}, {}, 1, Reason::NeitherFirst},
    // Morning: 4 of the 1st's 6 hours against 1 of the 2nd's (sunrise rule: the 2nd).
    ChoiceCase{"MorningMoreCoverage", "purvahna", {1, "08:00"}, {2, "07:00"}, {}, {}, 1, Reason::MoreCoverage},
    // Midday: the whole 1st's against 12 minutes of the 2nd's (sunrise rule: the 2nd).
    ChoiceCase{"MiddayMoreCoverage", "madhyahna", {1, "10:00"}, {2, "11:00"}, {}, {}, 1, Reason::MoreCoverage},
    // Midday: begun after the 1st's, ended before the 2nd's; the tithi's own day.
    ChoiceCase{"MiddayNeitherFirst", "madhyahna", {1, "14:00"}, {2, "10:00"}, {}, {}, 1, Reason::NeitherFirst},
    // Afternoon on both days, whole: the first (sunrise rule: the 2nd).
    ChoiceCase{"AfternoonBothFirst", "aparahna,first", {1, "13:00"}, {2, "16:00"}, {}, {}, 1, Reason::FirstOfTwo},
    // The same, but Shravana holds at the 2nd's afternoon only: the 2nd.
    ChoiceCase{"AfternoonBothShravanaSecond", "aparahna,first,nakshatra=shravana", {1, "13:00"}, {2, "16:00"},
               {{2, "12:00"}, {3, "14:00"}}, {}, 2, Reason::Nakshatra},
    // At no afternoon (begun after the 1st's, ended before the 2nd's): the first,
    // unless Shravana holds at the 2nd's afternoon.
    ChoiceCase{"AfternoonNeitherFirst", "aparahna,first,nakshatra=shravana", {1, "16:00"}, {2, "12:00"},
               {{3, "12:00"}, {4, "10:00"}}, {}, 1, Reason::NeitherFirst},
    ChoiceCase{"AfternoonNeitherShravanaSecond", "aparahna,first,nakshatra=shravana", {1, "16:00"}, {2, "12:00"},
               {{2, "13:00"}, {3, "13:00"}}, {}, 2, Reason::Nakshatra},
    // Dusk of the 1st only (sunrise rule: the 2nd), as Dhanteras 2024.
    ChoiceCase{"DuskOnlyDay", "pradosha", {1, "10:00"}, {2, "17:00"}, {}, {}, 1, Reason::OnlyDay},
    // Dusk of both, the 2nd's for half an hour: the second, as Lakshmi Puja 2024.
    ChoiceCase{"DuskBothSecond", "pradosha,second", {1, "16:00"}, {2, "18:30"}, {}, {}, 2, Reason::SecondOfTwo},
    // Midnight of the 1st only (sunrise rule: the 2nd), as Maha Shivaratri 2024.
    ChoiceCase{"MidnightOnlyDay", "nishitha", {1, "22:00"}, {2, "20:00"}, {}, {}, 1, Reason::OnlyDay},
    // Half the 1st's midnight against 14 minutes of the 2nd's.
    ChoiceCase{"MidnightMoreCoverage", "nishitha", {1, "24:00"}, {2, "23:50"}, {}, {}, 1, Reason::MoreCoverage},
    // Midnight of both (a tithi of 26 hours): Rohini at the 1st's decides, else the second.
    ChoiceCase{"MidnightBothRohiniFirst", "nishitha,second,neither=second,nakshatra=rohini", {1, "23:00"}, {3, "01:00"},
               {{1, "20:00"}, {2, "22:00"}}, {}, 1, Reason::Nakshatra},
    ChoiceCase{"MidnightBothSecond", "nishitha,second,neither=second,nakshatra=rohini", {1, "23:00"}, {3, "01:00"},
               {}, {}, 2, Reason::SecondOfTwo},
    // At no midnight: the next day (sunrise rule: the 2nd as well; the reason differs).
    ChoiceCase{"MidnightNeitherSecond", "nishitha,second,neither=second", {1, "24:30"}, {2, "23:00"}, {}, {}, 2,
               Reason::NeitherSecond},
    // Moonrise: begun after the 1st's (21:00), ended before the 2nd's (21:50): the
    // next day, as Sankashti in September 2024.
    ChoiceCase{"MoonriseNeitherSecond", "chandrodaya,first,neither=second", {1, "21:30"}, {2, "19:00"}, {}, {}, 2,
               Reason::NeitherSecond},
    // At both moonrises: the first (sunrise rule: the 2nd).
    ChoiceCase{"MoonriseBothFirst", "chandrodaya,first,neither=second", {1, "20:00"}, {2, "22:00"}, {}, {}, 1,
               Reason::FirstOfTwo},
    // Bhadra over the whole dusk of the only day: that night after Bhadra, as Holika
    // Dahan 2024 (sunrise rule: the 2nd).
    ChoiceCase{"DuskAllInBhadra", "pradosha,second,outside-bhadra", {1, "10:00"}, {2, "12:00"}, {},
               {{1, "10:00"}, {1, "23:00"}}, 1, Reason::AfterBhadra},
    // Bhadra ends within the 1st's dusk: the free part counts.
    ChoiceCase{"DuskPartlyOutsideBhadra", "pradosha,second,outside-bhadra", {1, "10:00"}, {2, "12:00"}, {},
               {{1, "10:00"}, {1, "19:00"}}, 1, Reason::OnlyDay},
    // Bhadra over the 1st's dusk, the 2nd's dusk held and free: the 2nd.
    ChoiceCase{"DuskSecondOutsideBhadra", "pradosha,second,outside-bhadra", {1, "16:00"}, {2, "19:00"}, {},
               {{1, "16:00"}, {2, "04:00"}}, 2, Reason::OnlyDay}),
    [](const testing::TestParamInfo<ChoiceCase>& p) { return std::string(p.param.name); });
// clang-format on

// Lakshmi Puja by the Dharmasindhu as Marathi almanac makers quote it: the new
// moon at dusk of the first day only, but lasting three and a half yamas into the
// second (past 16:30, 7/8 of its daytime) while the next tithi is longer: the
// second day, as in 2025 (amavasya 15:44 20 Oct - 17:54 21 Oct, pratipada to 20:16
// 22 Oct: Lakshmi Puja 21 Oct in the Marathi almanacs, vidyashastra.info and
// panditjipune.com). Shorter, or a shorter next tithi: the first day.
TEST(ChooseTithiDay, SardhaTriyamaMovesToTheSecondDay) {
  struct Case {
    const char* name;
    Clock ends, nextEnds;
    int day;
    Reason reason;
  } cases[] = {{"LongAndGrowing", {2, "17:00"}, {3, "18:10"}, 2, Reason::SardhaTriyama},
               {"NextShorter", {2, "17:00"}, {3, "17:50"}, 1, Reason::OnlyDay},
               {"EndsBeforeTheLastHalfYama", {2, "16:20"}, {3, "18:10"}, 1, Reason::OnlyDay}};
  for (const Case& c : cases) {
    TithiOccurrence occurrence{{At(1, "16:00"), At(c.ends.day, c.ends.time)}, Days(), {}, {}, std::nullopt};
    occurrence.next = Span{occurrence.tithi.end, At(c.nextEnds.day, c.nextEnds.time)};
    const std::optional<Observance> chosen = ChooseTithiDay(Rule("pradosha,second,sardha-triyama"), occurrence);
    ASSERT_TRUE(chosen.has_value()) << c.name;
    EXPECT_EQ(chosen->date, kDates[c.day - 1]) << c.name;
    EXPECT_EQ(chosen->reason, c.reason) << c.name;
  }
}

// The parts of the synthetic day, by the definitions in the header of this file.
TEST(PartOfDay, ByTheirDefinitions) {
  const DayInstants day = Days()[0];
  struct Case {
    DayPart part;
    const char* from;
    const char* to;
  } cases[] = {{DayPart::Sunrise, "06:00", "06:00"},   {DayPart::Morning, "06:00", "12:00"},
               {DayPart::Midday, "10:48", "13:12"},    {DayPart::Afternoon, "13:12", "15:36"},
               {DayPart::Dusk, "18:00", "20:24"},      {DayPart::Midnight, "23:36", "24:24"},
               {DayPart::Moonrise, "21:00", "21:00"},  {DayPart::Arunodaya, "04:24", "04:24"}};
  for (const Case& c : cases) {
    const std::optional<Span> span = PartOfDay(c.part, day);
    ASSERT_TRUE(span.has_value());
    EXPECT_EQ(LocalMinute(span->start, 0.0), LocalMinute(At(1, c.from), 0.0)) << static_cast<int>(c.part);
    EXPECT_EQ(LocalMinute(span->end, 0.0), LocalMinute(At(1, c.to), 0.0)) << static_cast<int>(c.part);
  }
  DayInstants noMoon = day;
  noMoon.moonrise.reset();
  EXPECT_FALSE(PartOfDay(DayPart::Moonrise, noMoon).has_value());
}

// Published parts at Mumbai, with sunrise and sunset of the independent sky table
// (tests/data/sky/mumbai.csv): the Akshaya Tritiya puja of 10 May 2024, "6:06 am to
// 12:35 pm", is the morning (Business Today, DrikPanchang's Mumbai times); the
// Dhanteras muhurat of 29 October 2024 ends with the dusk at "8:37 pm" (Zee News
// and Mint, DrikPanchang's Mumbai times).
TEST(PartOfDay, PublishedMumbaiTimes) {
  auto instant = [](const char* iso) {
    int y, mo, d, h, mi, s;
    std::sscanf(iso, "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s);
    return JulianDayOfLocal(y, mo, d, h, mi, 0.0) + s / 86400.0;
  };
  // date, sunrise, sunset and the next date's sunrise of the sky table.
  const DayInstants may10{{2024, 5, 10}, instant("2024-05-10T00:36:11Z"), instant("2024-05-10T13:34:10Z"),
                          instant("2024-05-11T00:35:45Z"), std::nullopt};
  const DayInstants oct29{{2024, 10, 29}, instant("2024-10-29T01:07:44Z"), instant("2024-10-29T12:36:43Z"),
                          instant("2024-10-30T01:08:10Z"), std::nullopt};
  const Span morning = *PartOfDay(DayPart::Morning, may10);
  EXPECT_EQ(LocalMinute(morning.start, 5.5), "2024-05-10 06:06");
  EXPECT_EQ(LocalMinute(morning.end, 5.5), "2024-05-10 12:35");
  EXPECT_EQ(LocalMinute(PartOfDay(DayPart::Dusk, oct29)->end, 5.5), "2024-10-29 20:37");
}

// Coverage is a share of the part; Bhadra is taken out of it; an instant part is
// held or not.
TEST(Coverage, ShareOfThePartOutsideTheExcluded) {
  const Span midday{At(1, "10:48"), At(1, "13:12")};
  // Julian Days near 2.46e6 carry instants to some 1e-10 day.
  EXPECT_NEAR(Coverage(midday, {At(1, "12:00"), At(2, "12:00")}, {}), 0.5, 1e-6);
  EXPECT_NEAR(Coverage(midday, {At(1, "12:00"), At(2, "12:00")}, {{At(1, "12:00"), At(1, "12:36")}}), 0.25, 1e-6);
  EXPECT_EQ(Coverage(midday, {At(1, "14:00"), At(2, "12:00")}, {}), 0.0);
  const Span sunrise{At(1, "06:00"), At(1, "06:00")};
  EXPECT_EQ(Coverage(sunrise, {At(1, "06:00"), At(2, "05:00")}, {}), 1.0);   // begun at the instant
  EXPECT_EQ(Coverage(sunrise, {At(1, "05:00"), At(1, "06:00")}, {}), 0.0);   // ended at it
}

// The days given must reach from the tithi's beginning to the date after its end.
TEST(ChooseTithiDay, NoneWithoutTheDaysAroundTheTithi) {
  std::vector<DayInstants> days = Days();
  EXPECT_FALSE(ChooseTithiDay(kSunriseRule, {{At(1, "04:00"), At(2, "03:00")}, days, {}, {}, std::nullopt}).has_value());
  days.resize(2);
  EXPECT_FALSE(ChooseTithiDay(kSunriseRule, {{At(1, "08:00"), At(2, "09:00")}, days, {}, {}, std::nullopt}).has_value());
}

struct BhagavataCase {
  const char* name;
  Clock begins, ends;  // the Ekadashi
  std::optional<int> day;
  Reason reason;
};

class Bhagavata : public testing::TestWithParam<BhagavataCase> {};

// The smarta Ekadashi is the sunrise rule's day; the Bhagavata one moves to the next
// day when the tenth tithi still holds at the smarta day's arunodaya (04:24), or
// when the Ekadashi holds at the next sunrise too.
TEST_P(Bhagavata, MovesOffTheTenthAtDawn) {
  const BhagavataCase& c = GetParam();
  const TithiOccurrence occurrence{{At(c.begins.day, c.begins.time), At(c.ends.day, c.ends.time)}, Days(), {}, {},
                                   std::nullopt};
  const std::optional<Observance> smarta = ChooseTithiDay(Rule("udaya,bhagavata"), occurrence);
  ASSERT_TRUE(smarta.has_value());
  EXPECT_EQ(smarta->date, kDates[1]);
  const std::optional<Observance> bhagavata = BhagavataDay(*smarta, occurrence);
  ASSERT_EQ(bhagavata.has_value(), c.day.has_value());
  if (!c.day) return;
  EXPECT_EQ(bhagavata->date, kDates[*c.day - 1]);
  EXPECT_EQ(bhagavata->reason, c.reason);
  EXPECT_EQ(bhagavata->tradition, Tradition::Bhagavata);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ekadashi, Bhagavata, testing::Values(
    BhagavataCase{"TenthAtDawn", {2, "05:00"}, {3, "04:00"}, 3, Reason::DashamiAtArunodaya},
    BhagavataCase{"TwoSunrises", {2, "04:00"}, {3, "07:00"}, 3, Reason::EkadashiAtTwoSunrises},
    BhagavataCase{"SameDay", {2, "03:00"}, {3, "05:00"}, std::nullopt, Reason::OnlyDay}),
    [](const testing::TestParamInfo<BhagavataCase>& p) { return std::string(p.param.name); });
// clang-format on

// A sankranti is kept on the first date whose sunset follows the entry: Makar
// Sankranti 2024, the entry at 02:44 on 15 January (before that date's sunset), on
// the 15th (onlinenews24seven, in tests/data/festivals); an entry in the evening,
// on the next date.
TEST(ChooseSunEntryDay, TheFirstSunsetAfterTheEntry) {
  const std::vector<DayInstants> days = Days();
  EXPECT_EQ(ChooseSunEntryDay(At(2, "02:44"), days)->date, kDates[1]);
  EXPECT_EQ(ChooseSunEntryDay(At(2, "17:59"), days)->date, kDates[1]);
  EXPECT_EQ(ChooseSunEntryDay(At(2, "18:01"), days)->date, kDates[2]);
  EXPECT_EQ(ChooseSunEntryDay(At(2, "18:01"), days)->reason, Reason::SunEntry);
  EXPECT_FALSE(ChooseSunEntryDay(At(5, "12:00"), days).has_value());  // after the days given
}

// Dhulivandan is the day after Holika Dahan, whatever tithi holds then.
TEST(DayAfter, TheNextDate) {
  const Observance holika{{2024, 3, 24}, DayPart::Dusk, Reason::AfterBhadra, Tradition::Smarta};
  const Observance dhulivandan = DayAfter(holika);
  EXPECT_EQ(dhulivandan.date, (CivilDate{2024, 3, 25}));
  EXPECT_EQ(dhulivandan.reason, Reason::DayAfter);
}

}  // namespace
}  // namespace kalnika
