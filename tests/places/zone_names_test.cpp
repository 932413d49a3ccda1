// The places' zone names in the section "TIME ZONES" of the place file: reading,
// storing, appending a place with its zone in one locked write, and the zone
// names of the bundled place file.
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"
#include "places/place_record.h"
#include "places/time_zone.h"
#include "places/zone_names.h"

namespace kalnika {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

const std::string kPlaces = std::string(KALNIKA_TEST_DATA) + "/places/";
const std::string kLeicester = "Leicester, England, UK         52 N 38  001 W 08  +00:00";

struct ZoneNameReadCase {
  const char* name;
  std::string file;
  std::map<int, std::string> expected;
};

void PrintTo(const ZoneNameReadCase& c, std::ostream* os) { *os << c.name; }

const ZoneNameReadCase kZoneNameReadCases[] = {
    {"KeysLikePlaces", "[TIME ZONES]\r\n0=Asia/Kolkata\r\n9=America/New_York\r\n",
     {{0, "Asia/Kolkata"}, {9, "America/New_York"}}},
    // an empty value is no zone name, and keys are looked up as the places' keys are
    // written: "07" and "x" are none of them
    {"EmptyAndForeignKeysLeftOut", "[TIME ZONES]\r\n1=\r\n07=Asia/Tokyo\r\nx=UTC\r\n5000=UTC\r\n",
     {{5000, "UTC"}}},
    {"NoSection", "[LOCATION]\r\n0=\"" + kLeicester + "\"\r\n", {}},
};

class ZoneNameReadTable : public ::testing::TestWithParam<ZoneNameReadCase> {};

TEST_P(ZoneNameReadTable, ZoneNames) {
  const ZoneNameReadCase& c = GetParam();
  ScratchFolder folder;
  WriteBytes(folder / "Location.ini", c.file);
  ProfileFile file(folder / "Location.ini");
  EXPECT_EQ(ReadZoneNames(file), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlacesZoneNames, ZoneNameReadTable, ::testing::ValuesIn(kZoneNameReadCases),
                         [](const auto& row) { return std::string(row.param.name); });

// A file written on Windows gets the section at its end, after a blank line, in its
// CRLF line ends; every byte before stays. A second store replaces the value in place.
TEST(PlacesZoneNames, WindowsFileGainsOnlyTheSection) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  const std::string windows = ReadBytes(kPlaces + "windows_location.ini");
  WriteBytes(path, windows);
  ProfileFile file(path);
  ASSERT_TRUE(StoreZoneName(file, 3, "America/Toronto").ok);
  ASSERT_TRUE(StoreZoneName(file, 2, "Asia/Kathmandu").ok);
  ASSERT_TRUE(StoreZoneName(file, 3, "America/New_York").ok);
  EXPECT_EQ(ReadBytes(path),
            windows + "\r\n[TIME ZONES]\r\n3=America/New_York\r\n2=Asia/Kathmandu\r\n");
  EXPECT_EQ(ReadZoneNames(file),
            (std::map<int, std::string>{{2, "Asia/Kathmandu"}, {3, "America/New_York"}}));
  EXPECT_EQ(LoadPlaceList(file).size(), 4u);
}

// Clearing a zone name leaves "key=" (it reads as none); clearing one that is not
// there writes nothing at all.
TEST(PlacesZoneNames, ClearOnlyWhatIsThere) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  const std::string before = "[LOCATION]\r\n0=\"" + kLeicester + "\"\r\n";
  WriteBytes(path, before);
  ProfileFile file(path);
  ASSERT_TRUE(StoreZoneName(file, 0, "").ok);
  EXPECT_EQ(ReadBytes(path), before);
  ASSERT_TRUE(StoreZoneName(file, 0, "Europe/London").ok);
  ASSERT_TRUE(StoreZoneName(file, 0, "").ok);
  EXPECT_EQ(ReadBytes(path), before + "\r\n[TIME ZONES]\r\n0=\r\n");
  EXPECT_TRUE(ReadZoneNames(file).empty());
}

// The Leicester record lands under key 4 as the Windows program appends it
// (windows_location_appended.ini), its zone name under key 4 of the new section.
TEST(PlacesZoneNames, AppendPlaceWithItsZone) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  WriteBytes(path, ReadBytes(kPlaces + "windows_location.ini"));
  ProfileFile file(path);
  const AppendedPlace appended = AppendPlace(file, kLeicester, "Europe/London");
  ASSERT_TRUE(appended.result.ok) << appended.result.error;
  EXPECT_EQ(appended.key, 4);
  EXPECT_EQ(ReadBytes(path), ReadBytes(kPlaces + "windows_location_appended.ini") +
                                 "\r\n[TIME ZONES]\r\n4=Europe/London\r\n");
}

