#include "ical/calendar_export.h"

#include <libical/ical.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>

#include "almanac/day_text.h"
#include "almanac/month_text.h"
#include "almanac/name_tables.h"
#include "clock/clock.h"
#include "clock/zone_rules.h"
#include "text/text.h"

namespace kalnika::ical {

namespace {

// Texts of the export that the table has no piece for, in Xdvng bytes like every
// stored text: "s:\xF6#a\xF6et:" संक्रांति (the Sun's entry into a sign) and
// "s:m:apt:i" समाप्ती (end, of a tithi).
constexpr const char* kSankranti = "s:\xF6#a\xF6" "et:";
constexpr const char* kTithiEnds = "s:m:apt:i";
constexpr const char* kProdId = "-//Kalnika//Kalnika 1.0//MR";

// Half a second in days: the tolerance for comparing two Julian Days made of whole
// seconds.
constexpr double kHalfSecond = 0.5 / 86400.0;

// An instant as the calendar gets it: the minute the table shows it at, on the
// clock the table read it on, as seconds since 1970 UTC, so that a phone on that
// clock shows the minute the almanac shows.
std::int64_t ShownUnixTime(const LocalInstant& at) { return LocalSeconds(at.shown) - at.offset; }

template <std::size_t N>
std::string Name(const std::array<std::string, N>& table, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)] : "";
}

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

std::string DateKey(const CivilDate& d) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", d.year, d.month, d.day);
  return buffer;
}

// Stored Xdvng texts as the reader's script.
class Display {
 public:
  explicit Display(const EventTexts& texts) : texts_(texts) {
    if (texts.script == EventScript::Latin) latin_.emplace(texts.latin);
  }

  std::string operator()(const std::string& xdvng) const {
    if (!latin_) return std::string(TrimBlanks(xdvng::ToUnicode(xdvng, texts_.digits), " "));
    return std::string(TrimBlanks((*latin_)(xdvng::ToUnicode(xdvng, xdvng::Digits::Latin)), " "));
  }

  bool Latin() const { return latin_.has_value(); }

 private:
  EventTexts texts_;
  std::optional<xdvng::LatinTransliterator> latin_;
};

const char* KindKey(EventKind kind) {
  switch (kind) {
    case EventKind::Note: return "note";
    case EventKind::KaliNewYear: return "kali";
    case EventKind::SignEntry: return "sign";
    case EventKind::NewMoon: return "newmoon";
    case EventKind::FullMoon: return "fullmoon";
    case EventKind::Tithi: return "tithi";
    case EventKind::Eclipse: return "eclipse";
  }
  return "event";
}

// The lunar month, its prefix as a word of its own: "अधिक श्रावण".
std::string LunarMonthWords(const LunarMonth& month) {
  const char* prefix = month.kind == MonthKind::Added               ? kAddedMonthPrefix
                       : month.kind == MonthKind::RegularAfterAdded ? kRegularAfterAddedPrefix
                                                                    : "";
  return (*prefix ? std::string(prefix) + " " : std::string()) + Name(MaasNames, month.index);
}

// "कार्तिक कृष्ण अष्टमी"; the new and full moon tithis have no fortnight word.
std::string TithiSummary(const DayValues& day) {
  const std::string fortnight(TrimBlanks(FortnightText(day.tithi), " "));
  return LunarMonthWords(day.lunarMonth) + " " + (fortnight.empty() ? "" : fortnight + " ") +
         Name(TithiNames, TithiNameIndex(day.tithi));
}

// "समाप्ती १ डिसेंबर २३:१६", "सूर्योदय ६:५५": a time the table shows for the row,
// read from the row's clock (ClockTime, from the row's midnight) as a real local
// time, not the almanac's 27H40, so that it names the very minute the table does;
// with its date when the tithi end asks for one or the time falls on another date
// (a sunset after midnight); "सूर्योदय नाही" where the Sun does not rise.
std::string ClockLine(const std::string& word, const std::optional<ClockTime>& clock, const DayValues& day,
                      const Display& display, bool withDate) {
  if (!clock) return display(word + " " + kNoSunriseSunsetText);
  const LocalDateTime at = LocalOfClock(*clock, day.date);
  const std::string time = TwoDigits(at.hour) + "H" + TwoDigits(at.minute);  // "H" is the font's colon
  const bool dated = withDate || at.date != day.date;
  if (display.Latin())
    return display(word) + " " +
           (dated ? std::to_string(at.date.day) + " " + Name(MonthListNames, at.date.month - 1) + " " : "") +
           display(time);
  return display(word + " " +
                 (dated ? std::to_string(at.date.day) + " " + Name(GregorianMonthNames, at.date.month - 1) + " " : "") +
                 time);
}

