// The calendar export: which events a month gives, on which dates, and the
// iCalendar text libical writes for them, read back by libical's own parser.
//
// The month: December 2026 at Mumbai with the notes of the sample place file
// tests/data/golden/Location.ini; its table is tests/data/golden/mumbai-2026-12.json
// (computed independently): notes on the 20th (मोक्षदा एकादशी) and the 24th
// (दत्त जयंती), the Sun's entry into Dhanu noted on the 15th at 22H45, the new
// moon 30H23 on the rows of the 8th and 9th, the full moon 30H59 on the 24th.
#include "ical/calendar_export.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/frm_kalnika.h"
#include "forms/message_box.h"
#include "support/mumbai_request.h"

namespace kalnika::ical {
namespace {

constexpr std::int64_t kStamp = 1796083200;  // 2026-12-01 00:00:00 UTC

// Seconds since 1970 of a UTC date and time.
std::int64_t Utc(int y, int m, int d, int hh, int mm) {
  std::tm t{};
  t.tm_year = y - 1900;
  t.tm_mon = m - 1;
  t.tm_mday = d;
  t.tm_hour = hh;
  t.tm_min = mm;
  return static_cast<std::int64_t>(timegm(&t));
}

struct Sheet {
  MonthSheet sheet;
  CalendarPlace place;
};

// A month of the sample place file, by default at Mumbai (+05:30); `zones` is added
// to a copy of the file.
Sheet Compute(int month, int year, int place = 2, const std::string& zones = "") {
  std::filesystem::path file = KALNIKA_TEST_DATA "/golden/Location.ini";
  if (!zones.empty()) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    file = std::filesystem::temp_directory_path() / "kalnika-ical-zones.ini";
    std::ofstream(file, std::ios::binary) << bytes << zones;
  }
  RecordingMessageBox box;
  frmKalnika form(box, file);
  form.LoadControls();
  form.method = Method::Classic;  // the sample tables are the classic method's
  form.lstLocation.ListIndex = place;
  form.lstMonth.Select(month - 1);
  form.txtYear.Text = std::to_string(year);
  form.cmdCalculate_Click();
  if (!zones.empty()) std::filesystem::remove(file);
  EXPECT_TRUE(form.Shown().has_value());
  Sheet s{*form.Shown(), {}};
  s.place.description = s.sheet.place.name;
  return s;
}

const Sheet& December2026() {
  static const Sheet sheet = Compute(12, 2026);
  return sheet;
}

std::vector<CalendarEvent> Events(const Sheet& s, const ExportOptions& options) {
  return CalendarEvents({s.sheet.values}, s.place, options);
}

const CalendarEvent* Find(const std::vector<CalendarEvent>& events, EventKind kind, CivilDate date) {
  for (const CalendarEvent& e : events)
    if (e.kind == kind && e.date == date) return &e;
  return nullptr;
}

// Parses with libical: no error property inserted by the parser, and the
// component rules of RFC 5545 hold (icalrestriction_check).
struct Parsed {
  icalcomponent* calendar = nullptr;
  ~Parsed() {
    if (calendar) icalcomponent_free(calendar);
  }
};

void ExpectValid(const std::string& text, Parsed& parsed) {
  parsed.calendar = icalparser_parse_string(text.c_str());
  ASSERT_NE(parsed.calendar, nullptr);
  EXPECT_EQ(icalcomponent_isa(parsed.calendar), ICAL_VCALENDAR_COMPONENT);
  EXPECT_EQ(icalcomponent_count_errors(parsed.calendar), 0);
  EXPECT_EQ(icalrestriction_check(parsed.calendar), 1);
}

std::map<std::string, std::string> SummariesByUid(icalcomponent* calendar) {
  std::map<std::string, std::string> summaries;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
    summaries[icalcomponent_get_uid(e)] = icalcomponent_get_summary(e);
  return summaries;
}

std::vector<std::string> PhysicalLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "last line without CRLF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The events of the month: the notes as all-day events on the row's date, the sign
// entry and the moon's phases as timed events at their instants. The table writes
// local clocks (+05:30) on the almanac's reckoning: 22H45 noted on the row of the
// 15th is the entry during the 24 hours before 0 h UT of the 15th, so 22:45 on the
// 14th; 30H23 and 30H59 are 6:23 and 6:59 in the morning. Published phases agree:
// new moon 9 December 2026 00:52 UT, full moon 24 December 01:28 UT. The calendar
// gets the minute the table shows. The new moon stands on two rows (8th and 9th) of
// the table; the calendar has it once.
TEST(CalendarEventsTest, NotesAllDayAndInstantsTimed) {
  struct Case {
    const char* name;
    EventKind kind;
    CivilDate date;
    std::optional<std::int64_t> utc;  // none: all-day
    std::string summary;
  } cases[] = {
      {"MokshadaEkadashiRow20", EventKind::Note, {2026, 12, 20}, std::nullopt, "मोक्षदा एकादशी"},
      {"DattaJayantiRow24", EventKind::Note, {2026, 12, 24}, std::nullopt, "दत्त जयंती"},
      {"DhanuSankranti", EventKind::SignEntry, {2026, 12, 14}, Utc(2026, 12, 14, 17, 15), "धनु संक्रांति"},
      {"NewMoon", EventKind::NewMoon, {2026, 12, 9}, Utc(2026, 12, 9, 0, 53), "अमावस्या"},
      {"FullMoon", EventKind::FullMoon, {2026, 12, 24}, Utc(2026, 12, 24, 1, 29), "पौर्णिमा"}};
  const auto events = Events(December2026(), {});
  for (const Case& c : cases) {
    const CalendarEvent* e = Find(events, c.kind, c.date);
    ASSERT_NE(e, nullptr) << c.name;
    EXPECT_EQ(e->summary, c.summary) << c.name;
    EXPECT_EQ(e->instant, c.utc) << c.name;
  }
  EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const auto& e) { return e.kind == EventKind::NewMoon; }),
            1);
}

