#include "cli/output.h"

#include "text/text.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

#include <nlohmann/json.hpp>

#include "almanac/day_text.h"
#include "almanac/name_tables.h"
#include "display/csv.h"

namespace kalnika::cli {

namespace {

// The members in the order they are set, as the format lists them.
using Json = nlohmann::ordered_json;


// An instant as ISO 8601 UTC to the second, "2026-03-19T01:23:29Z" (proleptic
// Gregorian).
std::string UtcText(double jd) {
  using namespace std::chrono;
  const auto seconds = static_cast<long long>(std::llround((jd - 2440587.5) * 86400.0));  // from 1970
  const sys_seconds t{std::chrono::seconds{seconds}};
  const sys_days day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss<std::chrono::seconds> time{t - day};
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lldZ", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<long long>(time.hours().count()), static_cast<long long>(time.minutes().count()),
                static_cast<long long>(time.seconds().count()));
  return text;
}

Json Instants(const std::vector<double>& instants) {
  Json list = Json::array();
  for (double jd : instants) list.push_back(UtcText(jd));
  return list;
}

const char* KindName(const DayValues& day) {
  if (day.precise && day.precise->lostMonth >= 0) return "lost";
  switch (day.lunarMonth.kind) {
    case MonthKind::Added: return "added";
    case MonthKind::RegularAfterAdded: return "regular-after-added";
    case MonthKind::Regular: break;
  }
  return "regular";
}

std::string DateText(const CivilDate& d) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

// --- A precise day's values ---------------------------------------------------------

// An instant: {"utc": ..., "shown": the page's clock}.
Json MomentJson(const DayValues& day, const LocalInstant& at, const DisplayForm& form) {
  return {{"utc", UtcText(at.jd)}, {"shown", DisplayClock(DayClockOf(day, at), form)}};
}

Json MomentJson(const DayValues& day, const std::optional<LocalInstant>& at, const DisplayForm& form) {
  return at ? MomentJson(day, *at, form) : Json(nullptr);
}

Json SpanJson(const DayValues& day, const TimedSpan& span, const DisplayForm& form) {
  return {{"start", MomentJson(day, span.start, form)}, {"end", MomentJson(day, span.end, form)}};
}

Json SpanJson(const DayValues& day, const std::optional<TimedSpan>& span, const DisplayForm& form) {
  return span ? SpanJson(day, *span, form) : Json(nullptr);
}

Json ChoghadiyaJson(const DayValues& day, const std::vector<TimedChoghadiya>& spans, const DisplayForm& form) {
  Json list = Json::array();
  for (const TimedChoghadiya& c : spans) {
    Json j = SpanJson(day, c.span, form);
    j["kind"] = c.kind;
    j["name"] = DisplayText(ChoghadiyaNames[static_cast<std::size_t>(c.kind)], form);
    list.push_back(std::move(j));
  }
  return list;
}

const char* BodyName(EclipseBody body) { return body == EclipseBody::Sun ? "sun" : "moon"; }

const char* EclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Total: return "total";
    case EclipseKind::Annular: return "annular";
    case EclipseKind::Hybrid: return "hybrid";
    case EclipseKind::Partial: return "partial";
    case EclipseKind::Penumbral: break;
  }
  return "penumbral";
}

Json ContactJson(const DayValues& day, const std::optional<EclipseMoment>& m, const DisplayForm& form) {
  if (!m) return nullptr;
  Json j = MomentJson(day, m->at, form);
  j["body_up"] = m->bodyUp;
  return j;
}