// The tithi event's description: the tithi's end (none when the classic search
// found none within the day), sunrise and sunset, a line each.
std::string DayDescription(const DayValues& day, const Display& display) {
  // The search for the end stops at 23:59:59 UT of the date: a tithi still current
  // then (it is the next row's tithi too) has no end within the day, and the
  // calendar gives none rather than that second. (A tithi that really ends in that
  // last second loses only its end.) A day reckoned from sunrise always has one.
  const bool ends = day.precise || day.tithiEnd.jd < JulianDay(day.date, 23, 59, 59) - kHalfSecond;
  std::string text;
  if (ends) text = ClockLine(kTithiEnds, day.tithiEnd.clock, day, display, true) + "\n";
  return text + ClockLine(ColumnHeadings[IndexOf(Column::Sunrise)], day.sunrise, day, display, false) + "\n" +
         ClockLine(ColumnHeadings[IndexOf(Column::Sunset)], day.sunset, day, display, false);
}

// "ग्रासमान १.३६२, स्पर्श २१:५७, ..., मोक्ष ०१:२७": the magnitude and each moment on
// the clock of the row, a real time of day; a moment the place does not see with
// अदृश्य after it.
std::string EclipseDescription(const DayEclipse& eclipse, const Display& display) {
  std::string text = display(std::string(kMagnitudeWord) + " " + MagnitudeText(eclipse.magnitude));
  for (const EclipseMomentText& m : EclipseMoments(eclipse)) {
    const LocalDateTime& at = m.moment.at.shown;
    std::string moment = std::string(m.word) + " " + TwoDigits(at.hour) + "H" + TwoDigits(at.minute);
    if (!m.moment.bodyUp) moment += std::string(" ") + kBelowHorizonWord;
    text += ", " + display(moment);
  }
  return text;
}

}  // namespace

std::string PlaceKey(const std::string& description) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> ascii(
      icu::Transliterator::createInstance("Any-Latin; Latin-ASCII; Any-Lower", UTRANS_FORWARD, status));
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(PlainText(description));
  if (U_SUCCESS(status) && ascii) ascii->transliterate(text);
  std::string plain, key;
  text.toUTF8String(plain);
  for (const char c : plain) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (keep)
      key.push_back(c);
    else if (!key.empty() && key.back() != '-')
      key.push_back('-');
  }
  while (!key.empty() && key.back() == '-') key.pop_back();
  return key.empty() ? "place" : key;
}

std::vector<CalendarEvent> CalendarEvents(const std::vector<MonthValues>& months, const CalendarPlace& place,
                                          const ExportOptions& options) {
  const Display display(options.texts);
  const std::string placeKey = PlaceKey(std::string(TrimBlanks(place.description, " ")));
  std::vector<CalendarEvent> events;
  std::set<std::string> uids;
  auto add = [&](EventKind kind, const CivilDate& date, std::optional<std::int64_t> instant, std::string summary,
                 std::string description, const std::string& key = {},
                 std::optional<std::int64_t> until = std::nullopt) {
    // A new or full moon of 31 December 9999's row falls in a year no calendar
    // file holds.
    if (date.year > kLastCalendarYear) return;
    CalendarEvent e{kind, date, instant, until, std::move(summary), std::move(description),
                    std::string(KindKey(kind)) + FoldCase(key) + "-" + DateKey(date) + "-" + placeKey + "@kalnika"};
    if (uids.insert(e.uid).second) events.push_back(std::move(e));
  };

  for (const MonthValues& month : months) {
    for (const DayValues& day : month.days) {
      // A note that shows as nothing (the font's blanks 0x20 and 0xA0 only) is no
      // event: an empty SUMMARY is refused by libical's own parser.
      if (std::string note = display(day.auspicious); !note.empty())
        add(EventKind::Note, day.date, std::nullopt, std::move(note), "");
      // The precise method's festivals: one event each, described by the rule that
      // chose its day; its key in the UID tells two festivals of a day apart.
      for (const DayNote& note : DayNotes(day))
        if (std::string text = display(note.text); !note.key.empty() && !text.empty())
          add(EventKind::Note, day.date, std::nullopt, std::move(text), display(note.rule), "-" + note.key);
      // The classic table writes the Kali new year over the notes of 23 January;
      // here it is an event of its own beside them.
      if (day.kaliNewYear)
        add(EventKind::KaliNewYear, day.date, std::nullopt, display(KaliNewYearNote(*day.kaliNewYear)), "");
      if (day.signEntry) {
        const SignEntry& entry = *day.signEntry;
        add(EventKind::SignEntry, entry.when.shown.date, ShownUnixTime(entry.when),
            display(Name(RaashiNames, entry.sign) + " " + kSankranti), "");
      }
      if (day.phase) {
        const bool isNew = *day.phase == MoonPhase::New;
        add(isNew ? EventKind::NewMoon : EventKind::FullMoon, day.phaseInstant.shown.date,
            ShownUnixTime(day.phaseInstant), display(Name(TithiNames, isNew ? 0 : 15)), "");
      }
      if (day.precise)
        for (const DayEclipse& eclipse : day.precise->eclipses) {
          const std::vector<EclipseMomentText> moments = EclipseMoments(eclipse);
          const auto contact = [&moments](std::string_view word) -> const LocalInstant* {
            const auto found = std::find_if(moments.begin(), moments.end(),
                                            [word](const EclipseMomentText& m) { return m.word == word; });
            return found == moments.end() ? nullptr : &found->moment.at;
          };
          const LocalInstant *first = contact(kFirstContactWord), *last = contact(kLastContactWord);
          if (first && last)
            add(EventKind::Eclipse, first->shown.date, ShownUnixTime(*first), display(EclipseName(eclipse)),
                EclipseDescription(eclipse, display), {}, ShownUnixTime(*last));
        }
      if (options.tithis)
        add(EventKind::Tithi, day.date, std::nullopt, display(TithiSummary(day)), DayDescription(day, display));
    }
  }
  std::stable_sort(events.begin(), events.end(), [](const CalendarEvent& a, const CalendarEvent& b) {
    return a.date < b.date;
  });
  return events;
}

