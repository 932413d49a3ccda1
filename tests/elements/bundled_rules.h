#pragma once
// The festival notes and observance rules of the bundled place file, read as the
// program reads them (places/, the Windows profile functions), for the tests of
// the rules. Keys are every key a note can have: MMTT for lunar month 00..11 and
// tithi 00..30, S00..S11 for the sankrantis.
#include <map>
#include <string>

#include "places/place_file.h"

namespace kalnika::testing_rules {

inline const std::string kBundledFile = std::string(KALNIKA_TEST_DATA) + "/../../data/Location.ini";

// Every possible key, in the file's order of notes.
inline std::vector<std::string> AllKeys() {
  std::vector<std::string> keys;
  for (int month = 0; month < 12; ++month)
    for (int tithi = 0; tithi <= 30; ++tithi) {
      char key[5];
      std::snprintf(key, sizeof key, "%02d%02d", month, tithi);
      keys.push_back(key);
    }
  for (int sign = 0; sign < 12; ++sign) {
    char key[4];
    std::snprintf(key, sizeof key, "S%02d", sign);
    keys.push_back(key);
  }
  return keys;
}

// key -> the value stored under it in `section`, for the keys that have one.
inline std::map<std::string, std::string> BundledSection(const std::string& section) {
  ProfileFile file(kBundledFile);
  std::map<std::string, std::string> values;
  for (const std::string& key : AllKeys())
    if (std::string value = file.Read(section, key); !value.empty()) values[key] = value;
  return values;
}

}  // namespace kalnika::testing_rules