Json EclipseJson(const DayValues& day, const DayEclipse& e, const DisplayForm& form) {
  Json j;
  j["body"] = BodyName(e.body);
  j["kind"] = EclipseKindName(e.kind);
  j["magnitude"] = std::round(e.magnitude * 1000.0) / 1000.0;
  j["name"] = DisplayText(EclipseName(e), form);
  j["contacts"] = {{"begin", ContactJson(day, e.begin, form)},
                   {"partial_begin", ContactJson(day, e.partialBegin, form)},
                   {"central_begin", ContactJson(day, e.centralBegin, form)},
                   {"maximum", ContactJson(day, e.maximum, form)},
                   {"central_end", ContactJson(day, e.centralEnd, form)},
                   {"partial_end", ContactJson(day, e.partialEnd, form)},
                   {"end", ContactJson(day, e.end, form)}};
  j["body_rises"] = MomentJson(day, e.bodyRises, form);
  j["body_sets"] = MomentJson(day, e.bodySets, form);
  // The moments as almanacs name them (sparsha ... moksha).
  Json moments = Json::array();
  for (const EclipseMomentText& m : EclipseMoments(e)) {
    Json moment = ContactJson(day, m.moment, form);
    moment["name"] = DisplayText(m.word, form);
    moments.push_back(std::move(moment));
  }
  j["moments"] = std::move(moments);
  return j;
}

// What a precise day adds to its entry of "days" (and the day of --date holds).
void AddPreciseDay(Json& j, const DayValues& day, const DisplayForm& form) {
  const SunriseDayValues& p = *day.precise;
  j["weekday"] = day.weekday;
  std::vector<double> karanaEnds{p.karanaEnd.jd};
  for (const ValueEnd& e : p.skippedKaranas) karanaEnds.push_back(e.end.jd);
  j["karana"] = p.karana;
  j["karana_ends"] = Instants(karanaEnds);
  j["moonrise"] = p.moonrise ? Json(UtcText(p.moonrise->jd)) : Json(nullptr);
  j["moonset"] = p.moonset ? Json(UtcText(p.moonset->jd)) : Json(nullptr);

  Json limbs;
  const auto limb = [&](const char* key, Limb which) {
    Json values = Json::array();
    for (const LimbValue& v : LimbValues(day, which))
      values.push_back({{"value", v.value},
                        {"name", DisplayText(v.name, form)},
                        {"end", {{"utc", UtcText(v.end)}, {"shown", DisplayClock(v.endClock, form)}}}});
    limbs[key] = std::move(values);
  };
  limb("tithi", Limb::Tithi);
  limbs["vara"] = {{"value", day.weekday}, {"name", DisplayText(WeekdayNames[static_cast<std::size_t>(day.weekday)], form)}};
  limb("nakshatra", Limb::Nakshatra);
  limb("yoga", Limb::Yoga);
  limb("karana", Limb::Karana);
  j["limbs"] = std::move(limbs);

  const auto sun = [&](const std::optional<double>& jd, const std::optional<ClockTime>& clock) {
    if (!jd || !clock) return Json(nullptr);
    return Json{{"utc", UtcText(*jd)}, {"shown", DisplayClock(DayClockOf(day, *clock, *jd), form)}};
  };
  const auto length = [&](const std::optional<int>& minutes) {
    return minutes ? Json(DisplayText(LengthText(*minutes), form)) : Json(nullptr);
  };
  j["sun_moon"] = {{"sunrise", sun(p.sunrise, day.sunrise)},
                   {"sunset", sun(p.sunset, day.sunset)},
                   {"moonrise", MomentJson(day, p.moonrise, form)},
                   {"moonset", MomentJson(day, p.moonset, form)},
                   {"daytime", length(p.daytimeMinutes)},
                   {"night", length(p.nightMinutes)}};

  const DayPeriodTimes& t = p.periods;
  Json durmuhurta = Json::array();
  for (const TimedSpan& span : t.durmuhurtas) durmuhurta.push_back(SpanJson(day, span, form));
  j["periods"] = {{"rahu_kalam", SpanJson(day, t.rahuKalam, form)},
                  {"yamaganda", SpanJson(day, t.yamaganda, form)},
                  {"gulika", SpanJson(day, t.gulikaKalam, form)},
                  {"abhijit", SpanJson(day, t.abhijit, form)},
                  {"brahma_muhurta", SpanJson(day, t.brahmaMuhurta, form)},
                  {"durmuhurta", std::move(durmuhurta)},
                  {"choghadiya",
                   {{"day", ChoghadiyaJson(day, t.dayChoghadiyas, form)},
                    {"night", ChoghadiyaJson(day, t.nightChoghadiyas, form)}}}};

  Json eclipses = Json::array();
  for (const DayEclipse& e : p.eclipses) eclipses.push_back(EclipseJson(day, e, form));
  j["eclipses"] = std::move(eclipses);
  Json notes = Json::array();
  for (const DayNote& note : DayNotes(day)) notes.push_back(DisplayText(note.text, form));
  j["notes"] = std::move(notes);
}

