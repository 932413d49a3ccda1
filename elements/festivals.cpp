#include "elements/festivals.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>

#include "elements/precise.h"

namespace kalnika {

namespace {

// Days given to the rules from the one in which the tithi begins: enough for the
// date after the day of its end (a tithi lasts less than 27 hours) and one more
// for the Bhagavata day.
constexpr std::size_t kOccurrenceDays = 5;

// A value of an element from the instant it begins to the instant it ends.
struct ValueSpan {
  int value;
  Span span;
};

// Every value of an element through the days, in order. The first one's beginning
// lies before the first reckoning and is unknown (NaN).
std::vector<ValueSpan> ValueSpans(std::span<const SunriseDay> days, ElementRun SunriseDay::*run) {
  std::vector<ValueSpan> spans;
  double begins = std::nan("");
  for (const SunriseDay& day : days) {
    const ElementRun& r = day.*run;
    // A value current at two reckonings is the same one (an element never goes
    // round its whole circle in a day).
    if (spans.empty() || spans.back().value != r.current.value) {
      spans.push_back({r.current.value, {begins, r.current.end}});
      begins = r.current.end;
    }
    for (const Ending& e : r.skipped) {
      spans.push_back({e.value, {begins, e.end}});
      begins = e.end;
    }
  }
  return spans;
}

// The lunation in which an instant lies, among those of the days.
std::optional<Lunation> LunationOf(std::span<const SunriseDay> days, double jdUt) {
  for (const SunriseDay& day : days)
    for (const Lunation& l : {day.lunation, day.nextLunation})
      if (l.start <= jdUt && jdUt < l.end) return l;
  return std::nullopt;
}

// The month whose festivals a tithi (1..30) of a lunation keeps; none in an added month.
std::optional<int> FestivalMonth(const Lunation& lunation, int tithi) {
  if (lunation.month.kind == MonthKind::Added) return std::nullopt;
  if (lunation.skippedIndex >= 0 && tithi > 15) return lunation.skippedIndex;
  return lunation.month.index;
}

// Bhadra within a tithi: the vishti karana, which is the half-tithis 8, 15, 22, 29,
// 36, 43, 50 and 57 counting 1..60 from the new moon, each 6 degrees of the Moon's
// elongation from the Sun. Tithi t holds half-tithis 2t-1 and 2t.
// (The eight movable karanas repeat from half-tithi 2 to 57, so vishti, the
// seventh, is every seventh from 8.)
bool IsVishti(int halfTithi) { return halfTithi >= 8 && halfTithi <= 57 && halfTithi % 7 == 1; }

std::vector<Span> BhadraWithin(int tithi, const Span& span) {
  const bool inFirst = IsVishti(2 * tithi - 1);
  const bool inSecond = IsVishti(2 * tithi);
  if (!inFirst && !inSecond) return {};
  const double middleDegrees = std::fmod(12.0 * (tithi - 1) + 6.0, 360.0);
  const double middle = CrossingNear(Element::Tithi, middleDegrees, 0.5 * (span.start + span.end));
  return {inFirst ? Span{span.start, middle} : Span{middle, span.end}};
}

// The instants of a date's parts. A date on which the Sun does not rise is reckoned
// from 06:00 local mean time (the sunrise day's reckoning) and its sunset taken
// twelve hours later.
DayInstants InstantsOf(const SunriseDay& day) {
  DayInstants d;
  d.date = day.date;
  d.sunrise = day.sunrise.value_or(day.reckoning);
  d.sunset = day.sunset.value_or(day.reckoning + 0.5);
  d.nextSunrise = day.nextReckoning;
  return d;
}

// The first moonrise on the dates [from, until) of `days` not yet sought (`sought`
// marks them): a moonrise rule looks at the few dates of its tithi only, since a
// moonrise costs as much as a day's sunrise, sunset and elements together.
void AddMoonrises(std::vector<DayInstants>& days, std::vector<bool>& sought, std::size_t from, std::size_t until,
                  GeoPoint place, const Clock& clock) {
  for (std::size_t i = from; i < until && i < days.size(); ++i) {
    if (sought[i]) continue;
    sought[i] = true;
    DayInstants& d = days[i];
    d.moonrise = MoonEventBetween(MoonEvent::Moonrise, clock.MidnightOf(d.date),
                                  clock.MidnightOf(AddDays(d.date, 1)), place);
  }
}

}  // namespace

ObservanceRule RuleOf(const FestivalKey& key, const ObservanceRules& rules) {
  if (key.kind == FestivalKey::Kind::SunEntry) {
    ObservanceRule sankranti;
    sankranti.kind = RuleKind::SunEntry;
    return sankranti;
  }
  const auto it = rules.find(key);
  if (it == rules.end() || it->second.kind == RuleKind::SunEntry) return kSunriseRule;
  return it->second;
}

std::vector<FestivalDay> FestivalsBetween(const CivilDate& first, int count, GeoPoint place, const Clock& clock,
                                          const std::set<FestivalKey>& keys,
                                          const ObservanceRules& rules) {
  if (count <= 0 || keys.empty()) return {};
  const std::vector<SunriseDay> days = ComputeSunriseDays(AddDays(first, -kFestivalMarginDays),
                                                          count + 2 * kFestivalMarginDays, place, clock);
  return FestivalsOfDays(days, count, place, clock, keys, rules);
}

std::vector<FestivalDay> FestivalsOfDays(std::span<const SunriseDay> days, int count, GeoPoint place,
                                         const Clock& clock, const std::set<FestivalKey>& keys,
                                         const ObservanceRules& rules) {
  std::vector<FestivalDay> festivals;
  if (count <= 0 || keys.empty() || days.size() != static_cast<std::size_t>(count + 2 * kFestivalMarginDays))
    return festivals;
  const CivilDate first = days[kFestivalMarginDays].date;
  const CivilDate last = AddDays(first, count - 1);

  // The place's clock enters here only: the sunrise days' civil dates, and the same
  // dates' bounds for their moonrises.
  std::vector<DayInstants> instants;
  instants.reserve(days.size());
  for (const SunriseDay& day : days) instants.push_back(InstantsOf(day));
  std::vector<bool> moonSought(instants.size(), false);

  // The festivals that others follow are sought even without a note of their own.
  std::set<FestivalKey> sought = keys;
  for (const FestivalKey& k : keys)
    if (const ObservanceRule r = RuleOf(k, rules); r.kind == RuleKind::DayAfter) sought.insert(r.follows);

  std::vector<FestivalDay> found;
  const std::vector<ValueSpan> nakshatras = ValueSpans(days, &SunriseDay::nakshatra);
  const std::vector<ValueSpan> tithis = ValueSpans(days, &SunriseDay::tithi);
  for (std::size_t i = 0; i < tithis.size(); ++i) {
    const ValueSpan& t = tithis[i];
    if (std::isnan(t.span.start)) continue;
    const auto begins = std::find_if(instants.begin(), instants.end(), [&t](const DayInstants& d) {
      return d.sunrise <= t.span.start && t.span.start < d.nextSunrise;
    });
    if (begins == instants.end()) continue;
    const auto from = static_cast<std::size_t>(begins - instants.begin());
    if (from + kOccurrenceDays > instants.size()) continue;
    const std::optional<Lunation> lunation = LunationOf(days, 0.5 * (t.span.start + t.span.end));
    const std::optional<int> month = lunation ? FestivalMonth(*lunation, t.value) : std::nullopt;
    if (!month) continue;
    const FestivalKey key{FestivalKey::Kind::LunarTithi, *month, t.value, 0};
    if (!sought.contains(key)) continue;
    const ObservanceRule rule = RuleOf(key, rules);
    if (rule.kind != RuleKind::Tithi) continue;

    TithiOccurrence occurrence;
    occurrence.tithi = t.span;
    // A tithi begins before the sunrise after its first day and lasts less than 27
    // hours: it ends before the third date's midday, and no later date's moonrise
    // can fall within it. The third date's moonrise (on or after its midnight) is
    // sought only when the tithi lasts past that midnight: otherwise it cannot be
    // held there, and the ties look at the first two dates only.
    if (rule.part == DayPart::Moonrise) {
      const bool third = from + 2 < instants.size() && t.span.end > clock.MidnightOf(instants[from + 2].date);
      AddMoonrises(instants, moonSought, from, from + (third ? 3 : 2), place, clock);
    }
    occurrence.days.assign(instants.begin() + static_cast<std::ptrdiff_t>(from),
                           instants.begin() + static_cast<std::ptrdiff_t>(from + kOccurrenceDays));
    if (rule.tieNakshatra)
      for (const ValueSpan& n : nakshatras)
        if (n.value == *rule.tieNakshatra && !std::isnan(n.span.start)) occurrence.nakshatra.push_back(n.span);
    if (rule.outsideBhadra) occurrence.bhadra = BhadraWithin(t.value, t.span);
    if (rule.sardhaTriyama && i + 1 < tithis.size()) occurrence.next = tithis[i + 1].span;

    const std::optional<Observance> chosen = ChooseTithiDay(rule, occurrence);
    if (!chosen) continue;
    std::optional<double> moonrise;
    if (rule.part == DayPart::Moonrise)
      for (const DayInstants& d : occurrence.days)
        if (d.date == chosen->date) moonrise = d.moonrise;
    found.push_back({key, *chosen, moonrise});
    if (rule.bhagavata)
      if (const std::optional<Observance> b = BhagavataDay(*chosen, occurrence)) found.push_back({key, *b, {}});
  }

  // The day after a followed festival (its smarta day).
  for (const FestivalKey& k : keys) {
    const ObservanceRule rule = RuleOf(k, rules);
    if (rule.kind != RuleKind::DayAfter) continue;
    const std::size_t before = found.size();
    for (std::size_t i = 0; i < before; ++i)
      if (found[i].key == rule.follows && found[i].observance.tradition == Tradition::Smarta)
        found.push_back({k, DayAfter(found[i].observance), {}});
  }

  // Sankrantis: from the day in which the Sun enters the sign.
  for (std::size_t i = 0; i < days.size(); ++i) {
    if (!days[i].sunSignEntry) continue;
    const FestivalKey key{FestivalKey::Kind::SunEntry, 0, 1, days[i].sunSignEntry->sign};
    if (!keys.contains(key)) continue;
    const std::vector<DayInstants> after(instants.begin() + static_cast<std::ptrdiff_t>(i), instants.end());
    if (const std::optional<Observance> o = ChooseSunEntryDay(days[i].sunSignEntry->instant, after))
      found.push_back({key, *o, {}});
  }

  for (const FestivalDay& f : found)
    if (keys.contains(f.key) && first <= f.observance.date && f.observance.date <= last) festivals.push_back(f);
  std::stable_sort(festivals.begin(), festivals.end(), [](const FestivalDay& a, const FestivalDay& b) {
    return std::tie(a.observance.date, a.key) < std::tie(b.observance.date, b.key);
  });
  return festivals;
}

}  // namespace kalnika
