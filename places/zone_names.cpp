#include "places/zone_names.h"

#include <string>

#include "clock/zone_rules.h"

namespace kalnika {

namespace {

// Keys of places, as in "LOCATION".
constexpr int kLastPlaceKey = 5000;
}  // namespace

std::map<int, std::string> ReadZoneNames(const ProfileSnapshot& places) {
  std::map<int, std::string> names;
  for (int key = 0; key <= kLastPlaceKey; ++key) {
    std::string name = places.Read(kTimeZonesSection, std::to_string(key));
    if (!name.empty()) names.emplace(key, std::move(name));
  }
  return names;
}

std::map<int, std::string> ReadZoneNames(ProfileFile& file) { return ReadZoneNames(file.Snapshot()); }

WriteResult StoreZoneName(ProfileFile& file, int key, std::string_view zoneName) {
  if (key < 0 || key > kLastPlaceKey) {
    return {false, "Places are stored under the keys 0 to 5000, not under " + std::to_string(key) + "."};
  }
  if (!zoneName.empty()) {
    if (std::string problem = ZoneNameProblem(zoneName); !problem.empty()) return {false, std::move(problem)};
  }
  const std::string name = std::to_string(key);
  // clearing what is not there: no empty entry, nor a section for it
  if (zoneName.empty() && file.Read(kTimeZonesSection, name).empty()) return {true, {}};
  return file.WriteString(kTimeZonesSection, name, zoneName);
}

AppendedPlace AppendPlace(ProfileFile& file, std::string_view record, std::string_view zoneName) {
  AppendedPlace appended;
  if (!zoneName.empty()) {
    if (std::string problem = ZoneNameProblem(zoneName); !problem.empty()) {
      appended.result = {false, std::move(problem)};
      return appended;
    }
  }
  appended.result = file.AppendPlaceRecord(record, kTimeZonesSection, zoneName, appended.key);
  return appended;
}

}  // namespace kalnika
