// The CSV and iCalendar writers with the texts a place file can hold: fuzzed notes
// on the days of a month (Xdvng bytes, Unicode, control characters, quotes, a
// leading "=") and a fuzzed place name, in a fuzzed script. Every CSV output is
// RFC 4180 records of 21 fields, one a day, and no field is a spreadsheet formula;
// every calendar parses with libical without an error, has an event for each of
// its events, no control character but the line ends and tabs, and its summaries
// read back as written.
#include <fuzzer/FuzzedDataProvider.h>
#include <libical/ical.h>

#include <string>
#include <string_view>
#include <vector>

#include "display/csv.h"
#include "fuzz/fuzz_check.h"
#include "ical/calendar_export.h"
#include "text/text.h"

namespace {

using namespace kalnika;

// February 2026 at Mumbai, computed once: the texts change, not the sky.
const MonthValues& February2026() {
  static const MonthValues month = [] {
    MonthRequest request;
    request.year = 2026;
    request.month = 2;
    request.latitude = 18 + 58 / 60.0;
    request.longitude = 72 + 50 / 60.0;
    request.clock = Clock::Fixed(330);
    return ComputeMonth(request);
  }();
  return month;
}

// The records of an RFC 4180 text, each its fields; nothing when the text is not
// one (a quote inside an unquoted field, a quoted field not followed by a comma or
// CRLF, a bare CR or LF outside quotes, no CRLF at the end).
bool ParseCsv(std::string_view csv, std::vector<std::vector<std::string>>& records) {
  std::vector<std::string> record;
  std::size_t i = 0;
  while (i < csv.size()) {
    std::string field;
    if (csv[i] == '"') {
      for (++i;; ++i) {
        if (i >= csv.size()) return false;
        if (csv[i] == '"') {
          if (i + 1 < csv.size() && csv[i + 1] == '"') {
            field += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        field += csv[i];
      }
    } else {
      while (i < csv.size() && csv[i] != ',' && csv[i] != '\r') {
        if (csv[i] == '"' || csv[i] == '\n') return false;
        field += csv[i++];
      }
    }
    record.push_back(std::move(field));
    if (i < csv.size() && csv[i] == ',') {
      ++i;
      continue;
    }
    if (csv.substr(i, 2) != "\r\n") return false;
    i += 2;
    records.push_back(std::move(record));
    record.clear();
  }
  return record.empty();
}

bool PlainNumber(std::string_view text) {
  std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  const std::size_t digits = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i == digits) return false;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == fraction) return false;
  }
  return i == text.size();
}

void CheckCsv(const MonthValues& month, const std::string& place, DisplayForm form) {
  const std::string csv = MonthCsv(month, FormatMonth(month), place, form);
  std::vector<std::vector<std::string>> records;
  FUZZ_CHECK(ParseCsv(csv, records));
  FUZZ_CHECK(records.size() == month.days.size() + 1);
  for (const auto& fields : records) {
    FUZZ_CHECK(fields.size() == 21);
    for (const std::string& field : fields)
      FUZZ_CHECK(field.empty() || std::string_view("=+-@\t\r").find(field[0]) == std::string_view::npos ||
                 PlainNumber(field));
  }
}

void CheckCalendar(const MonthValues& month, const ical::CalendarPlace& place, const ical::ExportOptions& options) {
  const std::vector<ical::CalendarEvent> events = ical::CalendarEvents({month}, place, options);
  const ical::CalendarFile file = ical::WriteCalendar(events, place, options);
  FUZZ_CHECK(file.problem.empty());
  const std::string& text = file.text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r') FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n');
    FUZZ_CHECK(c >= 0x20 || c == '\t' || c == '\n' || c == '\r');
    FUZZ_CHECK(c != 0x7F);
  }
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  FUZZ_CHECK(calendar != nullptr);
  FUZZ_CHECK(icalcomponent_count_errors(calendar) == 0);
  std::size_t count = 0;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++count) {
    FUZZ_CHECK(count < events.size());
    const char* summary = icalcomponent_get_summary(e);
    FUZZ_CHECK(summary != nullptr && TrimBlanks(WithoutControls(events[count].summary, "\t\n"), " \t") == summary);
  }
  FUZZ_CHECK(count == events.size());
  icalcomponent_free(calendar);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MonthValues month = February2026();
  const auto script = static_cast<Script>(input.ConsumeIntegralInRange(0, 3));
  const auto digits = input.ConsumeBool() ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
  const bool zoned = input.ConsumeBool();
  // A place file's value is at most 79 bytes (its readers' buffers).
  const std::string place = input.ConsumeRandomLengthString(79);
  while (input.remaining_bytes() > 0) {
    const auto day = input.ConsumeIntegralInRange<std::size_t>(0, month.days.size() - 1);
    month.days[day].auspicious = input.ConsumeRandomLengthString(79);
  }

  CheckCsv(month, place, DisplayForm(script, digits));

  ical::CalendarPlace where{place, zoned ? "Asia/Kolkata" : ""};
  ical::ExportOptions options;
  options.tithis = zoned;
  options.texts.digits = digits;
  if (script == Script::Latin || script == Script::Iso15919) {
    options.texts.script = ical::EventScript::Latin;
    options.texts.latin = script == Script::Latin ? xdvng::LatinStyle::Readable : xdvng::LatinStyle::Iso15919;
  }
  CheckCalendar(month, where, options);
  return 0;
}