// Tithis only when asked, one per row, with their end, sunrise and sunset: row 1
// कार्तिक, कृष्ण, अष्टमी ending 23H16, sunrise 6H55, sunset 17H59; row 5 ends 24H54,
// so at 00:54 on the 6th; rows 8 and 9 are both अमावस्या: the tithi of the 8th is
// still current at 0 h UT of the 9th, so it has no end within the 8th and the event
// gives none; the 9th's ends at 06:24 (the new moon 30H23 on that row)
// (mumbai-2026-12.json).
TEST(CalendarEventsTest, TithisOnlyWhenAskedWithTheirEnd) {
  EXPECT_EQ(Find(Events(December2026(), {}), EventKind::Tithi, {2026, 12, 1}), nullptr);
  ExportOptions options;
  options.tithis = true;
  const auto events = Events(December2026(), options);
  EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const auto& e) { return e.kind == EventKind::Tithi; }),
            31);
  struct Case { int day; const char* summary; const char* description; } cases[] = {
      {1, "कार्तिक कृष्ण अष्टमी", "समाप्ती १ डिसेंबर २३:१६\nसूर्योदय ०६:५५\nसूर्यास्त १७:५९"},
      {5, "कार्तिक कृष्ण द्वादशी", "समाप्ती ६ डिसेंबर ००:५४\nसूर्योदय ०६:५७\nसूर्यास्त १८:००"},
      {8, "कार्तिक अमावस्या", "सूर्योदय ०६:५९\nसूर्यास्त १८:०१"},
      {9, "कार्तिक अमावस्या", "समाप्ती ९ डिसेंबर ०६:२४\nसूर्योदय ०७:००\nसूर्यास्त १८:०१"}};
  for (auto c : cases) {
    const CalendarEvent* e = Find(events, EventKind::Tithi, {2026, 12, c.day});
    ASSERT_NE(e, nullptr) << c.day;
    EXPECT_EQ(e->summary, c.summary) << c.day;
    EXPECT_EQ(e->description, c.description) << c.day;
  }
}

