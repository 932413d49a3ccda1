// The 56-character place record: split by position into the main window's labels,
// built from the add-place dialog's entries, and checked before it is computed.
#include <algorithm>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "places/place_record.h"

namespace kalnika {
namespace {

struct ParseCase {
  const char* name;
  std::string text;
  std::string latCaption, longCaption, zoneCaption;
  double timeZone;  // hours, read from the zone with ":30" as ".50" and ":00" as ".00"
  double latitude, longitude;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

// Expected labels worked by hand through the steps of the main window's parse: last
// 26 characters, zone caption, ":30"/":00" replaced in the last three, up to five
// leading spaces dropped with the shrinking counter, then columns 1-8 and 10-17;
// degrees from the first four characters of a caption, minutes from its last three.
// Coordinates of the cities: Sydney 33 52 S 151 12 E, St. John's 47 34 N 52 43 W,
// Kathmandu 27 42 N 85 19 E.
const ParseCase kParseCases[] = {
    {"SydneySouthZonePlus1000", "Sydney, NSW, Australia         33 S 52  151 E 12  +10:00",
     "33 S 52 ", "151 E 12", " +10:00", 10, -33.8667, 151.2},
    // the half hour carries the sign of the hours: -3.5
    {"StJohnsWestZoneMinus0330", "St. John's, Newfoundland, CA   47 N 34  052 W 43  -03:30",
     "47 N 34 ", "052 W 43", " -03:30", -3.5, 47.5667, -52.7167},
    // no rule for ":45": the tag keeps the colon and the zone reads as 5 hours
    {"KathmanduZonePlus0545Unchanged", "Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:45",
     "27 N 42 ", "085 E 19", " +05:45", 5, 27.7, 85.3167},
    // a short text keeps its leading space: "the last c - 1 characters" is all of it
    {"ShortTextKeepsLeadingSpace", " abc", " abc", "", " abc", 0, 0, 0},
    // a hand-edited one-digit degree: two spaces go, the columns shift by one, and
    // the latitude minutes read "8  "
    {"TwoLeadingSpacesBothRemoved", "  8 N 58  072 E 50  +05:30", "8 N 58  ", "72 E 50 ", " +05:30", 5.5,
     8.1333, 72.8333},
    // six leading spaces: only five passes, so one stays; "E 50" reads as 0 degrees
    {"OnlyFiveSpacesRemoved", "xxxxx       58  072 E 50  +05:30", " 58  072", "E 50  +0", " +05:30", 5.5,
     59.2, 0},
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, Labels) {
  const ParseCase& c = GetParam();
  const Place got = ParsePlace(c.text);
  EXPECT_EQ(got.latCaption, c.latCaption);
  EXPECT_EQ(got.longCaption, c.longCaption);
  EXPECT_EQ(got.zoneCaption, c.zoneCaption);
  EXPECT_EQ(got.classicTimeZone, c.timeZone);
  // to the 4 decimals given (a minute is 0.0167 degrees)
  EXPECT_NEAR(got.latitude, c.latitude, 1e-4);
  EXPECT_NEAR(got.longitude, c.longitude, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(PlacesText, ParseTable, ::testing::ValuesIn(kParseCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The name and the zone every face takes from a record: the description decoded by
// its own encoding (this program writes UTF-8; a program on Windows wrote its code
// page), the zone with its minutes.
TEST(ParsePlace, NameAndZoneAsWritten) {
  struct Case {
    const char* name;
    std::string record;
    std::string placeName;  // UTF-8
    int zoneMinutes;
  } cases[] = {
      {"Kathmandu", "Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:45", "Kathmandu, Bagmati, Nepal", 345},
      {"WestHalfHour", "St. John's, Newfoundland, CA   47 N 34  052 W 43  -03:30", "St. John's, Newfoundland, CA", -210},
      // पुणे, MH, India typed in the add-place dialog: 21 bytes of UTF-8 before its padding
      {"DevanagariUtf8", "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87, MH, India          18 N 31  073 E 51  +05:30",
       "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87, MH, India", 330},
      // a description longer than 31 bytes in UTF-8: the record is longer too
      {"LongUtf8", "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87, \xE0\xA4\xAE\xE0\xA4\xB9\xE0\xA4\xBE, India   18 N 31  073 E 51  +05:30",
       "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87, \xE0\xA4\xAE\xE0\xA4\xB9\xE0\xA4\xBE, India", 330},
      // "São Paulo" as a Windows program writes it (code page 1252)
      {"WindowsCodePage", "S\xE3o Paulo, SP, Brazil          23 S 33  046 W 38  -03:00", "S\xC3\xA3o Paulo, SP, Brazil", -180},
  };
  for (const Case& c : cases) {
    const Place got = ParsePlace(c.record);
    EXPECT_EQ(got.name, c.placeName) << c.name;
    EXPECT_EQ(got.zone.Minutes(), c.zoneMinutes) << c.name;
    EXPECT_TRUE(got.problem.empty()) << c.name << ": " << got.problem;
  }
  EXPECT_FALSE(ParsePlace("ab").labelled);
  EXPECT_FALSE(ParsePlace("Pune, Maharashtra, India       18 N 75  073 E 51  +05:30").problem.empty());
}

// The add-place dialog filled from a record it built (a town's): the entries give
// the record back.
TEST(EntriesOfRecord, GiveTheRecordBack) {
  for (const char* record : {"Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:45",
                             "Sao Paulo, Sao Paulo, Brazil   23 S 33  046 W 38  -03:00",
                             "Washington, D.C., DC, USA      38 N 54  077 W 02  -05:00"}) {
    const RecordResult built = BuildPlaceRecord(EntriesOfRecord(record));
    EXPECT_EQ(built.outcome, RecordOutcome::Built) << record;
    EXPECT_EQ(built.record, record);
  }
  EXPECT_EQ(EntriesOfRecord("Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:45").zoneMinutes, "45");
}

struct BuildCase {
  const char* name;
  PlaceEntries entries;
  RecordOutcome outcome;
  std::string record;  // for Built
  std::string naming;  // `missing` for MissingEntry, `invalid` for InvalidText
};

void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }

// The entries in the order of PlaceEntries: city, state, country, lat degrees, lat
// minutes, N/S, long degrees, E/W, long minutes, zone hours, zone minutes, as the
// dialog's boxes and lists hand them over.
using E = PlaceEntries;
using O = RecordOutcome;

// Records worked by hand from the column layout (description 1-31, latitude 32-38,
// longitude 41-48, zone 51-56) and the padding rules of the OK button; coordinates
// and standard zones of the cities.
const BuildCase kBuildCases[] = {
    // 18 + 2 + 6 + 2 + 2 = 30 characters: the description is exactly 31 with its space
    {"Description30Accepted", E{"Thiruvananthapuram", "Kerala", "IN", "8", "29", "N", "76", "E", "57", "5", "30"},
     O::Built, "Thiruvananthapuram, Kerala, IN 08 N 29  076 E 57  +05:30", ""},
    {"Description31TooLong", E{"Thiruvananthapuram", "Kerala", "IND", "8", "29", "N", "76", "E", "57", "5", "30"},
     O::TooLong, "", ""},
    {"StateAndCountryEmpty", E{"Pune", "", "", "18", "31", "N", "73", "E", "51", "5", "30"}, O::Built,
     "Pune, ,                        18 N 31  073 E 51  +05:30", ""},
    // longitude 0 -> 000, minutes 7 -> 07, hour 0 -> +00
    {"ZeroesPaddedHourZeroPlus", E{"London", "England", "UK", "51", "30", "N", "0", "W", "7", "0", "0"},
     O::Built, "London, England, UK            51 N 30  000 W 07  +00:00", ""},
    {"HourMinus1GivesMinus01", E{"Ponta Delgada", "Azores", "PT", "37", "44", "N", "25", "W", "40", "-1", "0"},
     O::Built, "Ponta Delgada, Azores, PT      37 N 44  025 W 40  -01:00", ""},
    {"EverythingEmpty", E{}, O::NothingEntered, "", ""},
    // the check order is degrees, minutes, N/S: minutes come before the hemisphere
    {"FirstMissingInCheckOrder", E{"Pune", "", "", "18", "", "", "73", "", "51", "5", "30"}, O::MissingEntry,
     "", "Latitude minutes"},
    {"QuoteInCity", E{"Mum\"bai", "Maharashtra", "India", "18", "58", "N", "72", "E", "50", "5", "30"},
     O::InvalidText, "", "City"},
    {"HourNotOffered", E{"Mumbai", "Maharashtra", "India", "18", "58", "N", "72", "E", "50", "+5", "30"},
     O::InvalidText, "", "Time zone hours"},
};

class BuildTable : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildTable, OutcomeAndRecord) {
  const BuildCase& c = GetParam();
  const RecordResult result = BuildPlaceRecord(c.entries);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.record, c.record);
  EXPECT_EQ(result.outcome == O::MissingEntry ? result.missing : result.invalid, c.naming);
}

INSTANTIATE_TEST_SUITE_P(PlacesRecord, BuildTable, ::testing::ValuesIn(kBuildCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The check of a chosen record before it is computed: the message names the field
// and its columns, or there is none. Columns and ranges from the record's layout
// (description 1-31, latitude 32-38, longitude 41-48, zone 51-56) and the lists of
// the add-place dialog; every record below is Mumbai's with one field changed.
struct CheckCase {
  const char* name;
  std::string record;
  const char* problem;  // nullptr: no problem; else a part of the message
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

const std::string kDescription = "Mumbai, Maharashtra, India     ";  // 31 characters

const CheckCase kCheckCases[] = {
    // a description typed with UTF-8 letters is longer in bytes; only the tail counts
    {"LongerUtf8Description", "S\xC3\xA3o Paulo, SP, Brazil         23 S 33  046 W 38  -03:00", nullptr},
    {"TooShort", "18 N 58  072 E 50  +05:30", "25 characters, fewer than the 56"},
    {"NoBlankBeforeTail", "Thiruvananthapuram, Kerala, IND18 N 58  072 E 50  +05:30",
     "\"D\" at character 31, where a blank belongs"},
    {"LettersForLatitude", kDescription + "ab N 58  072 E 50  +05:30",
     "latitude degrees \"ab\" (characters 32-33) are not 2 digits"},
    {"LatitudeBeyond90", kDescription + "91 N 00  072 E 50  +05:30", "latitude degrees \"91\" (characters 32-33) lie beyond 90"},
    {"LowerCaseHemisphere", kDescription + "18 n 58  072 E 50  +05:30",
     "latitude hemisphere \"n\" (character 35) is neither \"N\" nor \"S\""},
    {"LongitudeBeyond180", kDescription + "18 N 58  181 E 50  +05:30", "longitude degrees \"181\" (characters 41-43)"},
    {"ZoneWithoutSign", kDescription + "18 N 58  072 E 50  005:30", "time zone sign \"0\" (character 51)"},
    {"ZoneWithoutColon", kDescription + "18 N 58  072 E 50  +05.30", "\".\" at character 54 where \":\" belongs"},
    // the reported -99:99, which gave clock texts like "62:42"
    {"ZoneMinus9999", kDescription + "18 N 58  072 E 50  -99:99", "time zone hours \"99\" (characters 52-53) lie beyond 12"},
    {"EastBeyond14", kDescription + "18 N 58  072 E 50  +15:00", "time zone hours \"15\" (characters 52-53) lie beyond 14"},
    {"ZoneMinutesBeyond59", kDescription + "18 N 58  072 E 50  +05:60", "time zone minutes \"60\" (characters 55-56)"},
};

class CheckTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckTable, ProblemOrNone) {
  const CheckCase& c = GetParam();
  const std::optional<std::string> problem = PlaceRecordProblem(c.record);
  if (c.problem == nullptr) {
    EXPECT_FALSE(problem.has_value()) << *problem;
  } else {
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
  }
}

INSTANTIATE_TEST_SUITE_P(PlacesCheck, CheckTable, ::testing::ValuesIn(kCheckCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Every record the dialog can build passes the check: all latitudes and longitudes
// with minutes 0 and 59 in both hemispheres, every zone hour (-12 to 14) with
// both minutes.
TEST(PlacesCheck, EveryRecordTheDialogBuildsPasses) {
  for (int degrees = 0; degrees <= 180; ++degrees) {
    for (bool southWest : {false, true}) {
      const std::string minutes = southWest ? "59" : "0";
      const std::string latitude = std::to_string(std::min(degrees, 90));
      const std::string hours = std::to_string(degrees % 27 - 12);
      const RecordResult result =
          BuildPlaceRecord(E{"Mumbai", "Maharashtra", "India", latitude, minutes, southWest ? "S" : "N",
                             std::to_string(degrees), southWest ? "W" : "E", minutes, hours, southWest ? "30" : "0"});
      ASSERT_EQ(result.outcome, O::Built) << degrees;
      EXPECT_FALSE(PlaceRecordProblem(result.record).has_value()) << result.record;
    }
  }
}

}  // namespace
}  // namespace kalnika
