#include "almanac/month_values.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "clock/almanac_clock.h"
#include "elements/classic_day.h"
#include "elements/day_details.h"
#include "elements/eras.h"
#include "elements/festivals.h"
#include "elements/observance_rule.h"
#include "elements/sunrise_day.h"

namespace kalnika {

namespace {

constexpr int kFullMoonTithi = 15;
// The classic almanac notes the Kali new year on this day of January.
constexpr int kKaliNewYearDay = 23;
// Kali Yuga began 3179 years before the Shaka era: Kali year = Shaka year + 3179,
// the two counted from the same new year (Chaitra shukla pratipada).
constexpr int kKaliAfterShaka = 3179;

// An instant on the classic almanac's clock: the time of day by the almanac's own
// conversion, the minute its notes show. A fixed clock's zone and box are the
// row's; a zone's clock reads the instant on the offset in force then, so that a
// new moon shown on a row after a change of summer time, or a sign entry noted on
// the day after it, keeps the time the place's clocks showed at that instant.
LocalInstant ClassicAt(double jd, const Clock& clock, const ClassicZone& rowZone) {
  const ClassicZone zone =
      clock.Zoned() ? ClassicZone{static_cast<double>(clock.OffsetAt(jd)) / 3600.0, false} : rowZone;
  LocalInstant at;
  at.jd = jd;
  at.local = LocalDateTimeOf(jd, zone.TimeZone, zone.DaylightSaving, DateRule::ProlepticGregorian);
  at.shown = AlmanacMinute(at.local);
  at.offset = std::llround(zone.Hours() * 3600.0);
  return at;
}

// An instant on the place's clock as the precise method shows it: the offset in
// force at the instant, the nearest minute.
LocalInstant PreciseAt(double jd, const Clock& clock) {
  LocalInstant at;
  at.jd = jd;
  at.local = clock.LocalAt(jd);
  at.shown = NearestMinute(at.local);
  at.offset = clock.OffsetAt(jd);
  return at;
}

DayValues ClassicRow(const MonthRequest& r, int day, const MonthValues& month) {
  DayValues v;
  v.date = {r.year, r.month, day};
  v.weekday = WeekdayNumber(v.date);
  const ClassicZone zone = ClassicZoneOn(r.clock, v.date);
  v.utcOffset = zone.Hours();

  const ClassicDay c = ComputeClassicDay(v.date, r.latitude, r.longitude);
  v.tithi = c.tithi;
  // The daylight-saving box does not move the tithi end; a zone's offset, which
  // holds the summer hour, does.
  v.tithiEnd = {c.tithiEnd, TithiEndClock(v.date, c.tithiEnd, zone.TimeZone)};
  if (v.tithi == 0 || v.tithi == 30) {
    v.phase = MoonPhase::New;
    v.phaseInstant = ClassicAt(month.newMoon, r.clock, zone);
  } else if (v.tithi == kFullMoonTithi) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = ClassicAt(month.fullMoon, r.clock, zone);
  }
  v.sunSign = c.sunSign;
  if (c.signEntry) v.signEntry = SignEntry{c.sunSign, ClassicAt(*c.signEntry, r.clock, zone)};
  v.lunarMonth = c.lunarMonth;
  v.shaka = c.shaka;
  v.samvatsara = c.samvatsara;
  v.vikram = c.vikram;
  v.kaliYear = KaliYear(v.date, zone.TimeZone, zone.DaylightSaving);
  if (v.date.month == 1 && v.date.day == kKaliNewYearDay) v.kaliNewYear = v.kaliYear;
  v.nakshatra = c.nakshatra;
  v.yoga = c.yoga;
  v.moonSign = c.moonSign;
  if (c.sunriseHours) v.sunrise = SunClock(*c.sunriseHours, zone.TimeZone, zone.DaylightSaving);
  if (c.sunsetHours) v.sunset = SunClock(*c.sunsetHours, zone.TimeZone, zone.DaylightSaving);
  v.auspicious = r.auspicious.Note(v.lunarMonth.index, v.tithi);
  return v;
}

// --- Precise method ---

std::vector<ValueEnd> Skipped(const std::vector<Ending>& endings, const Clock& clock) {
  std::vector<ValueEnd> values;
  for (const Ending& e : endings) values.push_back({e.value, PreciseAt(e.end, clock)});
  return values;
}

// The stored note of a festival's key: a lunar month's tithi 1..30 (the new-moon
// tithi 30 also looked up under 0, its number in the classic method), or a
// sankranti's.
const std::string& FestivalNote(const AuspiciousDays& notes, const FestivalKey& key) {
  if (key.kind == FestivalKey::Kind::SunEntry) return notes.SunEntryNote(key.sign);
  const std::string& note = notes.Note(key.month, key.tithi);
  return note.empty() && key.tithi == 30 ? notes.Note(key.month, 0) : note;
}

// The rules of the request, those of its keys and values that are of the grammar.
// The map is in key order, so "MM30" comes after "MM00" and its rule is kept.
ObservanceRules RulesOf(const ObservanceTexts& texts) {
  ObservanceRules rules;
  for (const auto& [keyText, value] : texts) {
    const std::optional<FestivalKey> key = ParseFestivalKey(keyText);
    const std::optional<ObservanceRule> rule = ParseObservanceRule(value);
    if (key && rule) rules.insert_or_assign(*key, *rule);
  }
  return rules;
}

// Every key that has a note: the tithis 1..30 of the twelve months and the signs.
std::set<FestivalKey> NotedKeys(const AuspiciousDays& notes) {
  std::set<FestivalKey> keys;
  for (int month = 0; month < 12; ++month)
    for (int tithi = 1; tithi <= 30; ++tithi) {
      const FestivalKey key{FestivalKey::Kind::LunarTithi, month, tithi, 0};
      if (!FestivalNote(notes, key).empty()) keys.insert(key);
    }
  for (int sign = 0; sign < 12; ++sign)
    if (!notes.SunEntryNote(sign).empty()) keys.insert({FestivalKey::Kind::SunEntry, 0, 1, sign});
  return keys;
}

// The lunation that begins a Shaka year: the first one named Chaitra, which is
// the added Chaitra when there is one.
bool YearsFirstChaitra(const LunarMonth& month) { return month.index == 0 && month.kind != MonthKind::RegularAfterAdded; }

// The Kali (and Shaka) year that begins on a day: the first Chaitra's bright
// pratipada is current at its sunrise and was not at the sunrise before (a
// pratipada current at two sunrises begins the year on the first), or it begins
// and ends within the day, after the day's new moon (Gudhi Padwa on 19 March 2026
// at Mumbai, a year whose rows begin on the 20th).
std::optional<int> PreciseKaliNewYear(const SunriseDay& s, int kaliYear) {
  const bool pratipada = s.values.tithi == 1 || s.values.tithi == 31;
  if (pratipada && YearsFirstChaitra(s.lunation.month) && s.lunation.start >= s.previousReckoning) return kaliYear;
  if (s.newMoon && YearsFirstChaitra(s.nextLunation.month))
    for (const Ending& e : s.tithi.skipped)
      if (e.value == 1 && e.end > *s.newMoon) return kaliYear + 1;
  return std::nullopt;
}

DayValues PreciseRow(const MonthRequest& r, const SunriseDay& s) {
  const Clock& clock = r.clock;
  DayValues v;
  v.date = s.date;
  v.weekday = WeekdayNumber(v.date);
  v.utcOffset = static_cast<double>(clock.OffsetOn(v.date)) / 3600.0;
  // a time of day as the row shows it: the nearest minute, from the row's midnight
  auto since = [&](double jd) { return ClockSince(NearestMinute(clock.LocalAt(jd)), v.date); };
  v.tithi = s.values.tithi;
  v.tithiEnd = {s.tithi.current.end, since(s.tithi.current.end)};
  if (s.newMoon) {
    v.phase = MoonPhase::New;
    v.phaseInstant = PreciseAt(*s.newMoon, clock);
  } else if (s.fullMoon) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = PreciseAt(*s.fullMoon, clock);
  }
  v.lunarMonth = s.lunation.month;
  v.shaka = s.eras.shaka;
  v.samvatsara = s.eras.samvatsara;
  v.vikram = s.eras.vikram;
  v.kaliYear = v.shaka + kKaliAfterShaka;
  v.kaliNewYear = PreciseKaliNewYear(s, v.kaliYear);
  v.nakshatra = s.values.nakshatra;
  v.yoga = s.values.yoga;
  v.moonSign = s.values.moonSign;
  v.sunSign = s.values.sunSign;
  if (s.sunrise) v.sunrise = since(*s.sunrise);
  if (s.sunset) v.sunset = since(*s.sunset);
  if (s.sunSignEntry) v.signEntry = SignEntry{s.sunSignEntry->sign, PreciseAt(s.sunSignEntry->instant, clock)};

