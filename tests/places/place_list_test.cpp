// The place list, the default place, the auspicious-day notes and appending places.
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"

namespace kalnika {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

// A 56-character record whose description names `n`, so every record differs.
std::string Record(int n) {
  std::string description = "Place " + std::to_string(n) + ", Test, India ";
  description.resize(31, ' ');
  return description + "18 N 58  072 E 50  +05:30";
}

// A place file holding records under `keys` (in that order) and CityDataNumber 0.
std::string PlaceFile(const std::vector<int>& keys) {
  std::string text = "[LOCATION]\r\n";
  for (int key : keys) text += std::to_string(key) + "=\"" + Record(key) + "\"\r\n";
  return text + "\r\n[DEFAULT]\r\nCityDataNumber=0\r\n";
}

std::vector<int> KeysUpTo(int last) {
  std::vector<int> keys;
  for (int n = 0; n <= last; ++n) keys.push_back(n);
  return keys;
}

// The fullest file: keys "0" to "5000". All 5001 load; a 5002nd place is refused
// with a message and the file keeps every byte.
TEST(PlacesList, FullFileLoadsAllAndRefusesMore) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  const std::string before = PlaceFile(KeysUpTo(5000));
  WriteBytes(path, before);
  ProfileFile file(path);
  const std::vector<std::string> places = LoadPlaceList(file);
  ASSERT_EQ(places.size(), 5001u);
  EXPECT_EQ(places.front(), Record(0));
  EXPECT_EQ(places.back(), Record(5000));
  const WriteResult result = file.AppendPlaceRecord(Record(5001));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "The place file is full: 5001 places are stored.");
  EXPECT_EQ(ReadBytes(path), before);
}

// Where the list ends and where the next place goes.
struct GapCase {
  const char* name;
  std::string file;
  std::size_t listed;         // entries the list shows
  std::string appendedKey;    // key the next append takes
  std::size_t listedAfter;    // entries after the append
};

const GapCase kGapCases[] = {
    // keys 0, 1, 3: the gap at 2 hides 3, and the next place fills the gap
    {"GapHidesLaterRecords", PlaceFile({0, 1, 3}), 2, "2", 4},
    // an empty value ends the list like a missing key, and is free for the next place
    {"EmptyValueEndsList", "[LOCATION]\r\n0=\"" + Record(0) + "\"\r\n1=\r\n2=\"" + Record(2) + "\"\r\n",
     1, "1", 3},
    // a value of only the quotes reads empty too
    {"EmptyQuotesEndList", "[LOCATION]\r\n0=\"\"\r\n1=\"" + Record(1) + "\"\r\n", 0, "0", 2},
    {"NoLocationSection", "[DEFAULT]\r\nCityDataNumber=0\r\n", 0, "0", 1},
    {"NoFile", "", 0, "0", 1},
};

TEST(PlacesList, GapsAndAppendKeys) {
  for (const GapCase& c : kGapCases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    if (!c.file.empty()) WriteBytes(path, c.file);
    ProfileFile file(path);
    EXPECT_EQ(LoadPlaceList(file).size(), c.listed);
    const std::string record = Record(900);
    const WriteResult result = file.AppendPlaceRecord(record);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(file.Read("LOCATION", c.appendedKey), record);
    EXPECT_EQ(LoadPlaceList(file).size(), c.listedAfter);
  }
}

TEST(PlacesList, AppendToMissingFileWritesWindowsLayout) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  ProfileFile file(path);
  ASSERT_TRUE(file.AppendPlaceRecord(Record(0)).ok);
  EXPECT_EQ(ReadBytes(path), "[LOCATION]\r\n0=\"" + Record(0) + "\"\r\n");
  EXPECT_TRUE(std::filesystem::exists(folder / "Location.ini.lock"));
}

// Records the file could not give back as stored are refused before anything is written.
TEST(PlacesList, AppendRefusesUnstorableRecords) {
  struct Refusal {
    const char* name;
    std::string record;
  };
  const Refusal refusals[] = {
      {"Empty", ""},                     // would read as a free key and end the list
      {"LongerThan79", std::string(80, 'x')},  // would be cut by the 80-byte buffer
      {"LineBreak", "Pune\r\n[DEFAULT]"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    const std::string before = PlaceFile({0});
    WriteBytes(path, before);
    ProfileFile file(path);
    const WriteResult result = file.AppendPlaceRecord(r.record);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error, "");
    EXPECT_EQ(ReadBytes(path), before);
  }
}

