#include "clock/time_zone.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kalnika {

namespace {

// How far the search for the standard time of a saving period goes: the British
// double summer time of 1941-45 ran five years without a period of standard time,
// with two changes a year.
constexpr int kLongestSavingRun = 24;

// The largest saving tzdata lists is two hours (British double summer time,
// Antarctica/Troll). Two periods further apart are not a standard time and its
// saving but a move of the zone (Samoa crossed the date line in a saving period).
constexpr std::int64_t kLargestSaving = 3 * 3600;

// A day either side of a local time holds every period it can fall in: offsets lie
// within -25 and +26 hours.
constexpr std::int64_t kLocalSearch = 26 * 3600;

double Hours(std::int64_t seconds) { return static_cast<double>(seconds) / 3600.0; }

bool PairsWith(const ZonePeriod& period, const ZonePeriod& other) {
  const std::int64_t apart = period.offset - other.offset;
  return -kLargestSaving <= apart && apart <= kLargestSaving;
}

// tzdata's names for a time before any clock time: "LMT", the local mean time of
// the zone's main city, and "-00", a place without inhabitants then (Antarctic
// stations before their founding).
bool IsPlaceholder(const ZonePeriod& period) {
  return period.abbreviation == "LMT" || period.abbreviation == "-00";
}

// The period whose clock a date in period `i` gets: the period itself, or for
// tzdata's placeholder before the first clock time the first standard time after.
std::size_t ClockPeriod(const ZoneRules& zone, std::size_t i) {
  const std::vector<ZonePeriod>& p = zone.periods();
  if (i != 0 || !IsPlaceholder(p[0])) return i;
  for (int n = 0; n < kLongestSavingRun && i + 1 < p.size(); ++n) {
    ++i;
    if (!p[i].saving) break;
  }
  return i;
}

// The standard offset of a listed period, so that the saving is never negative.
// tzdata's files say only whether a period is marked as summer time, not by how
// much, so the standard offset comes from the periods around it.
std::int64_t StandardOf(const ZoneRules& zone, std::size_t i) {
  const std::vector<ZonePeriod>& p = zone.periods();
  const ZonePeriod& period = p[i];
  if (!period.saving) {
    // a neighbour marked as summer time with a smaller offset is tzdata's negative
    // saving (Irish winter time): that smaller offset is the standard
    std::int64_t standard = period.offset;
    if (i > 0 && p[i - 1].saving && PairsWith(period, p[i - 1])) standard = std::min(standard, p[i - 1].offset);
    if (i + 1 < p.size() && p[i + 1].saving && PairsWith(period, p[i + 1]))
      standard = std::min(standard, p[i + 1].offset);
    return standard;
  }
  // A summer period: its standard time is the nearest period of standard time,
  // looked for backwards first (the time the clocks were put forward from).
  for (std::size_t j = i, n = 0; j > 0 && n < kLongestSavingRun; ++n) {
    --j;
    if (!p[j].saving) {
      if (PairsWith(period, p[j])) return std::min(period.offset, p[j].offset);
      break;
    }
  }
  for (std::size_t j = i, n = 0; j + 1 < p.size() && n < kLongestSavingRun; ++n) {
    ++j;
    if (!p[j].saving) {
      if (PairsWith(period, p[j])) return std::min(period.offset, p[j].offset);
      break;
    }
  }
  return period.offset;  // no standard time near: counted as standard time
}

ZoneOffset OffsetOf(std::int64_t offset, std::int64_t standard) {
  return {Hours(offset), Hours(standard), Hours(offset - standard)};
}

// The period holding a local time (seconds since 1970-01-01 0 h on the local
// clock): the earlier one of a repeated hour, the one after the gap of a skipped
// hour (Samoa left out 30 December 2011 whole).
std::size_t PeriodAtLocal(const ZoneRules& zone, std::int64_t local) {
  const std::vector<ZonePeriod>& p = zone.periods();
  const std::size_t first = zone.PeriodAt(local - kLocalSearch);
  const std::size_t last = zone.PeriodAt(local + kLocalSearch);
  for (std::size_t i = first; i <= last; ++i) {
    const bool afterBegin = p[i].begin == ZonePeriod::kFirst || p[i].begin + p[i].offset <= local;
    const bool beforeEnd = p[i].end == ZonePeriod::kLast || local < p[i].end + p[i].offset;
    if (afterBegin && beforeEnd) return i;
  }
  for (std::size_t i = first; i <= last; ++i)
    if (p[i].begin != ZonePeriod::kFirst && p[i].begin + p[i].offset > local) return i;
  return last;
}

}  // namespace

