#include "almanac/csv.h"

namespace kalnika {

namespace {
std::string CsvField(const std::string& text) {
  const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return text;
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  return out + "\"";
}
}  // namespace

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(fields[i]);
  }
  return line + "\r\n";
}

}  // namespace kalnika

namespace kalnika {

std::string MonthCsv(const MonthTable& table, const std::function<std::string(const std::string&)>& display) {
  std::string csv;
  for (int r = 0; r <= table.dayCount; ++r) {
    std::vector<std::string> fields;
    for (const std::string& cell : table.cells[static_cast<std::size_t>(r)]) fields.push_back(display(cell));
    csv += CsvRecord(fields);
  }
  return csv;
}

}  // namespace kalnika