  SunriseDayValues& p = v.precise.emplace();
  p.reckoning = PreciseAt(s.reckoning, clock);
  p.sunrise = s.sunrise;
  p.sunset = s.sunset;
  p.nakshatraEnd = PreciseAt(s.nakshatra.current.end, clock);
  p.yogaEnd = PreciseAt(s.yoga.current.end, clock);
  p.moonSignEnd = PreciseAt(s.moonSign.current.end, clock);
  p.skippedTithis = Skipped(s.tithi.skipped, clock);
  p.skippedNakshatras = Skipped(s.nakshatra.skipped, clock);
  p.skippedYogas = Skipped(s.yoga.skipped, clock);
  p.lostMonth = s.lunation.skippedIndex;
  return v;
}

// The festivals of the place file's notes on a run of consecutive rows (a month's,
// or one day's), each on the one day its rule gives (an Ekadashi also on its
// Bhagavata day where that differs), from the almanac days of the rows and one more
// (the Bhagavata day of a smarta Ekadashi on the last row, which tells that row to
// name its tradition) with the festivals' margin on either side.
void AddFestivals(const MonthRequest& r, const std::set<FestivalKey>& keys, std::span<const SunriseDay> days,
                  std::vector<DayValues>& rows) {
  if (keys.empty() || rows.empty()) return;
  const ObservanceRules rules = RulesOf(r.observance);
  const CivilDate first = rows.front().date;
  const int count = static_cast<int>(rows.size());
  const std::vector<FestivalDay> found =
      FestivalsOfDays(days, count + 1, {r.latitude, r.longitude}, r.clock, keys, rules);
  const double firstDay = JulianDay(first);
  for (const FestivalDay& f : found) {
    const int index = static_cast<int>(std::lround(JulianDay(f.observance.date) - firstDay));
    if (index < 0 || index >= count) continue;
    FestivalValue v;
    v.key = f.key;
    v.note = FestivalNote(r.auspicious, f.key);
    v.rule = RuleOf(f.key, rules);
    v.observance = f.observance;
    v.bhagavataDiffers =
        f.observance.tradition == Tradition::Smarta && v.rule.bhagavata &&
        std::any_of(found.begin(), found.end(), [&f](const FestivalDay& b) {
          return b.key == f.key && b.observance.tradition == Tradition::Bhagavata &&
                 b.observance.date == AddDays(f.observance.date, 1);
        });
    if (f.moonrise) v.moonrise = PreciseAt(*f.moonrise, r.clock);
    if (v.rule.kind == RuleKind::DayAfter) v.followedNote = FestivalNote(r.auspicious, v.rule.follows);
    rows[static_cast<std::size_t>(index)].festivals.push_back(std::move(v));
  }
}

