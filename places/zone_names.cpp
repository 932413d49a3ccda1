#include "places/zone_names.h"

#include <algorithm>
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

std::vector<Place> LoadPlaces(const ProfileSnapshot& places) {
  std::vector<Place> list;
  const std::vector<std::string> records = LoadPlaceList(places);
  list.reserve(records.size());
  for (std::size_t key = 0; key < records.size(); ++key) {
    list.push_back(ParsePlace(records[key]));
    list.back().zoneName = places.Read(kTimeZonesSection, std::to_string(key));
  }
  return list;
}

std::vector<Place> LoadPlaces(const ProfileSnapshot& places, const ProfileSnapshot& bundled) {
  std::vector<Place> list = LoadPlaces(places);
  const bool lacking = std::any_of(list.begin(), list.end(), [](const Place& p) { return p.zoneName.empty(); });
  if (!lacking) return list;
  std::map<std::string, std::string> zoneOfRecord;
  const std::vector<std::string> bundledRecords = LoadPlaceList(bundled);
  for (std::size_t key = 0; key < bundledRecords.size(); ++key) {
    std::string zone = bundled.Read(kTimeZonesSection, std::to_string(key));
    if (!zone.empty()) zoneOfRecord.emplace(bundledRecords[key], std::move(zone));
  }
  const std::vector<std::string> records = LoadPlaceList(places);
  for (std::size_t key = 0; key < list.size() && key < records.size(); ++key) {
    const auto found = zoneOfRecord.find(records[key]);
    if (list[key].zoneName.empty() && found != zoneOfRecord.end()) list[key].zoneName = found->second;
  }
  return list;
}

StoredDefault StoreDefaultPlace(ProfileFile& file, const Place& place, int listed) {
  StoredDefault stored;
  const auto same = [&place](const Place& p) {
    return p.name == place.name && p.latitude == place.latitude && p.longitude == place.longitude;
  };
  stored.result = StoreDefaultPosition(file, [&](const ProfileSnapshot& now, std::string& refusal) -> std::optional<int> {
        const std::vector<Place> places = LoadPlaces(now);
        int position = -1;
        if (listed >= 0 && static_cast<std::size_t>(listed) < places.size() && same(places[static_cast<std::size_t>(listed)]))
          position = listed;
        else if (const auto found = std::find_if(places.begin(), places.end(), same); found != places.end())
          position = static_cast<int>(found - places.begin());
        stored.listChanged = position != listed;
        if (position < 0) {
          refusal = "The place file has changed since its places were listed, and \"" + place.name +
                    "\" is no longer in it.";
          return std::nullopt;
        }
        stored.position = position;
        return position;
      });
  if (!stored.result.ok) stored.position = -1;
  return stored;
}

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