TEST(CalendarEventsTest, LatinScript) {
  ExportOptions options;
  options.tithis = true;
  options.texts.script = EventScript::Latin;
  const auto events = Events(December2026(), options);
  const CalendarEvent* note = Find(events, EventKind::Note, {2026, 12, 20});
  const CalendarEvent* sign = Find(events, EventKind::SignEntry, {2026, 12, 14});
  const CalendarEvent* tithi = Find(events, EventKind::Tithi, {2026, 12, 1});
  ASSERT_TRUE(note && sign && tithi);
  EXPECT_EQ(note->summary, "Mokshada Ekadashi");
  EXPECT_EQ(sign->summary, "Dhanu Sankranti");
  EXPECT_EQ(tithi->summary, "Kartik Krushna Ashtami");
  EXPECT_EQ(tithi->description, "Samapti 1 December 23:16\nSuryoday 06:55\nSuryasta 17:59");
}

// The Kali new year of 23 January 2024: 5125 (row 23 of mumbai-2024-01.json).
TEST(CalendarEventsTest, KaliNewYearWithWesternDigits) {
  ExportOptions options;
  options.texts.digits = xdvng::Digits::Latin;
  const auto events = Events(Compute(1, 2024), options);
  const CalendarEvent* kali = Find(events, EventKind::KaliNewYear, {2024, 1, 23});
  ASSERT_NE(kali, nullptr);
  EXPECT_EQ(kali->summary, "कलियुगाब्द : 5125 नूतन वर्षारम्भ");
}

// Every UID is made of the event's kind, date and place, unique in the month, and
// the same on a second export (another time, another script, the tithis too), so
// that an import updates the events it imported before.
TEST(CalendarEventsTest, UidsFromKindDateAndPlaceStayTheSame) {
  const auto events = Events(December2026(), {});
  const CalendarEvent* note = Find(events, EventKind::Note, {2026, 12, 20});
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->uid, "note-20261220-mumbai-maharashtra-india@kalnika");
  std::set<std::string> uids;
  for (const auto& e : events) EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
  EXPECT_EQ(uids.size(), 5u);  // 2 notes, the sign entry, the new and the full moon
  ExportOptions second;
  second.stamp = kStamp + 86400;
  second.texts.script = EventScript::Latin;
  second.tithis = true;
  std::set<std::string> again;
  for (const auto& e : Events(December2026(), second))
    if (e.kind != EventKind::Tithi) again.insert(e.uid);
  EXPECT_EQ(again, uids);
}

