// A zone's rules as read from one TZif file (RFC 8536): the names a place may
// store, the POSIX TZ rule for the years after the listed changes, and what the
// reader refuses. The TZ strings and their expected offsets are worked out by hand
// from the rule's definition (POSIX.1, "TZ"; RFC 8536, section 3.3).
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "clock/zone_rules.h"

namespace kalnika {
namespace {

// Names: 1 to 79 characters of ASCII letters, digits, "/", "_", "-" and "+" (every
// IANA name is such, e.g. "America/Port-au-Prince", "Etc/GMT+5"), no path out of
// the folder, none of tzdata's files that are no place's clock.
TEST(ClockZoneRules, NamesAPlaceMayHave) {
  struct Case {
    const char* name;
    std::string zoneName;
    bool allowed;
  } cases[] = {
      {"IanaNameWithDash", "America/Port-au-Prince", true},
      {"IanaNameWithPlus", "Etc/GMT+5", true},
      {"Longest", "America/" + std::string(71, 'x'), true},
      {"LongerThanThePlaceFileHolds", "America/" + std::string(72, 'x'), false},
      {"Empty", "", false},
      {"LineBreak", "Asia/Kolkata\r\n0=Asia/Tokyo", false},
      {"UpFolder", "Asia/../../etc/passwd", false},
      {"RootedPath", "/etc/passwd", false},
      {"FactoryHasNoClock", "Factory", false},
      {"PosixRulesTemplate", "posixrules", false},
      {"LocalTimeLink", "localtime", false},
      {"LeapSecondCopy", "right/Asia/Kolkata", false},
      {"PosixCopy", "posix/Asia/Kolkata", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ZoneNameProblem(c.zoneName).empty(), c.allowed) << c.name;
}

struct RuleCase {
  const char* name;
  const char* tz;
  std::int64_t utSeconds;  // seconds since 1970 UT
  std::int64_t offset;     // seconds east
};

// 2100-03-14 07:00 UT is 02:00 EST of the second Sunday of March 2100; 2100-03-28
// is the last Sunday of March 2100.
const RuleCase kRuleCases[] = {
    {"UsRuleSecondBeforeChange", "EST5EDT,M3.2.0,M11.1.0", 4108690800 - 1, -5 * 3600},
    {"UsRuleAtChange", "EST5EDT,M3.2.0,M11.1.0", 4108690800, -4 * 3600},
    // changes at 24:00 of the first Saturday of September and April
    {"SouthernSummerJanuary", "<-04>4<-03>,M9.1.6/24,M4.1.6/24", 4102444800, -3 * 3600},
    {"SouthernWinterJune", "<-04>4<-03>,M9.1.6/24,M4.1.6/24", 4115491200, -4 * 3600},
    {"QuarterHourSummer", "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", 4102444800, 49500},
    {"QuarterHourWinter", "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", 4115491200, 45900},
    // a change at -1:00 local time: 23:00 of the Saturday, 01:00 UT of the Sunday
    {"NegativeChangeTimeBefore", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", 4109878800 - 1, -2 * 3600},
    {"NegativeChangeTimeAt", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", 4109878800, -1 * 3600},
    // Irish time: the standard IST +1 in summer, the "summer" GMT 0 in winter
    {"NegativeSavingWinter", "IST-1GMT0,M10.5.0,M3.5.0/1", 4102444800, 0},
    {"NegativeSavingSummer", "IST-1GMT0,M10.5.0,M3.5.0/1", 4118083200, 3600},
    {"FixedQuarterHour", "<+0545>-5:45", 4102444800, 20700},
};

class RuleTable : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleTable, OffsetOfTheRule) {
  const RuleCase& c = GetParam();
  const std::optional<PosixRule> rule = ParsePosixRule(c.tz);
  ASSERT_TRUE(rule.has_value());
  EXPECT_EQ(OffsetOfRule(*rule, c.utSeconds).seconds, c.offset);
}

INSTANTIATE_TEST_SUITE_P(ClockZoneRules, RuleTable, ::testing::ValuesIn(kRuleCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ClockZoneRules, TextsThatAreNoRule) {
  for (const char* tz : {"", "EST", "ES5", "EST5EDT,M3.2.0", "EST5EDT,M13.1.0,M11.1.0", "<>5",
                         "EST5EDT,M3.2.0,M11.1.0x", "EST5EDT,M3.6.0,M11.1.0"})
    EXPECT_FALSE(ParsePosixRule(tz).has_value()) << tz;
}

// A TZif file of version 2 with an empty version-1 block: the given transitions,
// types (offset, summer time, abbreviation index), abbreviations and TZ string.
struct TypeBytes {
  std::int32_t offset;
  bool saving;
  std::uint8_t abbreviation;
};
std::string Tzif(char version, const std::vector<std::int64_t>& times, const std::vector<std::uint8_t>& typeOf,
                 const std::vector<TypeBytes>& types, const std::string& chars, const std::string& footer) {
  auto bigEndian = [](std::string& out, std::uint64_t v, int width) {
    for (int i = width - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto header = [&](std::string& out, std::uint32_t timecnt, std::uint32_t typecnt, std::uint32_t charcnt) {
    out += "TZif";
    out.push_back(version);
    out += std::string(15, '\0');
    for (std::uint32_t count : {0u, 0u, 0u, timecnt, typecnt, charcnt}) bigEndian(out, count, 4);
  };
  std::string out;
  header(out, 0, 1, 1);  // version 1 block: one type, one character
  out += std::string(6, '\0') + std::string(1, '\0');
  header(out, static_cast<std::uint32_t>(times.size()), static_cast<std::uint32_t>(types.size()),
         static_cast<std::uint32_t>(chars.size()));
  for (std::int64_t t : times) bigEndian(out, static_cast<std::uint64_t>(t), 8);
  for (std::uint8_t i : typeOf) out.push_back(static_cast<char>(i));
  for (const TypeBytes& t : types) {
    bigEndian(out, static_cast<std::uint32_t>(t.offset), 4);
    out.push_back(t.saving ? 1 : 0);
    out.push_back(static_cast<char>(t.abbreviation));
  }
  out += chars;
  return out + "\n" + footer + "\n";
}

// Local mean time, then standard time from the transition on, then the TZ string.
TEST(ClockZoneRules, PeriodsAndRuleOfAFile) {
  const ZoneLoad load = ZoneRules::FromBytes(
      "Test/Zone", Tzif('2', {-2000000000}, {1}, {{20000, false, 0}, {19800, false, 4}}, std::string("LMT\0IST\0", 8),
                        "IST-5:30"));
  ASSERT_TRUE(load.rules) << load.error;
  const ZoneRules& zone = *load.rules;
  ASSERT_EQ(zone.periods().size(), 2u);
  EXPECT_EQ(zone.periods()[0].abbreviation, "LMT");
  EXPECT_EQ(zone.periods()[0].end, -2000000000);
  EXPECT_EQ(zone.periods()[1].abbreviation, "IST");
  EXPECT_EQ(zone.PeriodAt(-2000000001), 0u);
  EXPECT_EQ(zone.PeriodAt(-2000000000), 1u);
  EXPECT_EQ(zone.OffsetAt(4102444800), 19800);
  ASSERT_TRUE(zone.rule().has_value());
}

TEST(ClockZoneRules, FilesThatAreRefused) {
  const std::string chars("IST\0", 4);
  struct Case {
    const char* name;
    std::string bytes;
    const char* error;
  } cases[] = {
      {"NotTzif", "# leap seconds\n", "is not a time-zone file."},
      {"VersionOne", Tzif('\0', {}, {}, {{0, false, 0}}, chars, ""), "is in an old file format"},
      {"CountsBeyondTheEnd", Tzif('2', {}, {}, {{0, false, 0}}, chars, "").substr(0, 80), "is a damaged"},
      {"TypeIndexOutOfRange", Tzif('2', {0}, {3}, {{0, false, 0}}, chars, ""), "is a damaged"},
      {"TransitionsOutOfOrder", Tzif('2', {10, 5}, {0, 0}, {{0, false, 0}}, chars, ""), "is a damaged"},
      {"AbbreviationOutOfRange", Tzif('2', {}, {}, {{0, false, 9}}, chars, ""), "is a damaged"},
  };
  for (const Case& c : cases) {
    const ZoneLoad load = ZoneRules::FromBytes("Test/Zone", c.bytes);
    EXPECT_FALSE(load.rules) << c.name;
    EXPECT_NE(load.error.find(c.error), std::string::npos) << c.name << ": " << load.error;
  }
}

TEST(ClockZoneRules, ZonesAFolderDoesNotHold) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kalnika-zones-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(folder / "Asia");
  std::ofstream(folder / "leapseconds") << "Leap\t2016\tDec\t31\t23:59:60\t+\tS\n";
  const ZoneLoad missing = ZoneRules::Load("Asia/Atlantis", folder);
  EXPECT_EQ(missing.error, "The time zone \"Asia/Atlantis\" is not in the time-zone database (" + folder.string() +
                               "). Time zones come with the Debian package tzdata.");
  EXPECT_EQ(ZoneRules::Load("leapseconds", folder).error, "The time zone \"leapseconds\" is not a time-zone file.");
  EXPECT_EQ(ZoneRules::Load("Asia", folder).error, "The time zone \"Asia\" is not in the time-zone database.");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kalnika