// One day's values as the JSON "days" array gives them.
Json DayJson(const DayValues& day, const DisplayForm& form) {
  std::vector<double> tithiEnds{day.tithiEnd.jd}, nakshatraEnds, yogaEnds, signEntries;
  if (day.precise) {
    for (const ValueEnd& e : day.precise->skippedTithis) tithiEnds.push_back(e.end.jd);
    nakshatraEnds.push_back(day.precise->nakshatraEnd.jd);
    for (const ValueEnd& e : day.precise->skippedNakshatras) nakshatraEnds.push_back(e.end.jd);
    yogaEnds.push_back(day.precise->yogaEnd.jd);
    for (const ValueEnd& e : day.precise->skippedYogas) yogaEnds.push_back(e.end.jd);
  }
  if (day.signEntry) signEntries.push_back(day.signEntry->when.jd);
  Json j;
  j["date"] = DateText(day.date);
  if (day.precise) {
    if (day.precise->sunrise) j["sunrise"] = UtcText(*day.precise->sunrise);
    if (day.precise->sunset) j["sunset"] = UtcText(*day.precise->sunset);
  }
  j["tithi"] = day.tithi;
  j["nakshatra"] = day.nakshatra;
  j["yoga"] = day.yoga;
  j["moon_sign"] = day.moonSign;
  j["sun_sign"] = day.sunSign;
  j["month"] = {{"index", day.lunarMonth.index}, {"kind", KindName(day)}};
  j["tithi_ends"] = Instants(tithiEnds);
  if (day.precise) {
    j["nakshatra_ends"] = Instants(nakshatraEnds);
    j["yoga_ends"] = Instants(yogaEnds);
  }
  j["sign_entries"] = Instants(signEntries);
  if (day.precise) AddPreciseDay(j, day, form);
  return j;
}

}  // namespace


