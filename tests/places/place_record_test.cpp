// The 56-character place record: built from the add-place dialog's entries, and
// split by position into the main window's labels.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "places/place_file.h"
#include "places/place_record.h"

namespace kalnika {
namespace {

struct ParsedLabels {
  std::string latCaption, longCaption, zoneCaption;
  double timeZone;  // hours, read from the zone with ":30" as ".50" and ":00" as ".00"
};

struct ParseCase {
  const char* name;
  std::string text;
  ParsedLabels expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

// Expected labels worked by hand through the steps of the main window's parse: last
// 26 characters, zone caption, ":30"/":00" replaced in the last three, up to five
// leading spaces dropped with the shrinking counter, then columns 1-8 and 10-17.
// Coordinates of the cities: Mumbai 18 58 N 72 50 E, San Jose 37 20 N 121 53 W,
// St. John's 47 34 N 52 43 W, Kathmandu 27 42 N 85 19 E.
const ParseCase kParseCases[] = {
    {"MumbaiZonePlus0530", "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30",
     {"18 N 58 ", "072 E 50", " +05:30", 5.5}},
    {"SanJoseZoneMinus0800", "San Jose, California, USA      37 N 20  121 W 53  -08:00",
     {"37 N 20 ", "121 W 53", " -08:00", -8}},
    // the half hour carries the sign of the hours: -3.5
    {"StJohnsZoneMinus0330", "St. John's, Newfoundland, CA   47 N 34  052 W 43  -03:30",
     {"47 N 34 ", "052 W 43", " -03:30", -3.5}},
    // no rule for ":45": the tag keeps the colon and the zone reads as 5 hours
    {"KathmanduZonePlus0545Unchanged", "Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:45",
     {"27 N 42 ", "085 E 19", " +05:45", 5}},
    // 25 characters: the ":30" replacement keeps 23 and drops only "30", so the tag
    // is garbled ("+05:.50" reads as 5 hours) while the coordinates still fit
    {"TailOf25Characters", "18 N 58  072 E 50  +05:30",
     {"18 N 58 ", "072 E 50", " +05:30", 5}},
    {"ThreeCharacters", "abc", {"abc", "", "abc", 0}},
    // 23 characters kept of a 3-character text is all of it: ".50" is appended
    {"ThreeCharactersEndingInColon30", ":30", {":30.50", "", ":30", 0}},
    // a short text keeps its leading space: "the last c - 1 characters" is all of it
    {"ShortTextKeepsLeadingSpace", " abc", {" abc", "", " abc", 0}},
    {"EmptyText", "", {"", "", "", 0}},
    // a hand-edited one-digit degree: two spaces go, and the columns shift by one
    {"TwoLeadingSpacesBothRemoved", "  8 N 58  072 E 50  +05:30",
     {"8 N 58  ", "72 E 50 ", " +05:30", 5.5}},
    // six leading spaces: only five passes, so one stays
    {"OnlyFiveSpacesRemoved", "xxxxx       58  072 E 50  +05:30",
     {" 58  072", "E 50  +0", " +05:30", 5.5}},
    // a 31-character description leaves no space at position 31: nothing is removed
    {"NoSpaceAtPosition31", "Thiruvananthapuram, Kerala, IND18 N 58  072 E 50  +05:30",
     {"D18 N 58", " 072 E 5", " +05:30", 5.5}},
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, Labels) {
  const ParseCase& c = GetParam();
  const PlaceValue got = ParsePlace(c.text);
  EXPECT_EQ(got.latCaption, c.expected.latCaption);
  EXPECT_EQ(got.longCaption, c.expected.longCaption);
  EXPECT_EQ(got.zoneCaption, c.expected.zoneCaption);
  EXPECT_EQ(got.timeZone, c.expected.timeZone);
}

// Degrees and minutes of the captions as signed decimal degrees: south and west
// negative. Coordinates of the sample places of the place file.
TEST(ParsePlace, SignedCoordinates) {
  struct Case { const char* record; double lat, lon; } cases[] = {
      {"Sydney, NSW, Australia         33 S 52  151 E 12  +10:00", -(33 + 52 / 60.0), 151 + 12 / 60.0},
      {"New York, New York, USA        40 N 42  073 W 50  -05:00", 40 + 42 / 60.0, -(73 + 50 / 60.0)},
      {"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30", 18 + 58 / 60.0, 72 + 50 / 60.0}};
  for (auto c : cases) {
    const PlaceValue place = ParsePlace(c.record);
    EXPECT_DOUBLE_EQ(place.latitude, c.lat) << c.record;
    EXPECT_DOUBLE_EQ(place.longitude, c.lon) << c.record;
  }
}

INSTANTIATE_TEST_SUITE_P(PlacesText, ParseTable, ::testing::ValuesIn(kParseCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct BuildCase {
  const char* name;
  PlaceEntries entries;
  RecordOutcome outcome;
  std::string record;   // for Built
  std::string naming;   // `missing` for MissingEntry, `invalid` for InvalidText
};

void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }

// city, state, country, lat degrees, lat minutes, N/S, long degrees, E/W, long minutes,
// zone hours, zone minutes, as the dialog's boxes and lists hand them over
PlaceEntries Entries(std::string city, std::string state, std::string country, std::string latD,
                     std::string latM, std::string ns, std::string longD, std::string ew,
                     std::string longM, std::string hours, std::string minutes) {
  return PlaceEntries{city, state, country, latD, latM, ns, longD, ew, longM, hours, minutes};
}

PlaceEntries Mumbai() {
  return Entries("Mumbai", "Maharashtra", "India", "18", "58", "N", "72", "E", "50", "5", "30");
}

// Mumbai with one entry changed.
PlaceEntries MumbaiWith(std::string PlaceEntries::*field, std::string value) {
  PlaceEntries entries = Mumbai();
  entries.*field = std::move(value);
  return entries;
}

using O = RecordOutcome;

// Records worked by hand from the column layout (description 1-31, latitude 32-38,
// longitude 41-48, zone 51-56) and the padding rules of the OK button; coordinates
// and standard zones of the cities.
const BuildCase kBuildCases[] = {
    {"Mumbai", Mumbai(), O::Built,
     "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30", ""},
    // 18 + 2 + 6 + 2 + 2 = 30 characters: the description is exactly 31 with its space
    {"Description30Accepted",
     Entries("Thiruvananthapuram", "Kerala", "IN", "8", "29", "N", "76", "E", "57", "5", "30"),
     O::Built, "Thiruvananthapuram, Kerala, IN 08 N 29  076 E 57  +05:30", ""},
    {"Description31TooLong",
     Entries("Thiruvananthapuram", "Kerala", "IND", "8", "29", "N", "76", "E", "57", "5", "30"),
     O::TooLong, "", ""},
    {"StateAndCountryEmpty", Entries("Pune", "", "", "18", "31", "N", "73", "E", "51", "5", "30"),
     O::Built, "Pune, ,                        18 N 31  073 E 51  +05:30", ""},
    {"HourZeroGivesPlus00",
     Entries("London", "England", "UK", "51", "30", "N", "0", "W", "7", "0", "0"), O::Built,
     "London, England, UK            51 N 30  000 W 07  +00:00", ""},
    {"HourMinus1GivesMinus01",
     Entries("Ponta Delgada", "Azores", "PT", "37", "44", "N", "25", "W", "40", "-1", "0"), O::Built,
     "Ponta Delgada, Azores, PT      37 N 44  025 W 40  -01:00", ""},
    {"Hour14GivesPlus14",
     Entries("Kiritimati", "Line Islands", "KI", "1", "52", "N", "157", "W", "24", "14", "0"),
     O::Built, "Kiritimati, Line Islands, KI   01 N 52  157 W 24  +14:00", ""},
    {"Hour12GivesPlus12", Entries("Suva", "Central", "Fiji", "18", "8", "S", "178", "E", "26", "12", "0"),
     O::Built, "Suva, Central, Fiji            18 S 08  178 E 26  +12:00", ""},
    {"HourMinus12Unchanged",
     Entries("Baker", "Howland", "US", "0", "12", "N", "176", "W", "29", "-12", "0"), O::Built,
     "Baker, Howland, US             00 N 12  176 W 29  -12:00", ""},
    {"HourMinus10", Entries("Honolulu", "Hawaii", "USA", "21", "18", "N", "157", "W", "51", "-10", "0"),
     O::Built, "Honolulu, Hawaii, USA          21 N 18  157 W 51  -10:00", ""},
    // longitude 5 -> 005 (two zeros), 45 -> 045; latitude 90 with 59 minutes is stored as entered
    {"Longitude5Gives005",
     Entries("Marseille", "Provence", "France", "43", "18", "N", "5", "E", "22", "1", "0"), O::Built,
     "Marseille, Provence, France    43 N 18  005 E 22  +01:00", ""},
    {"Longitude45Gives045",
     Entries("Nakhchivan", "Nakhchivan", "AZ", "39", "12", "N", "45", "E", "24", "4", "0"), O::Built,
     "Nakhchivan, Nakhchivan, AZ     39 N 12  045 E 24  +04:00", ""},
    {"Latitude90Longitude180",
     Entries("North Pole", "Arctic", "None", "90", "59", "N", "180", "E", "0", "-1", "0"), O::Built,
     "North Pole, Arctic, None       90 N 59  180 E 00  -01:00", ""},
    // Latin-1 bytes count one each: the description is measured in bytes
    {"HighBytesKept",
     Entries("Z\xFCrich", "Z\xFCrich", "Switzerland", "47", "22", "N", "8", "E", "33", "1", "0"),
     O::Built, "Z\xFCrich, Z\xFCrich, Switzerland    47 N 22  008 E 33  +01:00", ""},
    {"EverythingEmpty", PlaceEntries{}, O::NothingEntered, "", ""},
    {"NoSelectionInZoneMinutes", MumbaiWith(&PlaceEntries::zoneMinutes, ""), O::MissingEntry, "",
     "Time zone minutes"},
    {"OnlyStateGiven", Entries("", "Goa", "", "", "", "", "", "", "", "", ""), O::MissingEntry, "", "City"},
    {"OnlyCityGiven", Entries("Goa", "", "", "", "", "", "", "", "", "", ""), O::MissingEntry, "",
     "Latitude degrees"},
    // the check order is degrees, minutes, N/S: minutes come before the hemisphere
    {"FirstMissingInCheckOrder",
     Entries("Pune", "", "", "18", "", "", "73", "", "51", "5", "30"), O::MissingEntry, "",
     "Latitude minutes"},
    {"OnlyEastWestMissing", MumbaiWith(&PlaceEntries::eastWest, ""), O::MissingEntry, "", "E/W"},
    {"QuoteInCity", MumbaiWith(&PlaceEntries::city, "Mum\"bai"), O::InvalidText, "", "City"},
    {"LineBreakInCountry", MumbaiWith(&PlaceEntries::country, "In\ndia"), O::InvalidText, "", "Country"},
    {"HourNotOffered", MumbaiWith(&PlaceEntries::zoneHours, "+5"), O::InvalidText, "", "Time zone hours"},
    {"DegreesNotOffered", MumbaiWith(&PlaceEntries::latDegrees, "91"), O::InvalidText, "",
     "Latitude degrees"},
    {"MinutesNotOffered", MumbaiWith(&PlaceEntries::zoneMinutes, "45"), O::InvalidText, "",
     "Time zone minutes"},
};

class BuildTable : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildTable, OutcomeAndRecord) {
  const BuildCase& c = GetParam();
  const RecordResult result = BuildPlaceRecord(c.entries);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.record, c.record);
  if (c.outcome == O::Built) {
    EXPECT_EQ(result.record.size(), 56u);
  }
  EXPECT_EQ(result.outcome == O::MissingEntry ? result.missing : result.invalid, c.naming);
}

INSTANTIATE_TEST_SUITE_P(PlacesRecord, BuildTable, ::testing::ValuesIn(kBuildCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Every record the dialog can build parses back to what was entered: a sweep over the
// zone hours (-12 to 14) and both minute choices, the list entries most often mis-padded.
TEST(PlacesRoundTrip, AllZonesParseBack) {
  for (int hours = -12; hours <= 14; ++hours) {
    for (const char* minutes : {"0", "30"}) {
      PlaceEntries entries = MumbaiWith(&PlaceEntries::zoneHours, std::to_string(hours));
      entries.zoneMinutes = minutes;
      const RecordResult result = BuildPlaceRecord(entries);
      ASSERT_EQ(result.outcome, O::Built) << hours << ":" << minutes;
      const PlaceValue parsed = ParsePlace(result.record);
      const double half = minutes[0] == '0' ? 0.0 : 0.5;
      EXPECT_EQ(parsed.timeZone, hours < 0 ? hours - half : hours + half);
      EXPECT_EQ(parsed.latCaption, "18 N 58 ");
      EXPECT_EQ(parsed.longCaption, "072 E 50");
    }
  }
}

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
    {"Mumbai", kDescription + "18 N 58  072 E 50  +05:30", nullptr},
    // the place rule reads +05:45 as 5 hours; the stored zone is valid all the same
    {"KathmanduQuarterHour", kDescription + "27 N 42  085 E 19  +05:45", nullptr},
    {"SouthWestMinus1200", kDescription + "77 S 51  166 W 40  -12:00", nullptr},
    {"KiritimatiPlus1400", kDescription + "01 N 52  157 W 24  +14:00", nullptr},
    // the dialog's lists reach 90 and 180 with minutes 59, and -12 or 14 with 30
    {"DialogsLargestCoordinates", kDescription + "90 S 59  180 W 59  -12:30", nullptr},
    {"DialogsLargestZone", kDescription + "00 N 00  000 E 00  +14:30", nullptr},
    // a description typed with UTF-8 letters is longer in bytes; only the tail counts
    {"LongerUtf8Description", "S\xC3\xA3o Paulo, SP, Brazil         23 S 33  046 W 38  -03:00", nullptr},
    {"TooShort", "18 N 58  072 E 50  +05:30", "25 characters, fewer than the 56"},
    {"EmptyRecord", "", "0 characters"},
    {"NoBlankBeforeTail", "Thiruvananthapuram, Kerala, IND18 N 58  072 E 50  +05:30",
     "\"D\" at character 31, where a blank belongs"},
    {"LettersForLatitude", kDescription + "ab N 58  072 E 50  +05:30",
     "latitude degrees \"ab\" (characters 32-33) are not 2 digits"},
    {"LatitudeBeyond90", kDescription + "91 N 00  072 E 50  +05:30", "latitude degrees \"91\" (characters 32-33) lie beyond 90"},
    {"LatitudeMinutesBeyond59", kDescription + "18 N 60  072 E 50  +05:30", "latitude minutes \"60\""},
    {"LowerCaseHemisphere", kDescription + "18 n 58  072 E 50  +05:30",
     "latitude hemisphere \"n\" (character 35) is neither \"N\" nor \"S\""},
    {"LongitudeBeyond180", kDescription + "18 N 58  181 E 50  +05:30", "longitude degrees \"181\" (characters 41-43)"},
    {"BlankInLongitude", kDescription + "18 N 58  72  E 50  +05:30", "longitude degrees \"72 \""},
    {"LongitudeMinutesBeyond59", kDescription + "18 N 58  072 E 99  +05:30", "longitude minutes \"99\""},
    {"EastWestMissing", kDescription + "18 N 58  072 X 50  +05:30", "longitude hemisphere \"X\""},
    {"ZoneWithoutSign", kDescription + "18 N 58  072 E 50  005:30", "time zone sign \"0\" (character 51)"},
    {"ZoneWithoutColon", kDescription + "18 N 58  072 E 50  +05.30", "\".\" at character 54 where \":\" belongs"},
    // the reported -99:99, which gave clock texts like "62:42"
    {"ZoneMinus9999", kDescription + "18 N 58  072 E 50  -99:99", "time zone hours \"99\" (characters 52-53) lie beyond 12"},
    {"EastBeyond14", kDescription + "18 N 58  072 E 50  +15:00", "time zone hours \"15\" (characters 52-53) lie beyond 14"},
    {"WestBeyond12", kDescription + "18 N 58  072 E 50  -13:00", "lie beyond 12"},
    {"ZoneMinutesBeyond59", kDescription + "18 N 58  072 E 50  +05:60", "time zone minutes \"60\""},
    {"LettersInZone", kDescription + "18 N 58  072 E 50  +0a:30", "time zone hours \"0a\""},
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

// Every place stored in the bundled place file and in the tests' place files is
// computed today, so every one must pass the check.
TEST(PlacesCheck, EveryStoredPlacePasses) {
  const std::filesystem::path data = KALNIKA_TEST_DATA;
  for (const auto& file : {data / ".." / ".." / "data" / "Location.ini", data / "golden" / "Location.ini",
                           data / "reference" / "Location.ini", data / "places" / "windows_location.ini",
                           data / "places" / "windows_location_appended.ini"}) {
    SCOPED_TRACE(file.string());
    ProfileFile places(file);
    const std::vector<std::string> list = LoadPlaceList(places);
    ASSERT_FALSE(list.empty());
    for (const std::string& record : list) {
      const std::optional<std::string> problem = PlaceRecordProblem(record);
      EXPECT_FALSE(problem.has_value()) << record << ": " << *problem;
    }
  }
}

// Every record the dialog can build passes the check: all latitudes and longitudes
// at minutes 0 and 59 in both hemispheres, every zone hour with both minutes.
TEST(PlacesCheck, EveryRecordTheDialogBuildsPasses) {
  for (int degrees = 0; degrees <= 180; ++degrees) {
    for (const char* minutes : {"0", "59"}) {
      for (const char* side : {"N", "S"}) {
        PlaceEntries entries = MumbaiWith(&PlaceEntries::longDegrees, std::to_string(degrees));
        entries.longMinutes = minutes;
        entries.eastWest = side[0] == 'N' ? "E" : "W";
        if (degrees <= 90) {
          entries.latDegrees = std::to_string(degrees);
          entries.latMinutes = minutes;
          entries.northSouth = side;
        }
        const RecordResult result = BuildPlaceRecord(entries);
        ASSERT_EQ(result.outcome, O::Built);
        EXPECT_FALSE(PlaceRecordProblem(result.record).has_value()) << result.record;
      }
    }
  }
  for (int hours = -12; hours <= 14; ++hours) {
    for (const char* minutes : {"0", "30"}) {
      PlaceEntries entries = MumbaiWith(&PlaceEntries::zoneHours, std::to_string(hours));
      entries.zoneMinutes = minutes;
      const RecordResult result = BuildPlaceRecord(entries);
      ASSERT_EQ(result.outcome, O::Built);
      EXPECT_FALSE(PlaceRecordProblem(result.record).has_value()) << result.record;
    }
  }
}

}  // namespace
}  // namespace kalnika
