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

// What storing the default place did: the write's outcome and the position stored
// (-1 when nothing was written).
struct StoredDefault {
  WriteResult result;
  int position = -1;
  bool listChanged = false;  // the file no longer has the place at the list's position
};

// Stores as the default the position that `place` has in the place file as it is
// now, read again under the writers' lock (StoreDefaultPosition stored the list's
// position as it was loaded: after an editor or another copy of the program had
// changed the file, that position named another place). The place is found by its
// name and coordinates, at `listed` (its position in the loaded list) when several
// places are the same there, else the first. When the file no longer lists it,
// nothing is written and the error says so.
StoredDefault StoreDefaultPlace(ProfileFile& file, const Place& place, int listed);

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