// The precise method's festivals: one event each on the day its rule gives, the
// rule as the description, the note's key in the UID (two festivals on the 14th).
// September 2026 at Mumbai: the chaturthi runs from 07:07 on the 14th to 07:45 on
// the 15th (tests/data/sky/events.csv: 01:37:21 and 02:14:37 UT), so it holds at
// the 14th's midday only (the sunrise rule would give the 15th); the krishna
// chaturthi begins at 17:11 on the 29th, before that evening's moonrise at 20:16
// (moon-mumbai.csv: 14:46:17 UT; the sunrise rule would give the 30th).
TEST(CalendarEventsTest, PreciseFestivalsOneEventEachWithTheirRule) {
  MonthRequest request = testing_place::MumbaiMonth(2026, 9, Method::Precise);
  request.auspicious.Set(5, 3, "hrt:ael:ka");                         // हरतालिका
  request.auspicious.Set(5, 4, "g:N:\xF0S: c:t:\xD8T:i\xFC");          // गणेश चतुर्थी
  request.auspicious.Set(5, 19, "s:\xF6k\xC4i c:t:\xD8T:i\xFC");       // संकष्टी चतुर्थी
  request.observance = {{"0504", "madhyahna"}, {"0519", "chandrodaya,first,neither=second"}};
  const std::vector<CalendarEvent> events =
      CalendarEvents({ComputeMonth(request)}, {"Mumbai, Maharashtra, India", ""}, {});
  struct Case { const char* uid; const char* summary; const char* description; } cases[] = {
      {"note-0503-20260914-mumbai-maharashtra-india@kalnika", "हरतालिका", "तृतीया उदयव्यापिनी"},
      {"note-0504-20260914-mumbai-maharashtra-india@kalnika", "गणेश चतुर्थी", "चतुर्थी मध्याह्नव्यापिनी"},
      {"note-0519-20260929-mumbai-maharashtra-india@kalnika", "संकष्टी चतुर्थी चंद्रोदय २०:१६",
       "चतुर्थी चंद्रोदयव्यापिनी"}};
  for (const Case& c : cases) {
    const auto found = std::find_if(events.begin(), events.end(), [&c](const auto& e) { return e.uid == c.uid; });
    ASSERT_NE(found, events.end()) << c.uid;
    EXPECT_EQ(found->summary, c.summary) << c.uid;
    EXPECT_EQ(found->description, c.description) << c.uid;
  }
  EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const auto& e) { return e.kind == EventKind::Note; }), 3);
}

TEST(PlaceKey, AsciiKeyOfTheDescription) {
  struct Key { const char* name; std::string description, key; } keys[] = {
      {"RecordDescription", "Mumbai, Maharashtra, India     ", "mumbai-maharashtra-india"},
      {"Latin1FromWindows", "Z\xFCrich, ZH, Switzerland", "zurich-zh-switzerland"},
      {"Utf8", "Z\xC3\xBCrich, ZH, Switzerland", "zurich-zh-switzerland"},
      {"Devanagari", "पुणे", "pune"},
      {"NothingUsable", "  ,, ", "place"}};
  for (const Key& k : keys) EXPECT_EQ(PlaceKey(k.description), k.key) << k.name;
}

TEST(CalendarExportTest, AllDayAndTimedProperties) {
  ExportOptions options;
  options.stamp = kStamp;
  const std::string text = ExportCalendar({December2026().sheet.values}, December2026().place, options).text;
  Parsed parsed;
  ExpectValid(text, parsed);
  EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\nPRODID:-//Kalnika//Kalnika 1.0//MR\r\nVERSION:2.0\r\n", 0), 0u);
  EXPECT_NE(text.find("DTSTART;VALUE=DATE:20261220\r\nDTEND;VALUE=DATE:20261221\r\n"), std::string::npos);
  EXPECT_NE(text.find("DTSTAMP:20261201T000000Z\r\n"), std::string::npos);
  EXPECT_NE(text.find("DTSTART:20261209T005300Z\r\n"), std::string::npos);  // new moon 30H23 at +05:30, in UTC
  EXPECT_NE(text.find("LOCATION:Mumbai\\, Maharashtra\\, India\r\n"), std::string::npos);
}

// With an IANA zone the timed events are on its clock, with its VTIMEZONE; UTC
// has none.
TEST(CalendarExportTest, ZoneNameGivesTzid) {
  CalendarPlace place = December2026().place;
  place.zoneName = "Asia/Kolkata";
  const std::string text = ExportCalendar({December2026().sheet.values}, place, {}).text;
  Parsed parsed;
  ExpectValid(text, parsed);
  EXPECT_NE(text.find("BEGIN:VTIMEZONE\r\nTZID:Asia/Kolkata\r\n"), std::string::npos);
  EXPECT_NE(text.find("DTSTART;TZID=Asia/Kolkata:20261209T062300\r\n"), std::string::npos);
  place.zoneName = "UTC";
  EXPECT_NE(ExportCalendar({December2026().sheet.values}, place, {}).text.find("DTSTART:20261209T005300Z\r\n"),
            std::string::npos);
}

