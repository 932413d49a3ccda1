#include "display/csv.h"

#include "text/text.h"

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

DisplayForm CsvForm(Script script, std::optional<xdvng::Digits> asked) {
  return DisplayForm(script, asked.value_or(xdvng::Digits::Latin));
}

std::string MonthCsv(const MonthValues& values, const MonthTable& table, std::string_view place,
                     DisplayForm form) {
  std::vector<std::string> headings = DisplayRow(table, 0, form);
  headings[IndexOf(Column::GregorianMonth)] = DisplayText(kGregorianMonthTitle, form);
  headings[IndexOf(Column::LunarMonth)] = DisplayText(kLunarMonthTitle, form);
  for (const char* word : {kPlaceWord, kKaliWord, kVikramWord, kMethodWord}) headings.push_back(DisplayText(word, form));
  std::string csv = CsvRecord(headings);

  const std::string placeText = PlainText(place);
  const std::string kali = KaliYears(values, form);
  const std::string vikram = VikramYears(values, form);
  const std::string method = DisplayText(MethodName(values.method), form);
  for (int r = 1; r <= table.dayCount; ++r) {
    std::vector<std::string> fields = DisplayRow(values, table, r, form);
    fields.insert(fields.end(), {placeText, kali, vikram, method});
    csv += CsvRecord(fields);
  }
  return csv;
}

}  // namespace kalnika
