// The offline town finder over GeoNames' town table, and the place record it
// makes for a town. The towns are an extract of the GeoNames files in
// tests/data/places/geonames (see its README); the expected coordinates are the
// file's decimal degrees turned into minutes by hand (Pune 18.51957 N is 18 deg
// 31.17', 73.85535 E is 73 deg 51.32'), the zones' standard offsets are tzdata's
// on 15 January 2026.
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/town_finder.h"

namespace kalnika::test {
namespace {

const std::string kExtract = std::string(KALNIKA_TEST_DATA) + "/places/geonames";

// One finder for the whole file: loading is the slow part.
const TownFinder& Extract() {
  // the zones' standard offsets of a day in the past, which no tzdata update changes
  static const TownFinder finder = TownFinder::Load(kExtract, std::chrono::year{2026} / 1 / 15);
  return finder;
}

struct OrderCase {
  const char* name;
  const char* text;
  std::size_t limit;
  std::vector<std::string> expected;  // "Name (country)" of each match
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

const OrderCase kOrderCases[] = {
    // names starting with "Lon" by population (London and the City of London both
    // have 7556900; the City only through its alternate name "London"), then
    // Barcelona, which only contains it; the five malformed "Lone ..." lines are gone
    {"StartsBeforeContains", "Lon", 20,
     {"London (United Kingdom)", "City of London (United Kingdom)", "Londrina (Brazil)", "London (Canada)",
      "Lonavla (India)", "Longyearbyen (Svalbard and Jan Mayen)", "Barcelona (Spain)"}},
    {"LimitKeepsTheFirst", "Lon", 2, {"London (United Kingdom)", "City of London (United Kingdom)"}},
    // GeoNames lists पुणे among the alternate names
    {"DevanagariPune", "पुणे", 20, {"Pune (India)"}},
    // Ã folds to ã (and the ASCII capitals to small letters), so "São Paulo" matches
    {"LatinCapitalWithTilde", "SÃO PAULO", 20, {"São Paulo (Brazil)"}},
    {"BlanksAroundDropped", "  pune\t", 20, {"Pune (India)"}},
    {"EmptyTextFindsNothing", "   ", 20, {}},
};

class OrderTable : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderTable, Matches) {
  const OrderCase& c = GetParam();
  std::vector<std::string> names;
  for (const TownMatch& m : Extract().Search(c.text, c.limit)) names.push_back(m.name + " (" + m.country + ")");
  EXPECT_EQ(names, c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlacesFinder, OrderTable, ::testing::ValuesIn(kOrderCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PlacesFinder, RecordOfFirstMatch) {
  struct Case {
    const char* name;
    const char* text;
    const char* zoneName;
    double standardHours;
    const char* record;
  } cases[] = {
      // GeoNames 1259229, the acceptance case
      {"Pune", "Pune", "Asia/Kolkata", 5.5, "Pune, Maharashtra, India       18 N 31  073 E 51  +05:30"},
      // 23.5475 S 46.63611 W, ASCII names in the record
      {"SaoPauloSouthWest", "Sao Paulo", "America/Sao_Paulo", -3,
       "Sao Paulo, Sao Paulo, Brazil   23 S 33  046 W 38  -03:00"},
      // no state name in the extract: left out with its comma; city and country code
      {"LongyearbyenWithoutState", "Longyearbyen", "Arctic/Longyearbyen", 1,
       "Longyearbyen, SJ               78 N 13  015 E 39  +01:00"},
      // a zone tzdata does not know: the nautical zone of 37.6 W, -37.6 / 15 = -2.5
      // rounded away from zero to -3
      {"UnknownZoneNautical", "Atlantis", "Atlantis/Capital", -3,
       "Atlantis Harbour, India        31 N 00  037 W 36  -03:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<TownMatch> matches = Extract().Search(c.text, 1);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches.front().zoneName, c.zoneName);
    EXPECT_DOUBLE_EQ(matches.front().standardHours, c.standardHours);
    EXPECT_EQ(matches.front().record, c.record);
  }
  // What else a match gives, from the same line of the town table.
  const TownMatch pune = Extract().Search("Pune", 1).at(0);
  EXPECT_EQ(pune.state + ", " + pune.country, "Maharashtra, India");
  EXPECT_DOUBLE_EQ(pune.latitude, 18.51957);
  EXPECT_DOUBLE_EQ(pune.longitude, 73.85535);
  EXPECT_EQ(pune.population, 2935744);
}

TEST(PlacesFinder, MalformedLinesSkippedAndCounted) {
  EXPECT_TRUE(Extract().available());
  EXPECT_EQ(Extract().size(), 15u);
  EXPECT_EQ(Extract().skippedLines(), 5u);
}

TEST(PlacesFinder, MissingTableNamesThePackage) {
  PlaceFolder empty;
  const TownFinder finder = TownFinder::Load(empty.path());
  EXPECT_FALSE(finder.available());
  EXPECT_EQ(finder.problem(), "The list of towns is not available: " + (empty / "cities15000.txt").string() +
                                  " cannot be read. It comes with the Debian package libtimezonemap-data.");
  EXPECT_TRUE(finder.Search("Pune", 10).empty());
}

// Without the state and country files the towns are still found, described by
// city and country code.
TEST(PlacesFinder, TownTableAloneStillSearches) {
  PlaceFolder folder;
  WriteBytes(folder / "cities15000.txt", ReadBytes(kExtract + "/cities15000.txt"));
  const std::vector<TownMatch> matches = TownFinder::Load(folder.path()).Search("Pune", 1);
  ASSERT_EQ(matches.size(), 1u);
  EXPECT_EQ(matches.front().record, "Pune, IN                       18 N 31  073 E 51  +05:30");
}

// Each step of the shortening to 30 characters.
TEST(PlacesFinder, DescriptionShortened) {
  struct Case {
    const char* name;
    const char* city;
    const char* state;
    const char* country;
    const char* code;
    const char* expected;
  } cases[] = {
      {"ExactlyThirtyFits", "Aurangabad", "Maharashtra", "India", "IN", "Aurangabad, Maharashtra, India"},
      {"CountryCode", "Thiruvananthapuram", "Kerala", "India", "IN", "Thiruvananthapuram, Kerala, IN"},
      {"StateDropped", "Saint Petersburg", "St.-Petersburg", "Russia", "RU", "Saint Petersburg, Russia"},
      {"StateDroppedAndCode", "Rancho Cucamonga", "California", "United States", "US", "Rancho Cucamonga, US"},
      {"CityCut", "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch", "Wales", "United Kingdom", "GB",
       "Llanfairpwllgwyngyllgogery, GB"},
      // the record sits in double quotes in the file and is ANSI text there
      {"QuotesAndNonAsciiLeftOut", "Say \"Hi\"", "Zürich", "Nowhere", "NW", "Say Hi, Zrich, Nowhere"},
  };
  for (const Case& c : cases) EXPECT_EQ(TownDescription(c.city, c.state, c.country, c.code), c.expected) << c.name;
}

// Record columns 32-56 of a position and a standard offset.
TEST(PlacesFinder, RecordTail) {
  struct Case {
    const char* name;
    double latitude, longitude, standardHours;
    const char* tail;
  } cases[] = {
      // 28.99999 deg is 28 deg 59.9994': the minute rounds to 60 and carries
      {"MinuteCarriesIntoDegree", 28.99999, 72.99999, 5.5, "29 N 00  073 E 00  +05:30"},
      // 0.001 S and W round to 0 deg 0': no hemisphere of their own
      {"ZeroIsNorthAndEast", -0.001, -0.001, 0, "00 N 00  000 E 00  +00:00"},
      // Chatham +12:45 and Kathmandu +5:45 keep their quarter hours
      {"ChathamQuarterHour", -43.95, -176.56, 12.75, "43 S 57  176 W 34  +12:45"},
      // an offset between quarter hours (no zone keeps one today) is cut toward zero
      {"BetweenQuartersCut", 0, 0, 5.9, "00 N 00  000 E 00  +05:45"},
      {"StJohnsHalfHourWest", 47.56, -52.71, -3.5, "47 N 34  052 W 43  -03:30"},
      // -0:30 cannot carry its sign in the record (minutes take the hours' sign)
      {"MinusHalfHourToZero", 0, 0, -0.5, "00 N 00  000 E 00  +00:00"},
      {"BeyondListsClamped", 0, 0, -13, "00 N 00  000 E 00  -12:00"},
  };
  for (const Case& c : cases) {
    const std::string record = TownRecord("Somewhere", c.latitude, c.longitude, c.standardHours);
    EXPECT_EQ(record, "Somewhere                      " + std::string(c.tail)) << c.name;
  }
}

}  // namespace
}  // namespace kalnika::test
