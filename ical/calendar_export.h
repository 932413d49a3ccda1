#pragma once
// The almanac as an iCalendar file (RFC 5545) for the calendar of a phone or a
// desktop: the notes of the month (festivals and other auspicious-day texts, the
// Kali new year), the Sun's entries into the signs, the new and full moons, and,
// when asked for, every day's tithi. Built and written with libical.
//
// - A note, the Kali new year and a tithi are all-day events on the date of the
//   table's row (DTSTART;VALUE=DATE, DTEND the next day).
// - A sign entry, a new moon and a full moon are timed events at their instant
//   (no DTEND: an instant), in UTC, or in the place's zone when it has an IANA
//   name (TZID with its VTIMEZONE); a zone name that cannot be used is refused.
// - An eclipse seen from the place (precise method) is a timed event from its
//   first contact to its last as almanacs give them (स्पर्श to मोक्ष: of a lunar
//   eclipse with an umbral phase, the umbra's, which is the time almanacs print
//   and observances keep; almanac/day_text.h), with its kind and body as the
//   summary and its magnitude and every moment in the description.
// - Every event's UID is made of its kind, its date and the place (and a festival's
//   key in the place file, "note-0504-..."), so that a second import of the same
//   month (also with other options or another script) updates the events instead
//   of doubling them.
// - The classic method's note is one event per day, its text as the table's. The
//   precise method's festivals are one event each on the day its rule gives, with
//   that rule as the description ("चतुर्थी मध्याह्नव्यापिनी").
// - The texts are display texts: the stored Xdvng bytes shown as Unicode
//   Devanagari, or in Latin script. Summaries carry no clock; the tithi's end is
//   written as a real date and time in the description (none when the tithi lasts
//   past the day).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "almanac/month_values.h"
#include "calendar/calendar.h"
#include "xdvng/latin.h"
#include "xdvng/xdvng.h"

namespace kalnika::ical {

enum class EventScript { Devanagari, Latin };

// How the texts of the events are written.
struct EventTexts {
  EventScript script = EventScript::Devanagari;
  xdvng::Digits digits = xdvng::Digits::Devanagari;        // with EventScript::Devanagari
  xdvng::LatinStyle latin = xdvng::LatinStyle::Readable;   // with EventScript::Latin
};

// The place the months were computed for.
struct CalendarPlace {
  std::string description;  // as the place record stores it (UTF-8, or Latin-1 from Windows):
                            // "Mumbai, Maharashtra, India"
  std::string zoneName;     // IANA zone ("Asia/Kolkata"); empty: timed events in UTC
};

struct ExportOptions {
  bool tithis = false;       // an all-day event per day with its tithi and the tithi's end
  EventTexts texts;
  std::int64_t stamp = 0;    // DTSTAMP: the time of the export, seconds since 1970-01-01 UTC
};

enum class EventKind { Note, KaliNewYear, SignEntry, NewMoon, FullMoon, Tithi, Eclipse };

struct CalendarEvent {
  EventKind kind = EventKind::Note;
  // All-day events: the date of the table's row. Timed events: the date of the
  // instant on the place's clock (the months' zone and daylight saving).
  CivilDate date;
  std::optional<std::int64_t> instant;  // timed events: seconds since 1970-01-01 UTC
  std::optional<std::int64_t> until;    // a timed event with a length: its end, likewise
  std::string summary;                  // UTF-8
  std::string description;              // UTF-8, may be empty
  std::string uid;                      // "<kind>[-<key>]-<yyyymmdd>-<place>@kalnika"
};

// The events of the months, in date order, each at most once (a new or full moon
// that two months show is one event).
std::vector<CalendarEvent> CalendarEvents(const std::vector<MonthValues>& months, const CalendarPlace& place,
                                          const ExportOptions& options);

// The last year a calendar file holds: iCalendar writes years of four digits
// (RFC 5545 3.3.4). The dates are written by this program, not by libical, which
// writes those of years after 3000 as 00000000T000000.
inline constexpr int kLastCalendarYear = 9999;

// Why the months cannot be written into a calendar for the place, in words for a
// message box, or "": a year after kLastCalendarYear, or a zone name that cannot be
// used: one ZoneNameProblem refuses (Factory, posixrules, right/...), one the zone
// folder does not hold (ZoneRules::Load: a mistyped "Asia/Kolkatta"), one libical
// has no rules for. Never UTC in its place: only a place without a zone name has
// its timed events in UTC.
std::string CalendarProblem(const std::vector<MonthValues>& months, const CalendarPlace& place);

// A calendar file's text, or why none was written (then `text` is empty).
struct CalendarFile {
  std::string text;
  std::string problem;
};

// The events as an iCalendar text: CRLF line ends, lines folded at 75 octets on
// UTF-8 character boundaries, commas, semicolons and backslashes of the texts
// escaped (all by libical); every control character of a text but the tab and the
// line feed replaced by U+FFFD (RFC 5545 3.3.11 allows no other in a TEXT value:
// an ESC in a place name or note never reaches the calendar), and the blanks and
// tabs at either end left out, as libical's parser drops them. Timed events in the
// place's zone are written at their local time by the zone's rules (clock/), in
// UTC without a zone name. Refused with the zone problems of CalendarProblem, and
// an event dated past kLastCalendarYear.
CalendarFile WriteCalendar(const std::vector<CalendarEvent>& events, const CalendarPlace& place,
                           const ExportOptions& options);

// Both steps, refused as CalendarProblem says.
CalendarFile ExportCalendar(const std::vector<MonthValues>& months, const CalendarPlace& place,
                            const ExportOptions& options);

// The place part of the UIDs: the description in lower-case ASCII letters and
// digits, every other run of characters one "-" ("mumbai-maharashtra-india").
std::string PlaceKey(const std::string& description);

}  // namespace kalnika::ical