// Two running copies appending at once must not store two places under one key:
// four processes append 25 places each; all 100 must be there under keys 0 to 99.
TEST(PlacesList, ConcurrentAppendsLoseNothing) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  constexpr int kWriters = 4;
  constexpr int kEach = 25;
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ProfileFile own(path);
      bool ok = true;
      for (int i = 0; i < kEach; ++i) ok = own.AppendPlaceRecord(Record(w * 1000 + i)).ok && ok;
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ProfileFile file(path);
  const std::vector<std::string> places = LoadPlaceList(file);
  EXPECT_EQ(places.size(), static_cast<std::size_t>(kWriters * kEach));
  const std::set<std::string> distinct(places.begin(), places.end());
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kEach; ++i) EXPECT_EQ(distinct.count(Record(w * 1000 + i)), 1u);
  }
}

// The stored default position: the numeric value of the text (blanks ignored,
// reading stops at the first other character), rounded half to even.
struct DefaultCase {
  const char* name;
  const char* stored;  // nullptr: no CityDataNumber key
  int expected;
};

const DefaultCase kDefaultCases[] = {
    {"TenthEntry", "9", 9},
    {"NoneSelected", "-1", -1},
    {"MissingKeySelectsFirst", nullptr, 0},
    {"EmptyValue", "", 0},
    {"NotANumber", "abc", 0},
    {"TrailingLetters", "7x", 7},
    {"BlanksInsideIgnored", " 1 2", 12},
    {"HalfRoundsDownToEven", "2.5", 2},
    {"HalfRoundsUpToEven", "3.5", 4},
    {"NegativeHalfToEven", "-0.5", 0},
    // beyond int: clamped, so it names no entry instead of overflowing
    {"HugeClampedToIntMax", "99999999999999999999", INT_MAX},
    {"HugeNegativeClampedToIntMin", "-99999999999999999999", INT_MIN},
    {"SeventyNineDigits", "9999999999999999999999999999999999999999999999999999999999999999999999999999999",
     INT_MAX},
};

TEST(PlacesDefault, StoredPosition) {
  for (const DefaultCase& c : kDefaultCases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    std::string text = "[DEFAULT]\r\n";
    if (c.stored != nullptr) text += std::string("CityDataNumber=") + c.stored + "\r\n";
    WriteBytes(folder / "Location.ini", text);
    ProfileFile file(folder / "Location.ini");
    EXPECT_EQ(StoredDefaultPosition(file), c.expected);
  }
}

TEST(PlacesDefault, StoredThenReadBack) {
  for (int position : {9, -1, 0, 5000}) {
    SCOPED_TRACE(position);
    ScratchFolder folder;
    ProfileFile file(folder / "Location.ini");
    ASSERT_TRUE(StoreDefaultPosition(file, position).ok);
    EXPECT_EQ(StoredDefaultPosition(file), position);
    EXPECT_EQ(file.Read("DEFAULT", "CityDataNumber"), std::to_string(position));
  }
}

// The auspicious-day key is two-digit month and two-digit tithi.
struct NoteCase {
  const char* name;
  int maas;
  int tithi;
  std::string expected;
};

const std::string kLongNote(100, '\xF0');

const NoteCase kNoteCases[] = {
    {"Month11Tithi3", 11, 3, "\xC0k:a\xE6S:\xEF v:&t:"},
    {"Month4Tithi30", 4, 30, "A\xD1y: t:&t\xDF:y:a"},
    {"Month0Tithi0", 0, 0, "n:v:"},
    // tithi 31 occurs at the wrap of the new moon
    {"Month0Tithi31", 0, 31, "x:31"},
    {"Month1Tithi15TrailingA0Kept", 1, 15, "g:N:e\xDES: c:t:\xFBT\xE0\xA0"},
    {"NothingStored", 5, 5, ""},
    // over 79 bytes: the first 79 shown, nothing past the 80-byte buffer
    {"LongNoteCutTo79", 2, 2, std::string(79, '\xF0')},
};

TEST(PlacesAuspiciousDay, NoteByMonthAndTithi) {
  ScratchFolder folder;
  WriteBytes(folder / "Location.ini",
             "[AUSPICIOUS DAYS]\r\n1103=\xC0k:a\xE6S:\xEF v:&t:\r\n0430=A\xD1y: t:&t\xDF:y:a\r\n"
             "0000=n:v:\r\n0031=x:31\r\n0115=g:N:e\xDES: c:t:\xFBT\xE0\xA0\r\n0202=" +
                 kLongNote + "\r\n");
  ProfileFile file(folder / "Location.ini");
  for (const NoteCase& c : kNoteCases) {
    SCOPED_TRACE(c.name);
    std::string buffer = "left over from the previous day";
    EXPECT_EQ(AuspiciousDayNote(file, c.maas, c.tithi, buffer), c.expected);
    // the buffer was reset to 80 blanks: the value, its NUL, blanks behind
    ASSERT_EQ(buffer.size(), kProfileBufferSize);
    EXPECT_EQ(buffer[c.expected.size()], '\0');
    EXPECT_EQ(buffer.substr(c.expected.size() + 1), std::string(79 - c.expected.size(), ' '));
  }
}

}  // namespace
}  // namespace kalnika
