// Offsets of IANA zones at local noon of a date, from the system's tzdata.
//
// A tzdata release may change any zone's rules from its date on, never its past.
// So the rows with fixed expected values are all on dates before the tests were
// written (December 2026), and their values come from the tzdata source files
// (release 2025b; files europe, northamerica, southamerica, australasia, asia):
// the rule lines named in each row. Dates after that are compared with the C
// library's own reading of the installed files (localtime_r with TZ set), so they
// hold with whatever tzdata the machine has.
#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "places/time_zone.h"
#include "support/c_library_zone.h"

namespace kalnika {
namespace {

using std::chrono::year;

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
    // Vancouver on Pacific time before British Columbia's change of November 2026
    {"VancouverPdtSummer2026", "America/Vancouver", year{2026} / 7 / 1, -7, -8, 1},
    // Before the first clock time: the earliest one, not the local mean time of the
    // zone's city (New York LMT -4:56:02, EST from 18 November 1883; Kathmandu LMT
    // 5:41:16, +5:30 from 1920)
    {"NewYork1850EarliestStandard", "America/New_York", year{1850} / 7 / 1, -5, -5, 0},
    {"KathmanduYear79EarliestStandard", "Asia/Kathmandu", year{79} / 7 / 1, 5.5, 5.5, 0},
};

class OffsetTable : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetTable, OffsetAtLocalNoon) {
  const OffsetCase& c = GetParam();
  const ZoneLookup got = ZoneOffsetOn(c.zone, c.date);
  ASSERT_TRUE(got.ok) << got.error;
  // offsets are whole seconds, so the hours are exact to far below this
  EXPECT_NEAR(got.offset.hours, c.hours, 1e-9);
  EXPECT_NEAR(got.offset.standardHours, c.standardHours, 1e-9);
  EXPECT_NEAR(got.offset.savingHours, c.savingHours, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(PlacesZone, OffsetTable, ::testing::ValuesIn(kOffsetCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Unknown names and dates are reported in words, never thrown.
TEST(PlacesZone, RefusedLookupsReported) {
  struct Case {
    const char* zone;
    std::chrono::year_month_day date;
    const char* error;
  } cases[] = {
      {"Asia/Atlantis", year{2026} / 1 / 1, "The time zone \"Asia/Atlantis\" is not in the time-zone database."},
      // a file of the folder that is no zone
      {"../../etc/passwd", year{2026} / 1 / 1, "The time zone \"../../etc/passwd\" is not in the time-zone database."},
      {"Asia/Kolkata", year{2026} / 2 / 30, "The date 2026-2-30 does not exist."},
  };
  for (const Case& c : cases) {
    const ZoneLookup got = ZoneOffsetOn(c.zone, c.date);
    EXPECT_FALSE(got.ok) << c.error;
    EXPECT_EQ(got.error, c.error);
  }
}

// After the last transition the files list (2037 in files with summer time) every
// file's TZ string holds. Its rule is whatever the installed tzdata says, so the
// offsets are compared with the C library's reading of the same file, on the days
// around the rules' changes as tzdata 2025b has them: "EST5EDT,M3.2.0,M11.1.0"
// (14 March 2100 is the second Sunday of March), "<-04>4<-03>,M9.1.6/24,M4.1.6/24"
// (a southern rule changing at 24:00), "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45"
// (quarter hours), "PST8PDT,M3.2.0,M11.1.0" or, from 2026b, "MST7".
TEST(PlacesZone, RuleAfterListedTransitionsAsTheCLibraryReadsIt) {
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
