#include "cli/output.h"

#include "text/text.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

#include <nlohmann/json.hpp>

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

// One day's values as the JSON "days" array gives them.
Json DayJson(const DayValues& day) {
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
      days.push_back(DayJson(day));
    }
    j["offsets"] = std::move(offsets);
    j["days"] = std::move(days);
  }
  // On one line. Bytes that are not UTF-8 (no text above should hold any) are
  // written as U+FFFD instead of ending the run with an exception.
  return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string ToCsv(const MonthOutput& out, const DisplayForm& form) {
  if (!out.sheet) return {};
  return MonthCsv(out.sheet->values, out.sheet->table, SheetPlace(*out.sheet), form);
}


std::string ToTable(const MonthOutput& out, const DisplayForm& form) {
  std::vector<std::vector<std::string>> cells;
  for (int r = 0; r <= out.table.dayCount; ++r) cells.push_back(DisplayRow(out.table, r, form));
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