namespace {

struct ComponentDeleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

constexpr double kUnixEpochJd = 2440587.5;

// A local date and time as iCalendar writes it: "30010114T212700".
std::string DateTimeText(const LocalDateTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02d", t.date.year, t.date.month, t.date.day, t.hour,
                t.minute, t.second);
  return buffer;
}

// A property of a date or a time, from its text: libical writes the dates it is
// given as values only up to the year 3000 (later ones as 00000000T000000), but
// keeps a property it parses as it is; the texts here are checked to hold years
// up to kLastCalendarYear.
icalproperty* DateProperty(const std::string& text) {
  icalproperty* property = icalproperty_new_from_string(text.c_str());
  if (!property) throw std::runtime_error("libical could not read the property " + text);
  return property;
}

// The zone of the timed events: libical's (for the VTIMEZONE it writes) and the
// zone's rules (for the local times, which libical would not write after 3000);
// none for UTC.
struct EventZone {
  icaltimezone* ical = nullptr;
  std::optional<Clock> clock;
  std::string problem;
};

EventZone ZoneNamed(const std::string& name) {
  EventZone zone;
  if (name.empty()) return zone;  // a place without a zone name: UTC
  ZoneLoad load = ZoneRules::Load(name);
  if (!load.rules) {
    zone.problem = "The calendar cannot be written in the time zone \"" + name + "\": " + load.error;
    return zone;
  }
  zone.ical = icaltimezone_get_builtin_timezone(name.c_str());
  if (!zone.ical) {
    zone.problem = "The calendar cannot be written in the time zone \"" + name +
                   "\": libical has no rules for it, which the calendar's programs would need.";
    return zone;
  }
  // UTC ("UTC", "Etc/UTC") has no VTIMEZONE: its events are written with "Z".
  if (zone.ical == icaltimezone_get_utc_timezone() || !icaltimezone_get_component(zone.ical)) {
    zone.ical = nullptr;
    return zone;
  }
  zone.clock = Clock::OfZone(std::move(load.rules));
  return zone;
}

// libical 3.0 folds a property's line together with its CRLF: where the last
// piece of a folded line fills it to the 75 octets, it writes the fold inside the
// line end (CR, CR LF space, LF: a bare CR, which breaks parsers) or after it
// (CR LF space CR LF: an empty continuation line, which some servers refuse);
// libical 4.0.3 folds before adding the line end (its pull request 1338). Both
// become the plain line end here. No CR or LF of the texts is in the output (the
// texts hold none and libical escapes the line feed), so these are always folds.
std::string RepairFolds(std::string text) {
  for (const std::string_view bad : {std::string_view("\r\r\n \n"), std::string_view("\r\n \r\n")})
    for (std::size_t at = text.find(bad); at != std::string::npos; at = text.find(bad, at))
      text.replace(at, bad.size(), "\r\n");
  return text;
}

