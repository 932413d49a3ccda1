#pragma once
// Text forms of a month table for the command-line tool: JSON, CSV and an aligned
// terminal table.
#include <optional>
#include <string>
#include <vector>

#include "display/display_text.h"
#include "almanac/month_text.h"
#include "forms/frm_day.h"
#include "forms/frm_kalnika.h"
#include "xdvng/xdvng.h"

namespace kalnika::cli {

using kalnika::Script;

// Everything the tool prints about one run: the month table (32 rows of 17 cells,
// Xdvng bytes), the era labels, the place labels and the message of a refused input.
struct MonthOutput {
  MonthTable table;
  std::string kali, vikram;                    // Xdvng
  std::string lat, lon, zone;                  // plain text
  std::optional<std::string> message;          // plain text
  std::string place;                           // the chosen place's name, UTF-8
  std::string clock;                           // the computed month's clock: "UTC +05:45 (Asia/Kathmandu)"
  std::optional<MonthSheet> sheet;             // the computed month; nothing after a refusal
  Method method = Method::Precise;             // the method asked for
};


// Everything the tool prints about the day of --date: the day's page and values,
// the place labels and the message of a refused input.
struct DayOutput {
  std::optional<DaySheet> day;         // nothing after a refusal
  std::string lat, lon, zone;          // plain text
  std::string place;                   // the chosen place's name, UTF-8
  std::optional<std::string> message;  // plain text
};

// JSON: "rows", the 32 x 17 cells of the table as the model holds them (row 0 the
// stored headings), each cell shown in the form; the labels "kali", "vikram",
// "lat", "long", "zone"; "message" (null, or the refusal); "method" ("classic" or
// "precise"); and, of a computed month, "offsets" (the hours from UT of each day
// row's clock, row 1 first) and "days" (each day's values: date, sunrise and
// sunset, tithi 0..31, nakshatra, yoga, moon and sun sign, lunar month with its
// kind, the tithi, nakshatra and yoga ends and the sign entries of its day, as
// instants in UTC; a precise month's days also what the day of --date holds:
// DayToJson).
std::string ToJson(const MonthOutput& out, const DisplayForm& form);
// CSV of the computed month (display/csv.h), with its place.
std::string ToCsv(const MonthOutput& out, const DisplayForm& form);
// The table for a terminal: the place, the headings (with the notes heading) and
// the day rows aligned, the era labels.
std::string ToTable(const MonthOutput& out, const DisplayForm& form);

// JSON of the day: "date", "method" ("precise"), the labels "lat", "long", "zone",
// "place", "clock", "message" (null, or the refusal), and "day", the day's values
// as a precise month's "days" give them, with: "weekday"; "karana" and
// "karana_ends"; "moonrise" and "moonset" (UTC, or null on a date without one);
// "limbs" (tithi, nakshatra, yoga and karana, each value that holds from sunrise
// to the next sunrise with its name and end; "vara", the weekday); "sun_moon"
// (sunrise, sunset, moonrise, moonset, "daytime" and "night" lengths); "periods"
// (rahu_kalam, yamaganda, gulika, abhijit, brahma_muhurta, durmuhurta, and the
// eight day and eight night "choghadiya"); "eclipses"; "notes". Every instant is
// {"utc": ISO 8601 UTC, "shown": the clock the page shows}; a period or moment the
// day has none of is null.
std::string DayToJson(const DayOutput& out, const DisplayForm& form);
// The day's page for a terminal: the place, the date and its lunar day, the notes,
// and each section's lines aligned.
std::string DayToTable(const DayOutput& out, const DisplayForm& form);


}  // namespace kalnika::cli
