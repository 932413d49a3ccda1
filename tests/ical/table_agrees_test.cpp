// The table and the calendar export name the same minute for every time of the
// month: the tithi's end, sunrise and sunset (the day's event), the new and full
// moons and the Sun's entries into the signs (timed events, as a calendar on the
// place's clock shows them). Five places (those of the sky tables), every month of
// 2020-2030, both methods, each place on its zone's clock (the zone files of
// tzdata 2025b the tests carry). The expected minute is the table's cell text;
// the export's is read from what it writes (the description's "HH:MM", the event's
// instant on the zone's clock), never from the values both were made of.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "almanac/month_text.h"
#include "clock/clock.h"
#include "ical/calendar_export.h"

namespace kalnika::ical {
namespace {

struct TestPlace {
  const char* name;
  double latitude, longitude;
  const char* zone;
};

// The sky tables' places (tools/skycheck/README.md).
constexpr TestPlace kPlaces[] = {
    {"Mumbai", 18 + 58 / 60.0, 72 + 50 / 60.0, "Asia/Kolkata"},
    {"Pune", 18 + 31 / 60.0, 73 + 51 / 60.0, "Asia/Kolkata"},
    {"London", 51 + 30 / 60.0, -(8 / 60.0), "Europe/London"},
    {"New York", 40 + 43 / 60.0, -74.0, "America/New_York"},
    {"San Jose", 37 + 20 / 60.0, -(121 + 53 / 60.0), "America/Los_Angeles"},
};

// The whole span in the optimised build; a year of it under the sanitizers, whose
// build is ten times slower.
#ifdef KALNIKA_SANITIZE
constexpr int kFirstYear = 2026, kLastYear = 2026;
#else
constexpr int kFirstYear = 2020, kLastYear = 2030;
#endif

// "hhHmm" (the cell's clock, hours from the row's midnight; 24 and more the next
// morning) as minutes, or nothing for a cell without a clock.
std::optional<int> CellMinutes(const std::string& cell) {
  const std::size_t h = cell.find('H');
  if (h == std::string::npos || h == 0 || h + 1 >= cell.size()) return std::nullopt;
  std::size_t digits = h;
  while (digits > 0 && cell[digits - 1] >= '0' && cell[digits - 1] <= '9') --digits;
  if (digits == h) return std::nullopt;
  return std::stoi(cell.substr(digits, h - digits)) * 60 + std::stoi(cell.substr(h + 1, 2));
}

// The export's line that begins with `word`: its "HH:MM" as minutes from the row's
// midnight (a date of the next day adds a day), or nothing.
std::optional<int> LineMinutes(const std::string& description, const std::string& word, const CivilDate& row) {
  const std::size_t at = description.find(word);
  if (at == std::string::npos) return std::nullopt;
  const std::string line = description.substr(at, description.find('\n', at) - at);
  const std::size_t colon = line.rfind(':');
  if (colon == std::string::npos || colon < 2) return std::nullopt;
  int minutes = std::stoi(line.substr(colon - 2, 2)) * 60 + std::stoi(line.substr(colon + 1, 2));
  // "Samapti 2 December 03:40": a day of the month other than the row's
  const std::size_t space = line.find(' ');
  if (word == "Samapti" && std::stoi(line.substr(space + 1)) != row.day) minutes += 24 * 60;
  return minutes;
}

// Minutes of a day, 0..1439, of minutes counted from any midnight.
int TimeOfDay(int minutes) { return ((minutes % 1440) + 1440) % 1440; }

// An event's instant on the zone's clock, as minutes from the row's midnight.
int EventMinutes(std::int64_t instant, const Clock& clock, const CivilDate& row) {
  const ClockTime since = ClockSince(clock.LocalAt(2440587.5 + static_cast<double>(instant) / 86400.0), row);
  return since.hours * 60 + since.minutes;
}

TEST(TableAndCalendarExport, NameTheSameMinuteForEveryTime) {
  ExportOptions options;
  options.tithis = true;
  options.texts.script = EventScript::Latin;
  options.texts.digits = xdvng::Digits::Latin;
  int compared = 0;
  for (const TestPlace& p : kPlaces) {
    const ZoneLoad zone = ZoneRules::Load(p.zone, std::string(KALNIKA_TEST_DATA) + "/zoneinfo");
    ASSERT_TRUE(zone.rules) << zone.error;
    const Clock clock = Clock::OfZone(zone.rules);
    for (const Method method : {Method::Classic, Method::Precise})
      for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month) {
          MonthRequest request;
          request.year = year;
          request.month = month;
          request.latitude = p.latitude;
          request.longitude = p.longitude;
          request.clock = clock;
          request.method = method;
          const MonthValues values = ComputeMonth(request);
          const MonthTable table = FormatMonth(values);
          const std::vector<CalendarEvent> events = CalendarEvents({values}, {p.name, p.zone}, options);
          for (const DayValues& day : values.days) {
            const TableRow& row = table.cells[static_cast<std::size_t>(day.date.day)];
            const std::string where = std::string(p.name) + " " + std::to_string(year) + "-" +
                                      std::to_string(month) + "-" + std::to_string(day.date.day) +
                                      (method == Method::Precise ? " precise" : " classic");
            for (const CalendarEvent& e : events) {
              if (e.kind == EventKind::Tithi && e.date == day.date) {
                // the ending column shows the tithi's end but on a classic phase row
                if (!(day.phase && method == Method::Classic)) {
                  const std::optional<int> end = LineMinutes(e.description, "Samapti", day.date);
                  if (end) {
                    EXPECT_EQ(end, CellMinutes(row[Column::TithiEnd])) << where << ": " << row[Column::TithiEnd];
                    ++compared;
                  }
                }
                EXPECT_EQ(LineMinutes(e.description, "Suryoday", day.date), CellMinutes(row[Column::Sunrise]))
                    << where;
                EXPECT_EQ(LineMinutes(e.description, "Suryasta", day.date), CellMinutes(row[Column::Sunset]))
                    << where;
                compared += 2;
              }
            }
            // the timed events of this row's phase and sign entry
            if (day.phase) {
              const EventKind kind = *day.phase == MoonPhase::New ? EventKind::NewMoon : EventKind::FullMoon;
              bool found = false;
              for (const CalendarEvent& e : events)
                if (e.kind == kind && e.instant && std::llabs(*e.instant - UnixSeconds(day.phaseInstant.jd)) < 120) {
                  found = true;
                  // the cell's hours run on past 24 into the next morning
                  const int shown = TimeOfDay(*CellMinutes(row[Column::TithiEnd]));
                  if (method == Method::Classic || day.phaseInstant.jd == day.tithiEnd.jd) {
                    EXPECT_EQ(TimeOfDay(EventMinutes(*e.instant, clock, day.date)), shown) << where << " phase";
                    ++compared;
                  }
                }
              EXPECT_TRUE(found) << where << " phase";
            }
            if (day.signEntry) {
              bool found = false;
              for (const CalendarEvent& e : events)
                if (e.kind == EventKind::SignEntry && e.instant &&
                    std::llabs(*e.instant - UnixSeconds(day.signEntry->when.jd)) < 120) {
                  found = true;
                  const std::optional<int> note = CellMinutes(row[Column::Notes]);
                  ASSERT_TRUE(note.has_value()) << where;
                  EXPECT_EQ(TimeOfDay(EventMinutes(*e.instant, clock, day.date)), TimeOfDay(*note))
                      << where << " sign entry: " << row[Column::Notes];
                  ++compared;
                }
              EXPECT_TRUE(found) << where << " sign entry";
            }
          }
        }
  }
  // every day of every month has at least its sunrise and sunset compared
  EXPECT_GT(compared, (kLastYear - kFirstYear + 1) * 365 * 5 * 2 * 2);
}

}  // namespace
}  // namespace kalnika::ical