// A zone name left under the free key by a former place is not inherited.
TEST(PlacesZoneNames, AppendWithoutZoneClearsLeftOverName) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  WriteBytes(path, "[LOCATION]\r\n0=\"" + kLeicester + "\"\r\n\r\n[TIME ZONES]\r\n1=Asia/Tokyo\r\n");
  ProfileFile file(path);
  const AppendedPlace appended = AppendPlace(file, kLeicester, "");
  ASSERT_TRUE(appended.result.ok) << appended.result.error;
  EXPECT_EQ(appended.key, 1);
  EXPECT_TRUE(ReadZoneNames(file).empty());
  EXPECT_EQ(LoadPlaceList(file).size(), 2u);
}

struct ZoneNameRefusedCase {
  const char* name;
  std::string zoneName;
};

void PrintTo(const ZoneNameRefusedCase& c, std::ostream* os) { *os << c.name; }

// Names the file cannot hold, or that are no IANA name: nothing is written.
const ZoneNameRefusedCase kZoneNameRefusedCases[] = {
    {"LineBreak", "Asia/Kolkata\r\n0=Asia/Tokyo"},
    {"UpFolder", "../../etc/passwd"},
    {"NotAscii", "Europe/Z\xC3\xBCrich"},
    {"LongerThanBuffer", "America/" + std::string(72, 'x')},
};

class ZoneNameRefusedTable : public ::testing::TestWithParam<ZoneNameRefusedCase> {};

TEST_P(ZoneNameRefusedTable, NothingWritten) {
  const ZoneNameRefusedCase& c = GetParam();
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  const std::string before = ReadBytes(kPlaces + "windows_location.ini");
  WriteBytes(path, before);
  ProfileFile file(path);
  EXPECT_FALSE(IsStorableZoneName(c.zoneName));
  const WriteResult stored = StoreZoneName(file, 0, c.zoneName);
  EXPECT_FALSE(stored.ok);
  EXPECT_EQ(stored.error, "\"" + c.zoneName + "\" is not a time-zone name: those are written like "
                          "\"Asia/Kolkata\".");
  const AppendedPlace appended = AppendPlace(file, kLeicester, c.zoneName);
  EXPECT_FALSE(appended.result.ok);
  EXPECT_EQ(appended.key, -1);
  EXPECT_EQ(ReadBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(PlacesZoneNames, ZoneNameRefusedTable, ::testing::ValuesIn(kZoneNameRefusedCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PlacesZoneNames, KeyOutsidePlaceKeysRefused) {
  ScratchFolder folder;
  ProfileFile file(folder / "Location.ini");
  EXPECT_FALSE(StoreZoneName(file, 5001, "UTC").ok);
  EXPECT_FALSE(StoreZoneName(file, -1, "UTC").ok);
  EXPECT_EQ(ReadBytes(folder / "Location.ini"), "<missing>");
}

// Running copies append at once: each record and its zone name share a key.
TEST(PlacesZoneNames, ConcurrentAppendsKeepRecordAndZoneTogether) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  constexpr int kWriters = 3;
  constexpr int kEach = 15;
  // the place's number in its description and in its zone name
  auto record = [](int n) {
    std::string description = "Place " + std::to_string(n) + ", Test, India";
    description.resize(31, ' ');
    return description + "18 N 58  072 E 50  +05:30";
  };
  auto zone = [](int n) { return "Test/Place_" + std::to_string(n); };
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ProfileFile own(path);
      bool ok = true;
      for (int i = 0; i < kEach; ++i) ok = AppendPlace(own, record(w * 100 + i), zone(w * 100 + i)).result.ok && ok;
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
  const std::map<int, std::string> zones = ReadZoneNames(file);
  ASSERT_EQ(places.size(), static_cast<std::size_t>(kWriters * kEach));
  ASSERT_EQ(zones.size(), places.size());
  for (std::size_t key = 0; key < places.size(); ++key) {
    const int n = std::stoi(places[key].substr(6));
    EXPECT_EQ(zones.at(static_cast<int>(key)), zone(n)) << "key " << key;
  }
}

// The bundled place file names a zone for each of its places, every one known to
// tzdata, and the record's own zone field is that zone's standard offset as the
// add-place dialog can write it (whole or half hours: Kathmandu's +5:45 is stored
// as +05:30).
TEST(PlacesZoneNames, BundledPlacesHaveTheirZones) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  WriteBytes(path, ReadBytes(std::string(KALNIKA_TEST_DATA) + "/../../data/Location.ini"));
  ProfileFile file(path);
  const std::vector<std::string> places = LoadPlaceList(file);
  const std::map<int, std::string> zones = ReadZoneNames(file);
  ASSERT_EQ(places.size(), 144u);
  ASSERT_EQ(zones.size(), places.size());
  for (std::size_t key = 0; key < places.size(); ++key) {
    const std::string& zoneName = zones.at(static_cast<int>(key));
    const ZoneLookup standard = LatestStandardOffset(zoneName);
    ASSERT_TRUE(standard.ok) << standard.error;
    // "+05:30" -> 5.5, "-03:30" -> -3.5 (the record's own reading)
    const double stored = ParsePlace(places[key]).timeZone;
    EXPECT_DOUBLE_EQ(stored, std::trunc(standard.offset.hours * 2) / 2) << places[key] << " " << zoneName;
  }
}

}  // namespace
}  // namespace kalnika
