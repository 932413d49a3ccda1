// The place list, where appended places go, the default place and the
// auspicious-day notes.
#include <climits>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"

namespace kalnika::test {
namespace {

// A place file holding Record(key) under each of `keys` (in that order).
std::string PlaceFile(const std::vector<int>& keys) {
  std::string text = "[LOCATION]\r\n";
  for (int key : keys) text += std::to_string(key) + "=\"" + Record(key) + "\"\r\n";
  return text + "\r\n[DEFAULT]\r\nCityDataNumber=0\r\n";
}

// The fullest file: keys "0" to "5000". All 5001 load; a 5002nd place is refused
// with a message and the file keeps every byte.
TEST(PlacesList, FullFileLoadsAllAndRefusesMore) {
  std::vector<int> keys;
  for (int n = 0; n <= 5000; ++n) keys.push_back(n);
  const std::string before = PlaceFile(keys);
  PlaceFolder folder(before);
  const std::vector<std::string> places = LoadPlaceList(folder.places);
  ASSERT_EQ(places.size(), 5001u);
  EXPECT_EQ(places.back(), Record(5000));
  const WriteResult result = folder.places.AppendPlaceRecord(Record(5001));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "The place file is full: 5001 places are stored.");
  EXPECT_EQ(folder.Bytes(), before);
}

// Where the list ends and where the next place goes: the first key that reads empty.
TEST(PlacesList, GapsEndTheListAndTakeTheNextPlace) {
  struct Case {
    const char* name;
    std::string file;
    std::size_t listed;       // entries the list shows
    const char* appendedKey;  // key the next append takes
    std::size_t listedAfter;  // entries after the append
  } cases[] = {
      // keys 0, 1, 3: the gap at 2 hides 3, and the next place fills the gap
      {"GapHidesLaterRecords", PlaceFile({0, 1, 3}), 2, "2", 4},
      // an empty value ends the list like a missing key, and is free for the next place
      {"EmptyValueEndsList", "[LOCATION]\r\n0=\"" + Record(0) + "\"\r\n1=\r\n2=\"" + Record(2) + "\"\r\n", 1, "1", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder folder(c.file);
    EXPECT_EQ(LoadPlaceList(folder.places).size(), c.listed);
    const WriteResult result = folder.places.AppendPlaceRecord(Record(900));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(folder.places.Read("LOCATION", c.appendedKey), Record(900));
    EXPECT_EQ(LoadPlaceList(folder.places).size(), c.listedAfter);
  }
}

// The stored default position: the numeric value of the text, rounded half to even,
// kept within int. (The numeric value and the rounding are tested in tests/calendar.)
TEST(PlacesDefault, StoredPosition) {
  struct Case {
    const char* name;
    const char* stored;  // nullptr: no CityDataNumber key
    int expected;
  } cases[] = {
      {"MissingKeySelectsFirst", nullptr, 0},
      {"NoneSelected", "-1", -1},
      // beyond int: clamped, so it names no entry instead of overflowing
      {"HugeClampedToIntMax", "99999999999999999999", INT_MAX},
      {"HugeNegativeClampedToIntMin", "-99999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder folder(c.stored == nullptr ? "[DEFAULT]\r\n" : std::string("[DEFAULT]\r\nCityDataNumber=") + c.stored);
    EXPECT_EQ(StoredDefaultPosition(folder.places), c.expected);
  }
}

// The auspicious-day key is two-digit month and two-digit tithi; notes of the
// Windows place file in tests/data/places.
TEST(PlacesAuspiciousDay, NoteByMonthAndTithi) {
  struct Case {
    const char* name;
    int maas;
    int tithi;
    std::string expected;
  } cases[] = {
      {"Month11Tithi3", 11, 3, "\xC0k:a\xE6S:\xEF v:&t:"},
      {"Month4Tithi30", 4, 30, "A\xD1y: t:&t\xDF:y:a"},
      {"NothingStored", 5, 5, ""},
  };
  PlaceFolder folder(DataFile("windows_location.ini"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string buffer = "left over from the previous day";
    EXPECT_EQ(AuspiciousDayNote(folder.places, c.maas, c.tithi, buffer), c.expected);
    // the buffer was reset to 80 blanks: the value, its NUL, blanks behind
    ASSERT_EQ(buffer.size(), kProfileBufferSize);
    EXPECT_EQ(buffer.substr(c.expected.size()), '\0' + std::string(79 - c.expected.size(), ' '));
  }
}

// The festivals' rules are read as stored, under every key a note can have, and
// not interpreted here (a misspelt rule comes back as written; the month refuses
// it): keys in any case, a value in quotes, keys no note can have left out. A file
// without the section has no rules, and a sankranti's note stands under "S" and the
// sign.
TEST(PlacesObservance, RulesAsStoredUnderTheNotesKeys) {
  PlaceFolder folder(
      "[AUSPICIOUS DAYS]\r\n0504=\"GANESH\"\r\ns09=\"SANKRANT\"\r\n"
      "[OBSERVANCE]\r\n0504=madhyahna\r\n0630 = \"pradosha,second\"\r\ns09=sankranti\r\n"
      "0519=madhyanha\r\n9999=udaya\r\nS12=sankranti\r\n");
  const ProfileSnapshot places = folder.places.Snapshot();
  const std::map<std::string, std::string> expected = {
      {"0504", "madhyahna"}, {"0519", "madhyanha"}, {"0630", "pradosha,second"}, {"S09", "sankranti"}};
  EXPECT_EQ(ReadObservance(places), expected);
  EXPECT_EQ(SunEntryNote(places, 9), "SANKRANT");
  EXPECT_EQ(SunEntryNote(places, 8), "");
  PlaceFolder without(DataFile("windows_location.ini"));
  EXPECT_TRUE(ReadObservance(without.places.Snapshot()).empty());
}

// A copy of the bundled file made before the rules existed borrows the bundled
// rule of every note it stores byte for byte alike; a file with a rule of its own
// keeps its own.
TEST(PlacesObservance, AFileWithoutRulesBorrowsThoseOfItsUnchangedNotes) {
  PlaceFolder bundled(
      "[OBSERVANCE]\r\n0504=madhyahna\r\n0519=chandrodaya,first\r\nS09=sankranti\r\n0615=nishitha\r\n"
      "[AUSPICIOUS DAYS]\r\n0504=\"GANESH\"\r\n0519=\"SANKASHTI\"\r\nS09=\"SANKRANT\"\r\n0615=\"KOJAGIRI\"\r\n");
  struct Case {
    const char* name;
    std::string file;
    std::map<std::string, std::string> expected;
  } cases[] = {
      {"UnchangedNotesBorrow",
       "[AUSPICIOUS DAYS]\r\n0504=\"GANESH\"\r\nS09=SANKRANT\r\n",
       {{"0504", "madhyahna"}, {"S09", "sankranti"}}},
      {"ChangedNoteKeepsTheSunriseRule",
       "[AUSPICIOUS DAYS]\r\n0504=\"GANESH CHATURTHI\"\r\n0519=\"SANKASHTI\"\r\n",
       {{"0519", "chandrodaya,first"}}},
      {"OwnRulesReadAsTheyAre",
       "[OBSERVANCE]\r\n0504=udaya\r\n[AUSPICIOUS DAYS]\r\n0504=\"GANESH\"\r\n0519=\"SANKASHTI\"\r\n",
       {{"0504", "udaya"}}},
      {"NoNotesNoRules", "[LOCATION]\r\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder user(c.file);
    EXPECT_EQ(ReadObservance(user.places.Snapshot(), bundled.places.Snapshot()), c.expected);
  }
}

}  // namespace
}  // namespace kalnika::test