TimedSpan Timed(const TimeSpan& span, const Clock& clock) {
  return {PreciseAt(span.start, clock), PreciseAt(span.end, clock)};
}

std::optional<TimedSpan> Timed(const std::optional<TimeSpan>& span, const Clock& clock) {
  if (!span) return std::nullopt;
  return Timed(*span, clock);
}

std::vector<TimedChoghadiya> Timed(const std::optional<std::array<ChoghadiyaSpan, 8>>& spans, const Clock& clock) {
  std::vector<TimedChoghadiya> timed;
  if (spans)
    for (const ChoghadiyaSpan& c : *spans) timed.push_back({static_cast<int>(c.kind), Timed(c.span, clock)});
  return timed;
}

DayPeriodTimes PeriodTimes(const DayPeriods& periods, const Clock& clock) {
  DayPeriodTimes t;
  t.rahuKalam = Timed(periods.rahuKalam, clock);
  t.yamaganda = Timed(periods.yamaganda, clock);
  t.gulikaKalam = Timed(periods.gulikaKalam, clock);
  t.abhijit = Timed(periods.abhijit, clock);
  t.brahmaMuhurta = Timed(periods.brahmaMuhurta, clock);
  for (const TimeSpan& span : periods.durmuhurta) t.durmuhurtas.push_back(Timed(span, clock));
  t.dayChoghadiyas = Timed(periods.dayChoghadiyas, clock);
  t.nightChoghadiyas = Timed(periods.nightChoghadiyas, clock);
  return t;
}

