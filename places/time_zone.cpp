#include "places/time_zone.h"

#include <date/tz.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace kalnika {

namespace {

using std::chrono::seconds;
using SysSeconds = date::sys_seconds;

// date/tz as Debian builds it (USE_OS_TZDB=1) reads the compiled tzdata files of
// this folder; the rule for the years after the listed transitions is read from the
// same files, so both halves of an answer come from one database.
constexpr const char* kZoneInfoFolder = "/usr/share/zoneinfo";

// A tzdata file is a few kilobytes; anything above this is not one.
constexpr std::uintmax_t kLargestZoneFile = 1 << 20;

// Before and after these instants date/tz reports a zone's first and last period
// (their ends are the library's own limits, years -32767 and 32767).
const SysSeconds kFarPast = date::sys_days{date::year{-32000} / 1 / 1};
const SysSeconds kFarFuture = date::sys_days{date::year{32000} / 1 / 1};

// Hours of a whole number of seconds (exact for every offset tzdata uses).
double Hours(seconds s) { return static_cast<double>(s.count()) / 3600.0; }

// ---------------------------------------------------------------------------
// The rule for all later years: the POSIX TZ string that ends every tzdata file of
// version 2 or later (RFC 8536, section 3.3), e.g. "EST5EDT,M3.2.0,M11.1.0",
// "<+0545>-5:45", "IST-1GMT0,M10.5.0,M3.5.0/1".

// One end of the saving period: a day of the year and the local clock time on it.
struct RuleDay {
  enum class Kind { NoLeapDay, ZeroBased, MonthWeekDay } kind = Kind::MonthWeekDay;
  int day = 0;                        // Jn: 1..365 without 29 February; n: 0..365
  int month = 1, week = 1, weekday = 0;  // Mm.w.d: week 5 is the last, weekday 0 Sunday
  seconds time{2 * 3600};             // local time of the change, -167..167 hours
};

struct PosixRule {
  seconds standard{0};  // offsets east of UTC
  bool hasSaving = false;
  seconds saving{0};
  RuleDay start, end;  // start in standard time, end in saving time
};

// A cursor over the TZ string; every Parse* leaves it after what it read and
// returns false on text of another shape.
class RuleText {
 public:
  explicit RuleText(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }

  // "EST" (three or more letters) or "<+0545>" (quoted, may hold digits and signs).
  bool ParseName() {
    if (Take('<')) {
      const std::size_t close = text_.find('>', pos_);
      if (close == std::string_view::npos || close == pos_) return false;
      pos_ = close + 1;
      return true;
    }
    const std::size_t begin = pos_;
    while (std::isalpha(static_cast<unsigned char>(Peek())) != 0) ++pos_;
    return pos_ - begin >= 3;
  }

  // [+|-]hh[:mm[:ss]], hours 0..167 (RFC 8536 allows 167 in rule times).
  bool ParseClock(seconds& value) {
    int sign = 1;
    if (Take('-')) {
      sign = -1;
    } else {
      Take('+');
    }
    int hours = 0, minutes = 0, secs = 0;
    if (!ParseNumber(hours, 167)) return false;
    if (Take(':')) {
      if (!ParseNumber(minutes, 59)) return false;
      if (Take(':') && !ParseNumber(secs, 59)) return false;
    }
    value = seconds{sign * (hours * 3600 + minutes * 60 + secs)};
    return true;
  }

  // Jn, n or Mm.w.d, then an optional "/time".
  bool ParseRuleDay(RuleDay& day) {
    if (Take('J')) {
      day.kind = RuleDay::Kind::NoLeapDay;
      if (!ParseNumber(day.day, 365) || day.day < 1) return false;
    } else if (Take('M')) {
      day.kind = RuleDay::Kind::MonthWeekDay;
      if (!ParseNumber(day.month, 12) || day.month < 1 || !Take('.') ||
          !ParseNumber(day.week, 5) || day.week < 1 || !Take('.') ||
          !ParseNumber(day.weekday, 6)) {
        return false;
      }
    } else {
      day.kind = RuleDay::Kind::ZeroBased;
      if (!ParseNumber(day.day, 365)) return false;
    }
    if (Take('/')) return ParseClock(day.time);
    return true;
  }

