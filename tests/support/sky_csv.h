#pragma once
// Reading the independent sky tables of tests/data/sky (comma-separated, one
// header line, instants as "YYYY-MM-DDThh:mm:ssZ" in universal time).
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/instant_text.h"

namespace kalnika::testing_sky {

inline std::string SkyFile(const std::string& name) {
  return std::string(KALNIKA_TEST_DATA) + "/sky/" + name;
}

// The rows of a table, each as its fields (a trailing empty field kept); the
// header line is skipped.
inline std::vector<std::vector<std::string>> ReadCsv(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream fieldStream(line);
    std::string field;
    while (std::getline(fieldStream, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    rows.push_back(fields);
  }
  return rows;
}

// "2020-01-01T01:41:33Z" as a Julian Day (UT); NaN for an empty field.
inline double Instant(const std::string& text) {
  if (text.empty()) return std::nan("");
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s);
  return testing_time::JulianDayOfLocal(y, mo, d, h, mi, 0.0) + s / 86400.0;
}

}  // namespace kalnika::testing_sky