std::optional<EclipseMoment> Moment(const std::optional<EclipseContact>& contact, const Clock& clock) {
  if (!contact) return std::nullopt;
  return EclipseMoment{PreciseAt(contact->instant, clock), contact->bodyUp};
}

std::optional<LocalInstant> At(const std::optional<double>& jd, const Clock& clock) {
  if (!jd) return std::nullopt;
  return PreciseAt(*jd, clock);
}

DayEclipse EclipseOnClock(const Eclipse& e, const Clock& clock) {
  DayEclipse d;
  d.body = e.body;
  d.kind = e.kind;
  d.magnitude = e.magnitude;
  d.begin = *Moment(e.begin, clock);
  d.partialBegin = Moment(e.partialBegin, clock);
  d.centralBegin = Moment(e.centralBegin, clock);
  d.maximum = *Moment(e.maximum, clock);
  d.centralEnd = Moment(e.centralEnd, clock);
  d.partialEnd = Moment(e.partialEnd, clock);
  d.end = *Moment(e.end, clock);
  d.bodyRises = At(e.bodyRises, clock);
  d.bodySets = At(e.bodySets, clock);
  return d;
}

// The value current at the next reckoning, when the day's own one ends before it.
std::optional<ValueEnd> NextValue(const Ending& current, double nextReckoning, const Ending& next, const Clock& clock) {
  if (!(current.end < nextReckoning)) return std::nullopt;
  return ValueEnd{next.value, PreciseAt(next.end, clock)};
}

// The karanas, the values running into the next day, the Moon, the periods and the
// eclipses of a row, from its almanac day and the next one.
void AddDetails(DayValues& v, const SunriseDay& s, const DayDetails& d, const SunriseDay& next,
                const DayDetails& nextDetails, const Clock& clock) {
  SunriseDayValues& p = *v.precise;
  p.details = true;
  p.karana = d.karana.current.value;
  p.karanaEnd = PreciseAt(d.karana.current.end, clock);
  p.skippedKaranas = Skipped(d.karana.skipped, clock);
  p.nextTithi = NextValue(s.tithi.current, s.nextReckoning, next.tithi.current, clock);
  p.nextNakshatra = NextValue(s.nakshatra.current, s.nextReckoning, next.nakshatra.current, clock);
  p.nextYoga = NextValue(s.yoga.current, s.nextReckoning, next.yoga.current, clock);
  p.nextKarana = NextValue(d.karana.current, s.nextReckoning, nextDetails.karana.current, clock);
  p.nextSunrise = At(next.sunrise, clock);
  // Lengths between the shown minutes, on the universal scale (a clock put back
  // in the night does not lengthen it).
  const auto minutes = [](const LocalInstant& from, const LocalInstant& until) {
    return static_cast<int>((LocalSeconds(until.shown) - until.offset - LocalSeconds(from.shown) + from.offset) / 60);
  };
  const std::optional<LocalInstant> sunrise = At(s.sunrise, clock), sunset = At(s.sunset, clock);
  if (sunrise && sunset && *s.sunrise < *s.sunset) p.daytimeMinutes = minutes(*sunrise, *sunset);
  if (sunset && p.nextSunrise && *s.sunset < *next.sunrise) p.nightMinutes = minutes(*sunset, *p.nextSunrise);
  p.moonrise = At(d.moonrise, clock);
  p.moonset = At(d.moonset, clock);
  p.periods = PeriodTimes(d.periods, clock);
  for (const Eclipse& e : d.eclipses) p.eclipses.push_back(EclipseOnClock(e, clock));
}

