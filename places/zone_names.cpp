#include "places/zone_names.h"

#include <string>

namespace kalnika {

namespace {

// Keys of places, as in "LOCATION".
constexpr int kLastPlaceKey = 5000;
// What the readers' 80-byte buffer holds before its NUL.
constexpr std::size_t kLongestZoneName = kProfileBufferSize - 1;

// The refusal of a zone name that cannot be stored.
WriteResult NotStorable(std::string_view zoneName) {
  return {false, "\"" + std::string(zoneName) +
                     "\" is not a time-zone name: those are written like \"Asia/Kolkata\"."};
}

}  // namespace

bool IsStorableZoneName(std::string_view zoneName) {
  if (zoneName.empty() || zoneName.size() > kLongestZoneName || zoneName.front() == '/' ||
      zoneName.find("..") != std::string_view::npos) {
    return false;
  }
  for (char c : zoneName) {
    const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!letterOrDigit && c != '/' && c != '_' && c != '-' && c != '+') return false;
  }
  return true;
}

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
  if (!zoneName.empty() && !IsStorableZoneName(zoneName)) return NotStorable(zoneName);
  const std::string name = std::to_string(key);
  // clearing what is not there: no empty entry, nor a section for it
  if (zoneName.empty() && file.Read(kTimeZonesSection, name).empty()) return {true, {}};
  return file.WriteString(kTimeZonesSection, name, zoneName);
}

AppendedPlace AppendPlace(ProfileFile& file, std::string_view record, std::string_view zoneName) {
  AppendedPlace appended;
  if (!zoneName.empty() && !IsStorableZoneName(zoneName)) {
    appended.result = NotStorable(zoneName);
    return appended;
  }
  appended.result = file.AppendPlaceRecord(record, kTimeZonesSection, zoneName, appended.key);
  return appended;
}

}  // namespace kalnika