std::string ToJson(const MonthOutput& out, const DisplayForm& form) {
  Json rows = Json::array();
  for (int r = 0; r < kTableRows; ++r) {
    Json cells = Json::array();
    // The stored cells, each shown in the form (a day's notes text by text); the
    // headings row without the notes heading the other faces add.
    for (int c = 0; c < kTableColumns; ++c)
      cells.push_back(r == 0 ? DisplayText(out.table.cells[0][static_cast<std::size_t>(c)], form)
                             : DisplayCell(out.table, r, c, form));
    rows.push_back(std::move(cells));
  }
  Json j;
  j["rows"] = std::move(rows);
  j["kali"] = DisplayText(out.kali, form);
  j["vikram"] = DisplayText(out.vikram, form);
  j["lat"] = Latin1ToUtf8(out.lat);
  j["long"] = Latin1ToUtf8(out.lon);
  j["zone"] = Latin1ToUtf8(out.zone);
  j["message"] = out.message ? Json(PlainText(*out.message)) : Json(nullptr);
  j["method"] = out.method == Method::Precise ? "precise" : "classic";
  if (out.sheet) {
    Json offsets = Json::array(), days = Json::array();
    for (const DayValues& day : out.sheet->values.days) {
      // Whole hours as whole numbers: 5, not 5.0.
      if (day.utcOffset == std::trunc(day.utcOffset))
        offsets.push_back(static_cast<long long>(day.utcOffset));
      else
        offsets.push_back(day.utcOffset);
      days.push_back(DayJson(day, form));
    }
    j["offsets"] = std::move(offsets);
    j["days"] = std::move(days);
  }
  // On one line. Bytes that are not UTF-8 (no text above should hold any) are
  // written as U+FFFD instead of ending the run with an exception.
  return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string DayToJson(const DayOutput& out, const DisplayForm& form) {
  Json j;
  j["date"] = out.day ? Json(DateText(out.day->values.date)) : Json(nullptr);
  j["method"] = "precise";
  j["place"] = PlainText(out.place);
  j["lat"] = Latin1ToUtf8(out.lat);
  j["long"] = Latin1ToUtf8(out.lon);
  j["zone"] = Latin1ToUtf8(out.zone);
  j["clock"] = out.day ? Json(DayZone(*out.day)) : Json(nullptr);
  j["message"] = out.message ? Json(PlainText(*out.message)) : Json(nullptr);
  j["day"] = out.day ? DayJson(out.day->values, form) : Json(nullptr);
  return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string DayToTable(const DayOutput& out, const DisplayForm& form) {
  if (!out.day) return {};
  const DayPage& page = out.day->page;
  const auto shown = [&form](const std::string& stored) { return DisplayText(stored, form); };
  std::string t = PlainText(DayPlace(*out.day)) + "\n\n";
  t += shown(page.weekday) + " " + shown(page.day) + " " + shown(page.month) + " " + shown(page.year) + "\n";
  t += shown(page.lunarDay) + "\n" + shown(page.eras) + "\n";
  for (const DayNote& note : page.notes) t += shown(note.text) + "\n";
  // Each section's lines in columns: label, value, the span or moment, the word after.
  for (const DaySection& section : page.sections) {
    std::vector<std::array<std::string, 4>> lines;
    for (const DayLine& line : section.lines) {
      std::string when = line.until ? DisplayClock(*line.until, form) : "";
      if (line.from) when = DisplayClock(*line.from, form) + " \xE2\x80\x93 " + when;
      lines.push_back({shown(line.label), shown(line.value), when, shown(line.after)});
    }
    std::array<std::size_t, 4> widths{};
    for (const auto& line : lines)
      for (std::size_t c = 0; c < line.size(); ++c) widths[c] = std::max(widths[c], TerminalColumns(line[c]));
    t += "\n" + shown(section.title) + "\n";
    for (const auto& line : lines) {
      std::string text = " ";
      for (std::size_t c = 0; c < line.size(); ++c) {
        if (widths[c] == 0) continue;
        text += " " + line[c] + std::string(widths[c] - TerminalColumns(line[c]) + 1, ' ');
      }
      while (!text.empty() && text.back() == ' ') text.pop_back();
      t += text + "\n";
    }
  }
  // For a terminal: no control character of the place file reaches it.
  return TerminalText(t);
}

std::string ToCsv(const MonthOutput& out, const DisplayForm& form) {
  if (!out.sheet) return {};
  return MonthCsv(out.sheet->values, out.sheet->table, SheetPlace(*out.sheet), form);
}


std::string ToTable(const MonthOutput& out, const DisplayForm& form) {
  std::vector<std::vector<std::string>> cells;
  for (int r = 0; r <= out.table.dayCount; ++r)
    cells.push_back(DisplayRow(out.table, r, form));
  std::vector<std::size_t> widths(cells.empty() ? 0 : cells[0].size(), 0);
  for (const auto& row : cells)
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], TerminalColumns(row[c]));

  std::string t;
  if (!out.place.empty())
    t += PlainText(out.place) + "\n";
  t += "Latitude " + PlainText(out.lat) + "  Longitude " + PlainText(out.lon) + "  " +
       (out.clock.empty() ? "UTC" + PlainText(out.zone) : out.clock) + "\n\n";
  for (const auto& row : cells) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - TerminalColumns(row[c]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    t += line + "\n";
  }
  t += "\n" + DisplayText(out.kali, form) + "\n" + DisplayText(out.vikram, form) + "\n";
  // For a terminal: no control character of the place file reaches it.
  return TerminalText(t);
}

}  // namespace kalnika::cli
