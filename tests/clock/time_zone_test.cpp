// Offsets of IANA zones at local noon of a date and at an instant.
//
// The table of fixed values reads the zone files of tzdata 2025b that the tests
// carry (tests/data/zoneinfo), so an update of the machine's tzdata cannot move
// them; the expected values come from the tzdata source files of that release
// (europe, northamerica, southamerica, australasia, asia): the rule lines named in
// each row. The machine's own files are compared with the C library's reading of
// them (localtime_r with TZ set), so that check holds with whatever tzdata the
// machine has.
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "clock/time_zone.h"
#include "support/c_library_zone.h"

namespace kalnika {
namespace {

using std::chrono::year;

const std::string kZones = std::string(KALNIKA_TEST_DATA) + "/zoneinfo";

const ZoneRules& Zone(const std::string& name) {
  static std::map<std::string, std::shared_ptr<const ZoneRules>> loaded;
  auto& rules = loaded[name];
  if (!rules) rules = ZoneRules::Load(name, kZones).rules;
  if (!rules) throw std::runtime_error("no zone file " + name + " in " + kZones);
  return *rules;
}

struct OffsetCase {
  const char* name;
  const char* zone;
  std::chrono::year_month_day date;
  double hours, standardHours, savingHours;
};

void PrintTo(const OffsetCase& c, std::ostream* os) { *os << c.name; }

const OffsetCase kOffsetCases[] = {
    // US rule: standard time again from the first Sunday of November, 02:00 (1 Nov 2026)
    {"NewYorkEdtLastSaturday", "America/New_York", year{2026} / 10 / 31, -4, -5, 1},
    {"NewYorkEstOnChangeDay", "America/New_York", year{2026} / 11 / 1, -5, -5, 0},
    // AN rule: summer time ends the first Sunday of April, 03:00 standard (5 April 2026)
    {"SydneyAedtBeforeApril", "Australia/Sydney", year{2026} / 4 / 4, 11, 10, 1},
    {"KathmanduQuarterHour", "Asia/Kathmandu", year{2026} / 6 / 1, 5.75, 5.75, 0},
    // Lord Howe Island puts its clocks forward by half an hour (LH rule)
    {"LordHoweHalfHourSaving", "Australia/Lord_Howe", year{2026} / 1 / 1, 11, 10.5, 0.5},
    // Ireland: tzdata's standard time is IST +1 with a saving of -1 in winter; the
    // saving is turned around so that it is never negative
    {"DublinWinterIsStandard", "Europe/Dublin", year{2026} / 1 / 1, 0, 0, 0},
    {"DublinSummerIsSaving", "Europe/Dublin", year{2026} / 7 / 1, 1, 0, 1},
    // Samoa skipped 30 December 2011: the day gets the offset after the jump
    {"ApiaSkippedDay", "Pacific/Apia", year{2011} / 12 / 30, 14, 13, 1},
    // British double summer time (BDST), with summer time all through the winters
    {"LondonDoubleSummer1943", "Europe/London", year{1943} / 7 / 1, 2, 0, 2},
    // Past the listed transitions (2037) the TZ string at the end of each file holds:
    // "EST5EDT,M3.2.0,M11.1.0", and 14 March is the second Sunday of March 2100
    {"NewYork2100SaturdayBeforeChange", "America/New_York", year{2100} / 3 / 13, -5, -5, 0},
    {"NewYork2100SecondSundayOfMarch", "America/New_York", year{2100} / 3 / 14, -4, -5, 1},
    {"NewYorkSummerOfLastYear", "America/New_York", year{32767} / 7 / 1, -4, -5, 1},
    // "<-04>4<-03>,M9.1.6/24,M4.1.6/24": southern rule with changes at 24:00
    {"Santiago2100Summer", "America/Santiago", year{2100} / 1 / 1, -3, -4, 1},
    // "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45"
    {"Chatham2100Summer", "Pacific/Chatham", year{2100} / 1 / 1, 13.75, 12.75, 1},
    // Before the first clock time: the earliest one, not the local mean time of the
    // zone's city (New York LMT -4:56:02, EST from 18 November 1883; Kathmandu LMT
    // 5:41:16, +5:30 from 1920)
    {"NewYork1850EarliestStandard", "America/New_York", year{1850} / 7 / 1, -5, -5, 0},
    {"KathmanduYear79EarliestStandard", "Asia/Kathmandu", year{79} / 7 / 1, 5.5, 5.5, 0},
};

class OffsetTable : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetTable, OffsetAtLocalNoon) {
  const OffsetCase& c = GetParam();
  const ZoneOffset got = ZoneOffsetOn(Zone(c.zone), c.date);
  // offsets are whole seconds, so the hours are exact to far below this
  EXPECT_NEAR(got.hours, c.hours, 1e-9);
  EXPECT_NEAR(got.standardHours, c.standardHours, 1e-9);
  EXPECT_NEAR(got.savingHours, c.savingHours, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(ClockZone, OffsetTable, ::testing::ValuesIn(kOffsetCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The offset in force at an instant changes at the transition itself, not at local
// noon: London left summer time at 01:00 UT on 25 October 2026 (EU rule, last
// Sunday of October, 01:00 universal time).
TEST(ClockZone, OffsetAtAnInstantChangesAtTheTransition) {
  const std::int64_t change = 1792890000;  // 2026-10-25T01:00:00Z
  EXPECT_EQ(ZoneOffsetAt(Zone("Europe/London"), change - 1), 3600);
  EXPECT_EQ(ZoneOffsetAt(Zone("Europe/London"), change), 0);
  // before New York's first clock time (18 November 1883) its earliest one, EST
  EXPECT_EQ(ZoneOffsetAt(Zone("America/New_York"), -3000000000), -5 * 3600);
}

// A bad date is reported in words, never thrown.
TEST(ClockZone, ANonexistentDateIsReported) {
  const ZoneLookup got = ZoneOffsetOn("Asia/Kolkata", year{2026} / 2 / 30);
  EXPECT_FALSE(got.ok);
  EXPECT_EQ(got.error, "The date 2026-2-30 does not exist.");
}

// The machine's own tzdata, which may be any release: read as the C library reads
// the same files, on the days around the rules' changes as tzdata 2025b has them,
// before the last listed transition and after it (where the TZ string at the end
// of each file holds): "EST5EDT,M3.2.0,M11.1.0"
// (14 March 2100 is the second Sunday of March), "<-04>4<-03>,M9.1.6/24,M4.1.6/24"
// (a southern rule changing at 24:00), "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45"
// (quarter hours), "PST8PDT,M3.2.0,M11.1.0" or, from 2026b, "MST7".
TEST(ClockZone, InstalledTzdataReadAsTheCLibraryReadsIt) {
  struct Case {
    const char* zone;
    std::chrono::year_month_day date;
  } cases[] = {
      {"America/New_York", year{2100} / 3 / 13},  {"America/New_York", year{2100} / 3 / 14},
      {"America/New_York", year{2100} / 11 / 7},  {"America/New_York", year{9999} / 7 / 1},
      {"America/Santiago", year{2100} / 1 / 1},   {"America/Santiago", year{2100} / 9 / 4},
      {"America/Santiago", year{2100} / 9 / 5},   {"Pacific/Chatham", year{2100} / 1 / 1},
      {"Pacific/Chatham", year{2100} / 6 / 1},    {"America/Vancouver", year{2100} / 1 / 1},
      {"America/Vancouver", year{2100} / 7 / 1},  {"Europe/Dublin", year{2100} / 1 / 1},
      {"Europe/Dublin", year{2100} / 7 / 1},      {"Asia/Kathmandu", year{5000} / 1 / 1},
      {"Europe/London", year{1943} / 7 / 1},      {"America/Vancouver", year{2026} / 12 / 1},
      {"Asia/Kolkata", year{1944} / 1 / 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(static_cast<int>(c.date.year())) + "-" +
                 std::to_string(static_cast<unsigned>(c.date.month())) + "-" +
                 std::to_string(static_cast<unsigned>(c.date.day())));
    const std::optional<double> expected = testing_zone::CLibraryNoonOffset(c.zone, c.date);
    ASSERT_TRUE(expected.has_value());
    const ZoneLookup got = ZoneOffsetOn(c.zone, c.date);
    ASSERT_TRUE(got.ok) << got.error;
    EXPECT_NEAR(got.offset.hours, *expected, 1e-9);
    EXPECT_GE(got.offset.savingHours, 0);
  }
}

}  // namespace
}  // namespace kalnika
