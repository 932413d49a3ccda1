#pragma once
// The sky tables of tests/data/sky (tools/skycheck/): their rows as fields, and
// their zone texts.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

// "+05:30" in hours east of universal time.
inline double ZoneHours(const std::string& text) {
  const double hours = std::stoi(text.substr(1, 2)) + std::stoi(text.substr(4, 2)) / 60.0;
  return text[0] == '-' ? -hours : hours;
}

}  // namespace kalnika::testing_sky