// The rows of `count` dates from `first`, from their almanac days and one more on
// either side: the evening before the first date (its Brahma muhurta) and the
// morning after the last (its night, the values that run into it). The almanac
// days are computed once for everything the rows need: with festivals, their
// margin on either side. The day pages' values (karanas, the Moon's rising and
// setting, the periods) only where asked; the eclipses always, for the notes.
std::vector<DayValues> PreciseRows(const MonthRequest& r, const CivilDate& first, int count) {
  const GeoPoint place{r.latitude, r.longitude};
  const std::set<FestivalKey> keys = NotedKeys(r.auspicious);
  const int before = keys.empty() ? 1 : kFestivalMarginDays;
  const int after = keys.empty() ? 1 : kFestivalMarginDays + 1;
  const std::vector<SunriseDay> days = ComputeSunriseDays(AddDays(first, -before), before + count + after, place, r.clock);
  if (days.size() != static_cast<std::size_t>(before + count + after)) return {};
  const std::span<const SunriseDay> around(days.data() + before - 1, static_cast<std::size_t>(count + 2));
  const std::vector<DayDetails> details =
      r.dayDetails ? DetailsOfDays(around, place, r.clock) : EclipsesOfDays(around, place);
  std::vector<DayValues> rows;
  rows.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 1; i + 1 < around.size(); ++i) {
    DayValues& v = rows.emplace_back(PreciseRow(r, around[i]));
    if (r.dayDetails)
      AddDetails(v, around[i], details[i], around[i + 1], details[i + 1], r.clock);
    else
      for (const Eclipse& e : details[i].eclipses) v.precise->eclipses.push_back(EclipseOnClock(e, r.clock));
  }
  AddFestivals(r, keys, days, rows);
  return rows;
}

void FillPreciseMonth(const MonthRequest& r, MonthValues& month) {
  if (!MethodCoversYear(Method::Precise, r.year)) return;  // no days
  month.days = PreciseRows(r, {r.year, r.month, 1}, DaysOfMonth(r.year, r.month));
  if (month.days.empty()) return;
  const double first = month.days.front().precise->reckoning.jd;
  month.newMoon = NextNewMoon(first);
  month.fullMoon = NextFullMoon(first);
}

}  // namespace

const std::string& AuspiciousDays::Note(int month, int tithi) const {
  static const std::string none;
  if (month < 0 || month >= 12 || tithi < 0 || tithi >= kTithis) return none;
  return notes_[static_cast<std::size_t>(month * kTithis + tithi)];
}

void AuspiciousDays::Set(int month, int tithi, std::string note) {
  if (month < 0 || month >= 12 || tithi < 0 || tithi >= kTithis) return;
  notes_[static_cast<std::size_t>(month * kTithis + tithi)] = std::move(note);
}

const std::string& AuspiciousDays::SunEntryNote(int sign) const {
  static const std::string none;
  if (sign < 0 || sign >= 12) return none;
  return sunEntryNotes_[static_cast<std::size_t>(sign)];
}

void AuspiciousDays::SetSunEntry(int sign, std::string note) {
  if (sign < 0 || sign >= 12) return;
  sunEntryNotes_[static_cast<std::size_t>(sign)] = std::move(note);
}

bool MethodCoversYear(Method method, int year) {
  return method == Method::Classic || (year >= kEphemerisFirstYear && year <= kEphemerisLastYear);
}

std::optional<DayValues> ComputeDay(const DayRequest& request) {
  if (!MethodCoversYear(Method::Precise, request.date.year)) return std::nullopt;
  MonthRequest r;
  r.year = request.date.year;
  r.month = request.date.month;
  r.latitude = request.latitude;
  r.longitude = request.longitude;
  r.clock = request.clock;
  r.method = Method::Precise;
  r.auspicious = request.auspicious;
  r.observance = request.observance;
  r.dayDetails = true;
  std::vector<DayValues> rows = PreciseRows(r, request.date, 1);
  if (rows.empty()) return std::nullopt;
  return std::move(rows.front());
}

MonthValues ComputeMonth(const MonthRequest& request) {
  MonthValues month;
  month.year = request.year;
  month.month = request.month;
  month.yearText = request.yearText.empty() ? std::to_string(request.year) : request.yearText;
  month.method = request.method;

  if (request.method == Method::Precise) {
    FillPreciseMonth(request, month);
    return month;
  }

  const ClassicPhases phases = ClassicMonthPhases(request.year, request.month);
  month.newMoon = phases.newMoon;
  month.fullMoon = phases.fullMoon;
  const int n = DaysOfMonth(request.year, request.month);
  month.days.reserve(static_cast<std::size_t>(n));
  for (int day = 1; day <= n; ++day) month.days.push_back(ClassicRow(request, day, month));
  return month;
}

}  // namespace kalnika