// A value text of the calendar: no control character but the tab (RFC 5545 3.3.11
// allows no other in TEXT) and the line feed, which libical escapes as "\n"; no
// blank or tab at either end, which libical's parser drops (a calendar reads what
// was written).
std::string TextValue(std::string_view text) { return std::string(TrimBlanks(WithoutControls(text, "\t\n"), " \t")); }

}  // namespace

std::string CalendarProblem(const std::vector<MonthValues>& months, const CalendarPlace& place) {
  for (const MonthValues& month : months)
    if (month.year > kLastCalendarYear)
      return "A calendar file holds years of four digits (RFC 5545): the year " + std::to_string(month.year) +
             " cannot be written into one.";
  return ZoneNamed(place.zoneName).problem;
}

CalendarFile WriteCalendar(const std::vector<CalendarEvent>& events, const CalendarPlace& place,
                           const ExportOptions& options) {
  const EventZone zone = ZoneNamed(place.zoneName);
  if (!zone.problem.empty()) return {{}, zone.problem};
  for (const CalendarEvent& e : events)
    if (e.date.year > kLastCalendarYear || e.date.year < 0)
      return {{}, "A calendar file holds years of four digits (RFC 5545): the year " + std::to_string(e.date.year) +
                      " cannot be written into one."};

  Component calendar(icalcomponent_new_vcalendar());
  icalcomponent* cal = calendar.get();
  icalcomponent_add_property(cal, icalproperty_new_prodid(kProdId));
  icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
  icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
  const std::string location = TextValue(TrimBlanks(place.description, " "));
  // The name calendar programs give a calendar made from the file: the program and
  // the city (libical writes this property's value as it is, so no comma).
  icalproperty* name = icalproperty_new_x(("Kalnika " + location.substr(0, location.find(','))).c_str());
  icalproperty_set_x_name(name, "X-WR-CALNAME");
  icalcomponent_add_property(cal, name);

  // The place's zone: timed events on its clock, with its rules in a VTIMEZONE
  // whose TZID is the plain IANA name.
  if (zone.ical) {
    icalcomponent* vtimezone = icalcomponent_new_clone(icaltimezone_get_component(zone.ical));
    icalproperty* tzid = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
    if (tzid) icalproperty_set_tzid(tzid, place.zoneName.c_str());
    icalcomponent_add_component(cal, vtimezone);
  }

  const Clock utc;
  auto jd = [](std::int64_t seconds) { return kUnixEpochJd + static_cast<double>(seconds) / 86400.0; };
  const std::string stamp = "DTSTAMP:" + DateTimeText(utc.LocalAt(jd(options.stamp))) + "Z";
  for (const CalendarEvent& e : events) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(event, DateProperty(stamp));
    if (e.instant) {
      // The instants written by the program itself: libical writes years after 3000
      // as zeros.
      const auto timed = [&](const std::string& property, std::int64_t instant) {
        return zone.clock ? DateProperty(property + ";TZID=" + place.zoneName + ":" +
                                         DateTimeText(zone.clock->LocalAt(jd(instant))))
                          : DateProperty(property + ":" + DateTimeText(utc.LocalAt(jd(instant))) + "Z");
      };
      icalcomponent_add_property(event, timed("DTSTART", *e.instant));
      if (e.until) icalcomponent_add_property(event, timed("DTEND", *e.until));
    } else {
      icalcomponent_add_property(event, DateProperty("DTSTART;VALUE=DATE:" + DateKey(e.date)));
      icalcomponent_add_property(event, DateProperty("DTEND;VALUE=DATE:" + DateKey(AddDays(e.date, 1))));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(TextValue(e.summary).c_str()));
    if (!e.description.empty())
      icalcomponent_add_property(event, icalproperty_new_description(TextValue(e.description).c_str()));
    if (!location.empty()) icalcomponent_add_property(event, icalproperty_new_location(location.c_str()));
    // Festivals and moments of the sky do not make the user busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(cal, event);
  }

  char* text = icalcomponent_as_ical_string_r(cal);
  if (!text) throw std::runtime_error("libical could not write the calendar");
  CalendarFile file{RepairFolds(text), {}};
  icalmemory_free_buffer(text);
  return file;
}

CalendarFile ExportCalendar(const std::vector<MonthValues>& months, const CalendarPlace& place,
                            const ExportOptions& options) {
  if (std::string problem = CalendarProblem(months, place); !problem.empty()) return {{}, std::move(problem)};
  return WriteCalendar(CalendarEvents(months, place, options), place, options);
}

}  // namespace kalnika::ical