ZoneOffset ZoneOffsetOn(const ZoneRules& zone, std::chrono::year_month_day date) {
  const std::int64_t noon =
      static_cast<std::int64_t>(std::chrono::sys_days{date}.time_since_epoch().count()) * 86400 + 12 * 3600;
  const std::size_t i = PeriodAtLocal(zone, noon);
  // After the last listed change the zone's rule for all later years holds.
  if (i + 1 == zone.periods().size() && zone.rule()) {
    const PosixRule& rule = *zone.rule();
    if (!rule.hasSaving) return OffsetOf(rule.standard, rule.standard);
    // noon read on the summer clock: in force when that instant is in summer time
    const bool saving = OffsetOfRule(rule, noon - rule.saving).saving;
    return OffsetOf(saving ? rule.saving : rule.standard, std::min(rule.standard, rule.saving));
  }
  const std::size_t clock = ClockPeriod(zone, i);
  return OffsetOf(zone.periods()[clock].offset, StandardOf(zone, clock));
}

std::int64_t ZoneOffsetAt(const ZoneRules& zone, std::int64_t utSeconds) {
  const std::size_t i = zone.PeriodAt(utSeconds);
  if (i + 1 == zone.periods().size() && zone.rule()) return OffsetOfRule(*zone.rule(), utSeconds).seconds;
  return zone.periods()[ClockPeriod(zone, i)].offset;
}

std::int64_t ZoneUtOfLocal(const ZoneRules& zone, std::int64_t localSeconds) {
  // The offsets near the local time: every instant that shows it has one of them.
  std::vector<std::int64_t> offsets;
  for (const std::int64_t near : {localSeconds - kLocalSearch, localSeconds, localSeconds + kLocalSearch}) {
    const std::int64_t offset = ZoneOffsetAt(zone, near);
    if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end()) offsets.push_back(offset);
  }
  std::optional<std::int64_t> first;
  for (const std::int64_t offset : offsets) {
    const std::int64_t ut = localSeconds - offset;
    if (ZoneOffsetAt(zone, ut) == offset && (!first || ut < *first)) first = ut;
  }
  if (first) return *first;
  // Skipped: between the instant on the earlier offset and the one on the later
  // offset lies the change; it is the first instant whose clock shows a later time.
  std::int64_t lo = localSeconds - *std::max_element(offsets.begin(), offsets.end());
  std::int64_t hi = localSeconds - *std::min_element(offsets.begin(), offsets.end());
  while (hi - lo > 1) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    (mid + ZoneOffsetAt(zone, mid) > localSeconds ? hi : lo) = mid;
  }
  return hi;
}

ZoneLookup ZoneOffsetOn(std::string_view zoneName, std::chrono::year_month_day date) {
  ZoneLookup lookup;
  if (!date.ok()) {
    lookup.error = "The date " + std::to_string(static_cast<int>(date.year())) + "-" +
                   std::to_string(static_cast<unsigned>(date.month())) + "-" +
                   std::to_string(static_cast<unsigned>(date.day())) + " does not exist.";
    return lookup;
  }
  const ZoneLoad load = ZoneRules::Load(zoneName);
  if (!load.rules) {
    lookup.error = load.error;
    return lookup;
  }
  lookup.offset = ZoneOffsetOn(*load.rules, date);
  lookup.ok = true;
  return lookup;
}

}  // namespace kalnika