// A zone name that cannot be used is refused with the reason, never written as a
// TZID nor replaced by UTC (a mistyped Asia/Kolkatta gave UTC events; posixrules,
// Factory and right/... were written as TZIDs).
TEST(CalendarExportTest, AZoneThatCannotBeUsedIsRefused) {
  struct Row {
    const char* name;
    const char* zone;
    const char* says;
  } rows[] = {{"mistyped", "Asia/Kolkatta", "is not in the time-zone database"},
              {"posixrules", "posixrules", "not a place's clock"},
              {"Factory", "Factory", "not a place's clock"},
              {"leap seconds", "right/Asia/Kolkata", "not a place's clock"},
              {"a path", "../zoneinfo/Asia/Kolkata", "not a time-zone name"}};
  for (const Row& r : rows) {
    CalendarPlace place = December2026().place;
    place.zoneName = r.zone;
    const CalendarFile file = ExportCalendar({December2026().sheet.values}, place, {});
    EXPECT_EQ(file.text, "") << r.name;
    EXPECT_NE(file.problem.find(r.says), std::string::npos) << r.name << ": " << file.problem;
    EXPECT_EQ(CalendarProblem({December2026().sheet.values}, place), file.problem) << r.name;
  }
}

// Dates of the years libical writes as 00000000T000000 (after 3000) are written
// by the program, up to 9999, the last year of four digits (RFC 5545 3.3.4); a
// later year is refused. January 3001 at Mumbai: the Sun enters Makara on the
// 14th, the Kali new year of the classic table on the 23rd.
TEST(CalendarExportTest, YearsAfter3000) {
  const Sheet january = Compute(1, 3001);
  CalendarPlace place = january.place;
  place.zoneName = "Asia/Kolkata";
  const CalendarFile file = ExportCalendar({january.sheet.values}, place, {});
  ASSERT_EQ(file.problem, "");
  Parsed parsed;
  ExpectValid(file.text, parsed);
  EXPECT_EQ(file.text.find("00000000"), std::string::npos);
  EXPECT_NE(file.text.find("DTSTART;VALUE=DATE:30010123\r\nDTEND;VALUE=DATE:30010124\r\n"), std::string::npos);
  EXPECT_NE(file.text.find("DTSTART;TZID=Asia/Kolkata:300101"), std::string::npos);
  // Each event's start as libical reads it back is the event's own date.
  for (icalcomponent* e = icalcomponent_get_first_component(parsed.calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(parsed.calendar, ICAL_VEVENT_COMPONENT))
    EXPECT_EQ(icalcomponent_get_dtstart(e).year, 3001) << icalcomponent_get_uid(e);

  MonthValues later = january.sheet.values;
  later.year = 10000;
  EXPECT_NE(CalendarProblem({later}, place).find("four digits"), std::string::npos);
  EXPECT_EQ(ExportCalendar({later}, place, {}).text, "");
}

// RFC 5545 3.3.11 allows no control character but HTAB in a TEXT value, and a
// place file may hold any (ESC, VT, FF, BEL): they are replaced in the summary,
// the description, the location and the calendar's name. No property can be
// smuggled in: a line break of a text is escaped, never a new line of the file.
TEST(CalendarExportTest, TextValuesHoldNoControlCharacters) {
  CalendarEvent event;
  event.date = {2026, 12, 20};
  event.summary = "Note\x1B[2J\x0B\x0C\x07 \xE2\x80\x8B\tend";
  event.description = "line\nATTENDEE:mailto:x@example.com\r\nBEGIN:VALARM";
  event.uid = "note-20261220-x@kalnika";
  const CalendarPlace place{"Pune\x1B]0;owned\x07, MH, India", ""};
  const CalendarFile file = WriteCalendar({event}, place, {});
  ASSERT_EQ(file.problem, "");
  for (std::size_t i = 0; i < file.text.size(); ++i) {
    const auto c = static_cast<unsigned char>(file.text[i]);
    const bool lineEnd = c == '\r' && i + 1 < file.text.size() && file.text[i + 1] == '\n';
    if (lineEnd) ++i;
    else EXPECT_TRUE(c >= 0x20 || c == '\t') << "control character " << int(c) << " at " << i;
  }
  Parsed parsed;
  ExpectValid(file.text, parsed);
  icalcomponent* e = icalcomponent_get_first_component(parsed.calendar, ICAL_VEVENT_COMPONENT);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(std::string(icalcomponent_get_summary(e)), "Note\uFFFD[2J\uFFFD\uFFFD\uFFFD \u200B\tend");
  EXPECT_EQ(std::string(icalcomponent_get_description(e)),
            "line\nATTENDEE:mailto:x@example.com\uFFFD\nBEGIN:VALARM");
  EXPECT_EQ(std::string(icalcomponent_get_location(e)), "Pune\uFFFD]0;owned\uFFFD, MH, India");
  EXPECT_EQ(icalcomponent_count_properties(e, ICAL_ATTENDEE_PROPERTY), 0);
  EXPECT_EQ(icalcomponent_count_components(e, ICAL_VALARM_COMPONENT), 0);
  EXPECT_NE(file.text.find("X-WR-CALNAME:Kalnika Pune\xEF\xBF\xBD]0;owned\xEF\xBF\xBD\r\n"), std::string::npos);
}

// A note of the font's blank glyphs (0xA0, as a place file may hold) shows as
// nothing: no event with an empty summary, which libical's parser refuses (found
// by fuzz/export_fuzz).
TEST(CalendarEventsTest, ANoteThatShowsNothingIsNoEvent) {
  MonthRequest request = testing_place::MumbaiMonth(2026, 2, Method::Classic);
  for (int maas = 0; maas < 12; ++maas)
    for (int tithi = 0; tithi < 32; ++tithi) request.auspicious.Set(maas, tithi, "\xA0 \xA0");
  const std::vector<CalendarEvent> events = CalendarEvents({ComputeMonth(request)}, {"Pune", ""}, {});
  EXPECT_FALSE(events.empty());  // the sign entry, new and full moon
  for (const CalendarEvent& e : events) EXPECT_NE(e.kind, EventKind::Note) << e.uid;
}

// libical 3.0 folds a line that a last piece fills to its 75 octets into the line
// end: a summary of 147 letters ended "CR, CR LF space, LF" (a bare CR, found by
// fuzz/export_fuzz), one of 148 had an empty continuation line (libical pull
// request 1338). Every line ends in CRLF, none is a lone blank, and the summary
// reads back whole.
TEST(CalendarExportTest, LinesFoldedAtTheirLastOctet) {
  for (std::size_t letters : {146u, 147u, 148u, 149u}) {
    CalendarEvent event;
    event.date = {2026, 12, 20};
    event.summary = std::string(letters, 'x');
    event.uid = "note-20261220-x@kalnika";
    const std::string text = WriteCalendar({event}, {"Pune", ""}, {}).text;
    for (const std::string& line : PhysicalLines(text)) {
      EXPECT_EQ(line.find('\r'), std::string::npos) << letters;
      EXPECT_NE(line, " ") << letters;
    }
    EXPECT_EQ(text.find("\r\n \n"), std::string::npos) << letters;
    Parsed parsed;
    ExpectValid(text, parsed);
    icalcomponent* e = icalcomponent_get_first_component(parsed.calendar, ICAL_VEVENT_COMPONENT);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(std::string(icalcomponent_get_summary(e)), event.summary) << letters;
  }
}

// A note written by the user in Unicode with a comma, a semicolon and a backslash,
// long enough to be folded several times: RFC 5545 3.3.11 escapes "\,", "\;",
// "\\"; 3.1 folds lines at 75 octets, here never inside a UTF-8 character.
TEST(CalendarExportTest, EscapingAndFoldingOfALongDevanagariNote) {
  const std::string note = "गणेश चतुर्थी, व्रत; उपवास\\ आणि मोदकांचा नैवेद्य, आरती आणि प्रसाद";
  MonthRequest request = testing_place::MumbaiMonth(2026, 12, Method::Classic);
  for (int tithi = 0; tithi < 32; ++tithi) request.auspicious.Set(8, tithi, note);  // every day of Margashirsha
  const MonthValues month = ComputeMonth(request);
  const std::string text = ExportCalendar({month}, {"Mumbai, Maharashtra, India", ""}, {}).text;

  Parsed parsed;
  ExpectValid(text, parsed);
  int notes = 0;
  for (const auto& [uid, summary] : SummariesByUid(parsed.calendar)) {
    if (uid.rfind("note-", 0) != 0) continue;
    ++notes;
    EXPECT_EQ(summary, note) << uid;
  }
  EXPECT_GT(notes, 20);

  std::string unfolded;
  for (const std::string& line : PhysicalLines(text)) {
    EXPECT_LE(line.size(), 75u) << line;
    ASSERT_FALSE(line.empty());
    // A continuation byte never opens a line (after the folding blank): no
    // character is split between two lines.
    const std::size_t first = line[0] == ' ' ? 1 : 0;
    if (first < line.size()) {
      EXPECT_NE(static_cast<unsigned char>(line[first]) & 0xC0, 0x80) << line;
    }
    if (line[0] == ' ')
      unfolded += line.substr(1);
    else
      unfolded += "\n" + line;
  }
  EXPECT_NE(unfolded.find("\nSUMMARY:गणेश चतुर्थी\\, व्रत\\; उपवास\\\\ आणि मोदकांचा नैवेद्य\\, आरती आणि प्रसाद\n"),
            std::string::npos);
}

// An eclipse seen from the place is one timed event from its first contact to its
// last as almanacs print them: the total lunar eclipse of 7-8 September 2025 at
// Mumbai, 21:57 to 01:27 IST (the Positional Astronomy Centre, Kolkata: the umbral
// phase), with its kind and magnitude; the Kolkata zone's DTSTART and DTEND. The
// solar eclipse of 21 September 2025, not seen from India, is none.
TEST(CalendarEventsTest, EclipseFromFirstToLastContact) {
  MonthRequest request = testing_place::MumbaiMonth(2025, 9, Method::Precise);
  const MonthValues month = ComputeMonth(request);
  ExportOptions options;
  options.texts.digits = xdvng::Digits::Latin;
  const auto events = CalendarEvents({month}, {"Mumbai, Maharashtra, India", "Asia/Kolkata"}, options);
  ASSERT_EQ(std::count_if(events.begin(), events.end(), [](const auto& e) { return e.kind == EventKind::Eclipse; }),
            1);
  const CalendarEvent* eclipse = Find(events, EventKind::Eclipse, {2025, 9, 7});
  ASSERT_NE(eclipse, nullptr);
  EXPECT_EQ(eclipse->summary, "खग्रास चंद्रग्रहण");
  EXPECT_EQ(eclipse->instant, Utc(2025, 9, 7, 16, 27));
  EXPECT_EQ(eclipse->until, Utc(2025, 9, 7, 19, 57));
  EXPECT_EQ(eclipse->description.substr(0, eclipse->description.find(',')), "ग्रासमान 1.362");
  const std::string text = WriteCalendar({*eclipse}, {"Mumbai, Maharashtra, India", "Asia/Kolkata"}, options).text;
  Parsed parsed;
  ExpectValid(text, parsed);
  EXPECT_NE(text.find("DTSTART;TZID=Asia/Kolkata:20250907T215700\r\nDTEND;TZID=Asia/Kolkata:20250908T012700\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kalnika::ical
