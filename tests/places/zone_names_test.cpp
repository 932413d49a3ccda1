// The places' zone names in the section "TIME ZONES" of the place file: reading,
// storing, appending a place with its zone in one locked write, and the zone
// names of the bundled place file.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"
#include "places/place_record.h"
#include "clock/time_zone.h"
#include "places/zone_names.h"

namespace kalnika::test {
namespace {

const std::string kLeicester = "Leicester, England, UK         52 N 38  001 W 08  +00:00";

// The default place is stored as the position its record has in the file as it
// is when written, read under the lock: the list it was chosen from may be out of
// date (a place inserted before it, the file replaced by an editor). Found by name
// and coordinates; the listed position first among equal places.
TEST(PlacesDefault, ThePositionOfTheSamePlaceInTheFileAsItIsNow) {
  const std::string pune = "Pune, Maharashtra, India       18 N 31  073 E 51  +05:30";
  const std::string mumbai = "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30";
  const Place chosen = ParsePlace(mumbai);
  struct Row {
    const char* name;
    std::vector<std::string> records;  // the file's places now
    int listed, stored;
    bool changed;
  } rows[] = {
      {"unchanged", {kLeicester, mumbai}, 1, 1, false},
      {"a place inserted before it", {kLeicester, pune, mumbai}, 1, 2, true},
      {"the listed one of two the same", {mumbai, kLeicester, mumbai}, 2, 2, false},
      {"the first of two the same elsewhere", {mumbai, kLeicester, mumbai}, 1, 0, true},
      {"gone", {kLeicester, pune}, 1, -1, true},
      {"the same name elsewhere", {kLeicester, "Mumbai, Maharashtra, India     19 N 00  072 E 50  +05:30"}, 1, -1, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string bytes = "[LOCATION]\r\n";
    for (std::size_t k = 0; k < r.records.size(); ++k) bytes += std::to_string(k) + "=\"" + r.records[k] + "\"\r\n";
    bytes += "[DEFAULT]\r\nCityDataNumber=0\r\n";
    PlaceFolder folder(bytes);
    const StoredDefault stored = StoreDefaultPlace(folder.places, chosen, r.listed);
    EXPECT_EQ(stored.position, r.stored);
    EXPECT_EQ(stored.listChanged, r.changed);
    EXPECT_EQ(stored.result.ok, r.stored >= 0) << stored.result.error;
    EXPECT_EQ(StoredDefaultPosition(folder.places), std::max(r.stored, 0));
    if (r.stored < 0) {
      EXPECT_EQ(folder.Bytes(), bytes);
      EXPECT_NE(stored.result.error.find("is no longer in it"), std::string::npos) << stored.result.error;
    }
  }
}

// Keys are read as the places' keys are written: "07" and "x" are none of them,
// and an empty value is no zone name.
TEST(PlacesZoneNames, ReadUnderThePlacesKeys) {
  PlaceFolder folder("[TIME ZONES]\r\n1=\r\n07=Asia/Tokyo\r\nx=UTC\r\n9=America/New_York\r\n5000=UTC\r\n");
  EXPECT_EQ(ReadZoneNames(folder.places), (std::map<int, std::string>{{9, "America/New_York"}, {5000, "UTC"}}));
}

// A file written on Windows gets the section at its end, after a blank line, in its
// CRLF line ends; every byte before stays. The Leicester record lands under key 4
// as the Windows program appends it (windows_location_appended.ini), its zone name
// under key 4 of the new section, in one write. Clearing a zone name leaves "key="
// (it reads as none); clearing one that is not there writes nothing at all.
TEST(PlacesZoneNames, WindowsFileGainsOnlyTheSection) {
  const std::string windows = DataFile("windows_location.ini");
  const std::string appended = DataFile("windows_location_appended.ini");
  PlaceFolder folder(windows);
  ASSERT_TRUE(StoreZoneName(folder.places, 0, "").ok);
  EXPECT_EQ(folder.Bytes(), windows);

  const AppendedPlace place = AppendPlace(folder.places, kLeicester, "Europe/London");
  ASSERT_TRUE(place.result.ok) << place.result.error;
  EXPECT_EQ(place.key, 4);
  EXPECT_EQ(folder.Bytes(), appended + "\r\n[TIME ZONES]\r\n4=Europe/London\r\n");

  ASSERT_TRUE(StoreZoneName(folder.places, 2, "Asia/Kathmandu").ok);
  ASSERT_TRUE(StoreZoneName(folder.places, 4, "").ok);
  EXPECT_EQ(folder.Bytes(), appended + "\r\n[TIME ZONES]\r\n4=\r\n2=Asia/Kathmandu\r\n");
  EXPECT_EQ(ReadZoneNames(folder.places), (std::map<int, std::string>{{2, "Asia/Kathmandu"}}));
}

// A zone name left under the free key by a former place is not inherited.
TEST(PlacesZoneNames, AppendWithoutZoneClearsLeftOverName) {
  PlaceFolder folder("[LOCATION]\r\n0=\"" + kLeicester + "\"\r\n\r\n[TIME ZONES]\r\n1=Asia/Tokyo\r\n");
  const AppendedPlace place = AppendPlace(folder.places, kLeicester, "");
  ASSERT_TRUE(place.result.ok) << place.result.error;
  EXPECT_EQ(place.key, 1);
  EXPECT_TRUE(ReadZoneNames(folder.places).empty());
}

// A name that cannot be stored and a key that names no place: refused, nothing written.
TEST(PlacesZoneNames, RefusedNothingWritten) {
  const std::string before = DataFile("windows_location.ini");
  PlaceFolder folder(before);
  const WriteResult stored = StoreZoneName(folder.places, 0, "../../etc/passwd");
  EXPECT_FALSE(stored.ok);
  EXPECT_EQ(stored.error, "The time zone \"../../etc/passwd\" is not a time-zone name (such as Asia/Kolkata).");
  const AppendedPlace appended = AppendPlace(folder.places, kLeicester, "Asia/Kolkata\r\n0=Asia/Tokyo");
  EXPECT_FALSE(appended.result.ok);
  EXPECT_EQ(appended.key, -1);
  EXPECT_FALSE(StoreZoneName(folder.places, 5001, "UTC").ok);
  EXPECT_FALSE(StoreZoneName(folder.places, -1, "UTC").ok);
  EXPECT_EQ(folder.Bytes(), before);
}

// Running copies append at once, from no file: under the writers' lock no place is
// lost or stored twice, and each record and its zone name share a key.
TEST(PlacesZoneNames, ConcurrentAppendsLoseNothingAndKeepRecordAndZoneTogether) {
  PlaceFolder folder;
  constexpr int kWriters = 4;
  constexpr int kEach = 15;
  auto zone = [](int n) { return "Test/Place_" + std::to_string(n); };
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ProfileFile own(folder.file);
      bool ok = true;
      for (int i = 0; i < kEach; ++i) ok = AppendPlace(own, Record(w * 100 + i), zone(w * 100 + i)).result.ok && ok;
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const std::vector<std::string> places = LoadPlaceList(folder.places);
  const std::map<int, std::string> zones = ReadZoneNames(folder.places);
  ASSERT_EQ(places.size(), static_cast<std::size_t>(kWriters * kEach));
  ASSERT_EQ(zones.size(), places.size());
  std::set<int> numbers;
  for (std::size_t key = 0; key < places.size(); ++key) {
    const int n = std::stoi(places[key].substr(6));  // "Place <n>, ..."
    numbers.insert(n);
    EXPECT_EQ(zones.at(static_cast<int>(key)), zone(n)) << "key " << key;
  }
  EXPECT_EQ(numbers.size(), places.size());
}

// Every place of the bundled place file passes the record check (each is computed
// today) and names its zone, known to tzdata; the record's own zone field is that
// zone's standard offset on 15 January 2026 (Kathmandu's +05:45 too). A date in the past
// and not the zone's latest rule: a tzdata update may change a zone from its date
// on, never before. Records of zones that changed since carry their own value.
TEST(PlacesZoneNames, BundledPlacesPassAndHaveTheirZones) {
  // British Columbia keeps -07:00 all year from 1 November 2026 (tzdata 2026b); the
  // record says what a user there types today.
  const std::map<std::string, int> changedSince = {{"America/Vancouver", -7 * 60}};
  ProfileFile file(std::string(KALNIKA_TEST_DATA) + "/../../data/Location.ini");
  const std::vector<std::string> places = LoadPlaceList(file);
  const std::map<int, std::string> zones = ReadZoneNames(file);
  ASSERT_EQ(places.size(), 144u);
  ASSERT_EQ(zones.size(), places.size());
  for (std::size_t key = 0; key < places.size(); ++key) {
    EXPECT_EQ(PlaceRecordProblem(places[key]), std::nullopt) << places[key];
    const std::string& zoneName = zones.at(static_cast<int>(key));
    const ZoneLookup january = ZoneOffsetOn(zoneName, std::chrono::year{2026} / 1 / 15);
    ASSERT_TRUE(january.ok) << january.error;
    const auto changed = changedSince.find(zoneName);
    const int expected = changed != changedSince.end() ? changed->second
                                                       : static_cast<int>(std::lround(january.offset.standardHours * 60));
    EXPECT_EQ(ParsePlace(places[key]).zone.Minutes(), expected) << places[key] << " " << zoneName;
  }
}

}  // namespace
}  // namespace kalnika::test
