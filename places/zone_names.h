#pragma once
// The IANA time-zone names of the places ("Asia/Kolkata"), kept in the place file
// in a section of their own, "TIME ZONES", keyed like "LOCATION": "9=America/
// New_York" names the zone of the place stored under key 9. The 56-character
// records keep their layout, so a file written on Windows stays byte for byte
// what it was apart from this section, and a program that does not know the
// section reads the file as before. No Qt.
#include <map>
#include <vector>
#include <string>
#include <string_view>

#include "places/place_file.h"
#include "places/place_record.h"

namespace kalnika {

// The zone names stored under the keys "0" to "5000" that read non-empty, key ->
// name. An entry whose key names no place is returned all the same; callers
// ignore it.
std::map<int, std::string> ReadZoneNames(const ProfileSnapshot& places);
std::map<int, std::string> ReadZoneNames(ProfileFile& file);

// The places of the file in list order (LoadPlaceList), each parsed once
// (ParsePlace) with the zone name stored under its key.
std::vector<Place> LoadPlaces(const ProfileSnapshot& places);

// The same, for a copy of the bundled place file made before the zone names
// existed: a place without a zone name takes the one `bundled` stores for the same
// record, byte for byte. The user's file is not changed.
std::vector<Place> LoadPlaces(const ProfileSnapshot& places, const ProfileSnapshot& bundled);

// Stores the zone name of the place under `key` (0..5000), or clears it when
// `zoneName` is empty. Refused, writing nothing, for another key or a name that
// ZoneNameProblem (clock/zone_rules.h) refuses; whether tzdata has the zone is not
// asked (a file may name a zone this machine's tzdata does not have yet).
WriteResult StoreZoneName(ProfileFile& file, int key, std::string_view zoneName);

// What appending a place did: the write's outcome and the key it used (-1 when
// nothing was written).
struct AppendedPlace {
  WriteResult result;
  int key = -1;
};

// Appends a place record (AppendPlaceRecord) and its zone name under the same key,
// in one locked rewrite of the file. An empty zone name stores the record alone
// and clears a zone name that a former place left under that key.
AppendedPlace AppendPlace(ProfileFile& file, std::string_view record, std::string_view zoneName);

}  // namespace kalnika
