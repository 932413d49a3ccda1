#pragma once
// The independent sky tables of tests/data/sky (tools/skycheck/: comma-separated,
// one header line, instants as "YYYY-MM-DDThh:mm:ssZ" in universal time): their
// rows as fields, their instants and their zone texts.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/instant_text.h"

namespace kalnika::testing_sky {

// The rows of tests/data/sky/<name> after its header line, each split at commas;
// an empty last field is kept.
inline std::vector<std::vector<std::string>> ReadSkyCsv(const std::string& name) {
  std::ifstream in(std::string(KALNIKA_TEST_DATA) + "/sky/" + name);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // header
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

// "2020-01-01T01:41:33Z" as a Julian Day (UT); nothing for an empty field.
inline std::optional<double> OptionalInstant(const std::string& text) {
  if (text.empty()) return std::nullopt;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s);
  return testing_time::JulianDayOfLocal(y, mo, d, h, mi, 0.0) + s / 86400.0;
}

// The same, NaN for an empty field.
inline double Instant(const std::string& text) { return OptionalInstant(text).value_or(std::nan("")); }

// "+05:30" in hours east of universal time.
inline double ZoneHours(const std::string& text) {
  const double hours = std::stoi(text.substr(1, 2)) + std::stoi(text.substr(4, 2)) / 60.0;
  return text[0] == '-' ? -hours : hours;
}

}  // namespace kalnika::testing_sky