 private:
  // Decimal digits (at least one, at most three) with a value up to `largest`.
  bool ParseNumber(int& value, int largest) {
    const std::size_t begin = pos_;
    value = 0;
    while (pos_ - begin < 3 && std::isdigit(static_cast<unsigned char>(Peek())) != 0) {
      value = value * 10 + (text_[pos_] - '0');
      ++pos_;
    }
    return pos_ > begin && value <= largest;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The rule of a TZ string, or nothing when the text is not one.
std::optional<PosixRule> ParsePosixRule(std::string_view text) {
  RuleText in(text);
  PosixRule rule;
  seconds west{0};
  if (!in.ParseName() || !in.ParseClock(west)) return std::nullopt;
  rule.standard = -west;  // POSIX counts hours west of Greenwich
  if (in.AtEnd()) return rule;
  if (!in.ParseName()) return std::nullopt;
  rule.saving = rule.standard + seconds{3600};  // POSIX default: one hour ahead
  if (in.Peek() != ',' && !in.AtEnd()) {
    if (!in.ParseClock(west)) return std::nullopt;
    rule.saving = -west;
  }
  // A saving name without dates has no rule to follow (tzdata always gives one);
  // it is read as standard time all year.
  if (in.AtEnd()) return rule;
  if (!in.Take(',') || !in.ParseRuleDay(rule.start) || !in.Take(',') ||
      !in.ParseRuleDay(rule.end) || !in.AtEnd()) {
    return std::nullopt;
  }
  rule.hasSaving = true;
  return rule;
}

// The day a rule day falls on in year `y`.
date::sys_days DayOf(const RuleDay& day, date::year y) {
  const date::sys_days january1{y / 1 / 1};
  switch (day.kind) {
    case RuleDay::Kind::NoLeapDay:
      // Jn never counts 29 February: J60 is 1 March in every year
      return january1 + date::days{day.day - 1 + (y.is_leap() && day.day >= 60 ? 1 : 0)};
    case RuleDay::Kind::ZeroBased:
      return january1 + date::days{day.day};
    case RuleDay::Kind::MonthWeekDay:
      break;
  }
  const date::month m{static_cast<unsigned>(day.month)};
  const date::weekday wd{static_cast<unsigned>(day.weekday)};
  if (day.week == 5) return date::sys_days{y / m / wd[date::last]};
  return date::sys_days{y / m / wd[static_cast<unsigned>(day.week)]};
}

// Whether the rule's saving is in force at instant `t` of year `y`. A start after
// the end in the year is a southern-hemisphere rule: saving from the start to the
// end of the next year.
bool SavingAt(const PosixRule& rule, date::year y, SysSeconds t) {
  const SysSeconds start = DayOf(rule.start, y) + rule.start.time - rule.standard;
  const SysSeconds end = DayOf(rule.end, y) + rule.end.time - rule.saving;
  if (start < end) return start <= t && t < end;
  return !(end <= t && t < start);
}

// The TZ string at the end of the tzdata file of `zoneName`: the text between the
// file's last two line feeds, when the file is of version 2 or later.
std::optional<PosixRule> RuleOfZoneFile(const std::string& zoneName) {
  const std::filesystem::path path = std::filesystem::path(kZoneInfoFolder) / zoneName;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestZoneFile) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  // "TZif" and a version byte: '\0' is version 1, which has no TZ string
  if (bytes.size() < 6 || bytes.compare(0, 4, "TZif") != 0 || bytes[4] < '2' ||
      bytes.back() != '\n') {
    return std::nullopt;
  }
  const std::size_t open = bytes.rfind('\n', bytes.size() - 2);
  if (open == std::string::npos) return std::nullopt;
  return ParsePosixRule(std::string_view(bytes).substr(open + 1, bytes.size() - open - 2));
}

// ---------------------------------------------------------------------------
// The listed periods, through date/tz.

bool IsFirstPeriod(const date::sys_info& period) { return period.begin <= kFarPast; }
bool IsLastPeriod(const date::sys_info& period) { return period.end >= kFarFuture; }

// The period before and after `period` (callers check that there is one).
date::sys_info PeriodBefore(const date::time_zone& zone, const date::sys_info& period) {
  return zone.get_info(period.begin - seconds{1});
}
date::sys_info PeriodAfter(const date::time_zone& zone, const date::sys_info& period) {
  return zone.get_info(period.end);
}

// How far the search for the standard time of a saving period goes: the British
// double summer time of 1941-45 ran five years without a period of standard time,
// with two changes a year.
constexpr int kLongestSavingRun = 24;

// The largest saving tzdata lists is two hours (British double summer time,
// Antarctica/Troll). Two periods further apart are not a standard time and its
// saving but a move of the zone (Samoa crossed the date line in a saving period).
constexpr seconds kLargestSaving{3 * 3600};

// Whether `other`, a period marked as standard time, pairs with `period` as its
// standard time or its saving.
bool PairsWith(const date::sys_info& period, const date::sys_info& other) {
  const seconds apart = period.offset - other.offset;
  return -kLargestSaving <= apart && apart <= kLargestSaving;
}

bool IsSaving(const date::sys_info& period) { return period.save != std::chrono::minutes{0}; }

// The standard offset of a listed period, so that the saving is never negative.
// date/tz built on the system files knows only whether a period is marked as
// saving, not by how much, so the standard offset comes from the periods around it.
seconds StandardOf(const date::time_zone& zone, const date::sys_info& period) {
  if (!IsSaving(period)) {
    // a neighbour marked as saving with a smaller offset is tzdata's negative
    // saving (Irish winter time): that smaller offset is the standard
    seconds standard = period.offset;
    if (!IsFirstPeriod(period)) {
      const date::sys_info before = PeriodBefore(zone, period);
      if (IsSaving(before) && PairsWith(period, before)) standard = std::min(standard, before.offset);
    }
    if (!IsLastPeriod(period)) {
      const date::sys_info after = PeriodAfter(zone, period);
      if (IsSaving(after) && PairsWith(period, after)) standard = std::min(standard, after.offset);
    }
    return standard;
  }
  // A saving period: its standard time is the nearest period of standard time,
  // looked for backwards first (the time the clocks were put forward from).
  date::sys_info other = period;
  for (int n = 0; n < kLongestSavingRun && !IsFirstPeriod(other); ++n) {
    other = PeriodBefore(zone, other);
    if (!IsSaving(other)) {
      if (PairsWith(period, other)) return std::min(period.offset, other.offset);
      break;
    }
  }
  other = period;
  for (int n = 0; n < kLongestSavingRun && !IsLastPeriod(other); ++n) {
    other = PeriodAfter(zone, other);
    if (!IsSaving(other)) {
      if (PairsWith(period, other)) return std::min(period.offset, other.offset);
      break;
    }
  }
  return period.offset;  // no standard time near: counted as standard time
}

// tzdata's names for a time before any clock time: "LMT", the local mean time of
// the zone's main city, and "-00", a place without inhabitants then (Antarctic
// stations before their founding).
bool IsPlaceholder(const date::sys_info& period) {
  return period.abbrev == "LMT" || period.abbrev == "-00";
}

ZoneOffset OffsetOf(seconds offset, seconds standard) {
  return {Hours(offset), Hours(standard), Hours(offset - standard)};
}

// The offset at local noon of `day` in a zone date/tz has found.
ZoneOffset OffsetAtNoon(const date::time_zone& zone, date::local_days day) {
  const date::local_seconds noon = day + std::chrono::hours{12};
  const date::local_info local = zone.get_info(noon);
  // noon skipped by a change (Samoa left out 30 December 2011 whole): the period
  // after the gap; noon repeated: the earlier period
  date::sys_info period = local.result == date::local_info::nonexistent ? local.second : local.first;
  // tzdata's placeholder before the first clock time: the first standard time instead
  if (IsFirstPeriod(period) && IsPlaceholder(period)) {
    for (int n = 0; n < kLongestSavingRun && !IsLastPeriod(period); ++n) {
      period = PeriodAfter(zone, period);
      if (!IsSaving(period)) break;
    }
  }

  // After the last listed change the zone's rule for all later years holds.
  const date::sys_info last = zone.get_info(kFarFuture);
  const date::year lastChange = date::year_month_day{date::floor<date::days>(last.begin)}.year();
  const date::year y = date::year_month_day{day}.year();
  if (!IsFirstPeriod(last) && y > lastChange) {
    if (const std::optional<PosixRule> rule = RuleOfZoneFile(zone.name()); rule && rule->hasSaving) {
      // noon read on the summer clock: in force when that instant is in the saving
      const SysSeconds noonOnSummerClock{noon.time_since_epoch() - rule->saving};
      const bool saving = SavingAt(*rule, y, noonOnSummerClock);
      return OffsetOf(saving ? rule->saving : rule->standard, std::min(rule->standard, rule->saving));
    }
  }
  return OffsetOf(period.offset, StandardOf(zone, period));
}

// The zone of `zoneName`, or the reason there is none.
const date::time_zone* FindZone(std::string_view zoneName, std::string& error) {
  try {
    (void)date::get_tzdb();
  } catch (const std::exception& e) {
    error = std::string("The time-zone database could not be read (") + e.what() +
            "). It comes with the Debian package tzdata.";
    return nullptr;
  }
  try {
    return date::locate_zone(zoneName);
  } catch (const std::exception&) {
    error = "The time zone \"" + std::string(zoneName) + "\" is not in the time-zone database.";
    return nullptr;
  }
}

}  // namespace

ZoneLookup ZoneOffsetOn(std::string_view zoneName, std::chrono::year_month_day date) {
  ZoneLookup lookup;
  if (!date.ok()) {
    lookup.error = "The date " + std::to_string(static_cast<int>(date.year())) + "-" +
                   std::to_string(static_cast<unsigned>(date.month())) + "-" +
                   std::to_string(static_cast<unsigned>(date.day())) + " does not exist.";
    return lookup;
  }
  const date::time_zone* zone = FindZone(zoneName, lookup.error);
  if (zone == nullptr) return lookup;
  const date::local_days day{date::days{std::chrono::sys_days{date}.time_since_epoch().count()}};
  try {
    lookup.offset = OffsetAtNoon(*zone, day);
    lookup.ok = true;
  } catch (const std::exception& e) {
    // a damaged zone file
    lookup.error = "The time zone \"" + std::string(zoneName) + "\" could not be read (" +
                   e.what() + ").";
  }
  return lookup;
}

}  // namespace kalnika
