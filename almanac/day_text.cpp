#include "almanac/day_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "almanac/clock_text.h"
#include "almanac/name_tables.h"

namespace kalnika {

namespace {

// Hours from the row's midnight within which the page writes a clock alone.
constexpr int kClockHours = 30;

template <std::size_t N>
const std::string& Name(const std::array<std::string, N>& table, int index) {
  static const std::string empty;
  return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)] : empty;
}

// A stored text without the blanks that spaced it in the old font's cells.
std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Texts joined by single blanks, the empty ones left out.
std::string Words(std::initializer_list<std::string> words) {
  std::string joined;
  for (const std::string& word : words) {
    const std::string w = Trimmed(word);
    if (w.empty()) continue;
    if (!joined.empty()) joined += ' ';
    joined += w;
  }
  return joined;
}

}  // namespace

DayClock DayClockOf(const DayValues& day, const ClockTime& since, double jdUt) {
  // Whole minutes of the universal scale: the shown minute less the clock's offset.
  const auto minute = [](double jd) { return std::llround(jd * 1440.0); };
  const bool withinDay = day.precise && day.precise->nextSunrise
                             ? minute(jdUt) <= minute(day.precise->nextSunrise->jd)
                             : since.hours < kClockHours;
  if (since.hours >= 0 && withinDay) return {{}, {}, ClockText(since)};
  const LocalDateTime at = LocalOfClock(since, day.date);
  return {std::to_string(at.date.day), Name(GregorianMonthNames, at.date.month - 1),
          ClockText({at.hour, at.minute})};
}

namespace {

std::string TithiName(int tithi) { return Words({FortnightText(tithi), Name(TithiNames, TithiNameIndex(tithi))}); }

// The lines of a limb: each value with its end and "until", the limb's name on the first.
void AddLimb(DaySection& section, const std::string& label, const std::vector<LimbValue>& values) {
  for (std::size_t i = 0; i < values.size(); ++i)
    section.lines.push_back({i == 0 ? label : "", values[i].name, std::nullopt, values[i].endClock, kUntilWord});
}

DayLine SpanLine(const DayValues& day, const std::string& label, const std::optional<TimedSpan>& span) {
  if (!span) return {label, kNoneWord, std::nullopt, std::nullopt, {}};
  return {label, {}, DayClockOf(day, span->start), DayClockOf(day, span->end), {}};
}

DaySection ChoghadiyaSection(const DayValues& day, const char* title, const std::vector<TimedChoghadiya>& spans) {
  DaySection section{title, {}};
  for (const TimedChoghadiya& c : spans)
    section.lines.push_back(
        {Name(ChoghadiyaNames, c.kind), {}, DayClockOf(day, c.span.start), DayClockOf(day, c.span.end), {}});
  if (spans.empty()) section.lines.push_back({{}, kNoneWord, std::nullopt, std::nullopt, {}});
  return section;
}

const char* KindWord(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Total: return kTotalWord;
    case EclipseKind::Annular: return kAnnularWord;
    case EclipseKind::Penumbral: return kPenumbralWord;
    case EclipseKind::Hybrid:  // a place sees a hybrid eclipse as total, annular or partial
    case EclipseKind::Partial: break;
  }
  return kPartialWord;
}

}  // namespace

DayClock DayClockOf(const DayValues& day, const LocalInstant& at) {
  return DayClockOf(day, ClockSince(at.shown, day.date), at.jd);
}

std::vector<LimbValue> LimbValues(const DayValues& day, Limb limb) {
  std::vector<LimbValue> values;
  if (!day.precise) return values;
  const SunriseDayValues& p = *day.precise;
  std::string (*name)(int) = nullptr;
  const std::vector<ValueEnd>* skipped = nullptr;
  const std::optional<ValueEnd>* next = nullptr;
  switch (limb) {
    case Limb::Tithi:
      name = TithiName;
      values.push_back({day.tithi, {}, day.tithiEnd.jd, DayClockOf(day, day.tithiEnd.clock, day.tithiEnd.jd)});
      skipped = &p.skippedTithis;
      next = &p.nextTithi;
      break;
    case Limb::Nakshatra:
      name = [](int v) { return Trimmed(Name(NaxatraNames, v)); };
      values.push_back({day.nakshatra, {}, p.nakshatraEnd.jd, DayClockOf(day, p.nakshatraEnd)});
      skipped = &p.skippedNakshatras;
      next = &p.nextNakshatra;
      break;
    case Limb::Yoga:
      name = [](int v) { return Trimmed(Name(YogaNames, v)); };
      values.push_back({day.yoga, {}, p.yogaEnd.jd, DayClockOf(day, p.yogaEnd)});
      skipped = &p.skippedYogas;
      next = &p.nextYoga;
      break;
    case Limb::Karana:
      name = [](int v) { return Trimmed(Name(KaranaNames, v)); };
      values.push_back({p.karana, {}, p.karanaEnd.jd, DayClockOf(day, p.karanaEnd)});
      skipped = &p.skippedKaranas;
      next = &p.nextKarana;
      break;
  }
  for (const ValueEnd& v : *skipped) values.push_back({v.value, {}, v.end.jd, DayClockOf(day, v.end)});
  if (*next) values.push_back({(*next)->value, {}, (*next)->end.jd, DayClockOf(day, (*next)->end)});
  for (LimbValue& v : values) v.name = name(v.value);
  return values;
}

std::string LengthText(int minutes) {
  return ClockText({minutes / 60, minutes % 60});
}

std::string EclipseName(const DayEclipse& eclipse) {
  return std::string(KindWord(eclipse.kind)) + " " +
         (eclipse.body == EclipseBody::Sun ? kSolarEclipseWord : kLunarEclipseWord);
}

std::vector<EclipseMomentText> EclipseMoments(const DayEclipse& e) {
  std::vector<EclipseMomentText> moments;
  // A lunar eclipse with an umbral phase begins, for almanacs, where the Moon
  // enters the umbra; its penumbral contacts are not listed.
  const bool umbral = e.body == EclipseBody::Moon && e.partialBegin && e.partialEnd;
  moments.push_back({kFirstContactWord, umbral ? *e.partialBegin : e.begin});
  if (e.centralBegin) moments.push_back({kTotalityBeginsWord, *e.centralBegin});
  moments.push_back({kMaximumWord, e.maximum});
  if (e.centralEnd) moments.push_back({kTotalityEndsWord, *e.centralEnd});
  moments.push_back({kLastContactWord, umbral ? *e.partialEnd : e.end});
  if (e.bodyRises) moments.push_back({kRisesEclipsedWord, {*e.bodyRises, true}});
  if (e.bodySets) moments.push_back({kSetsEclipsedWord, {*e.bodySets, true}});
  std::stable_sort(moments.begin(), moments.end(), [](const EclipseMomentText& a, const EclipseMomentText& b) {
    return a.moment.at.jd < b.moment.at.jd;
  });
  return moments;
}

std::string EclipseNote(const DayValues& day, const DayEclipse& eclipse) {
  const std::vector<EclipseMomentText> moments = EclipseMoments(eclipse);
  std::string note = EclipseName(eclipse);
  for (const EclipseMomentText& m : moments)
    if (m.word == kFirstContactWord || m.word == kLastContactWord)
      note += " " + std::string(m.word) + " " + ClockText(ClockSince(m.moment.at.shown, day.date));
  return note + " ";
}

std::string MagnitudeText(double magnitude) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", magnitude);
  std::string stored(text);
  std::replace(stored.begin(), stored.end(), '.', '&');
  return stored;
}

DayPage FormatDayPage(const DayValues& day) {
  DayPage page;
  page.weekday = Name(WeekdayNames, day.weekday);
  page.day = std::to_string(day.date.day);
  page.month = Name(GregorianMonthNames, day.date.month - 1);
  page.year = std::to_string(day.date.year);
  const LunarMonth& lunar = day.lunarMonth;
  std::string month = Words({lunar.kind == MonthKind::Added               ? kAddedMonthPrefix
                             : lunar.kind == MonthKind::RegularAfterAdded ? kRegularAfterAddedPrefix
                                                                          : "",
                             Name(MaasNames, lunar.index)});
  if (day.precise && day.precise->lostMonth >= 0) month += "-" + Name(MaasNames, day.precise->lostMonth);
  page.lunarDay = Words({month, TithiName(day.tithi)});
  page.eras = Words({ColumnHeadings[IndexOf(Column::Shaka)], std::to_string(day.shaka),
                     Name(SamvatsaraNames, day.samvatsara)}) +
              "  " + kVikramPrefix + std::to_string(day.vikram);
  page.notes = NotesColumn(day);
  if (!day.precise) return page;
  const SunriseDayValues& p = *day.precise;

  DaySection& limbs = page.sections.emplace_back(DaySection{kPanchangWord, {}});
  const auto heading = [](Column column) { return ColumnHeadings[IndexOf(column)]; };
  AddLimb(limbs, heading(Column::Tithi), LimbValues(day, Limb::Tithi));
  limbs.lines.push_back({heading(Column::Weekday), Name(WeekdayNames, day.weekday), std::nullopt, std::nullopt, {}});
  AddLimb(limbs, heading(Column::Nakshatra), LimbValues(day, Limb::Nakshatra));
  AddLimb(limbs, heading(Column::Yoga), LimbValues(day, Limb::Yoga));
  AddLimb(limbs, kKaranaWord, LimbValues(day, Limb::Karana));

  DaySection& sky = page.sections.emplace_back(DaySection{kSunAndMoonWord, {}});
  const auto moment = [&](const std::string& label, std::optional<DayClock> clock) {
    sky.lines.push_back({label, clock ? std::string() : kNoneWord, std::nullopt, clock, {}});
  };
  moment(heading(Column::Sunrise), day.sunrise && p.sunrise ? std::optional(DayClockOf(day, *day.sunrise, *p.sunrise)) : std::nullopt);
  moment(heading(Column::Sunset), day.sunset && p.sunset ? std::optional(DayClockOf(day, *day.sunset, *p.sunset)) : std::nullopt);
  moment(kMoonriseWord, p.moonrise ? std::optional(DayClockOf(day, *p.moonrise)) : std::nullopt);
  moment(kMoonsetWord, p.moonset ? std::optional(DayClockOf(day, *p.moonset)) : std::nullopt);
  const auto length = [](const std::optional<int>& minutes) {
    return minutes ? std::optional(DayClock{{}, {}, LengthText(*minutes)}) : std::nullopt;
  };
  moment(kDaytimeWord, length(p.daytimeMinutes));
  moment(kNightWord, length(p.nightMinutes));

  DaySection& periods = page.sections.emplace_back(DaySection{kMuhurtaWord, {}});
  const DayPeriodTimes& t = p.periods;
  periods.lines.push_back(SpanLine(day, kRahuKalamWord, t.rahuKalam));
  periods.lines.push_back(SpanLine(day, kYamagandaWord, t.yamaganda));
  periods.lines.push_back(SpanLine(day, kGulikaWord, t.gulikaKalam));
  periods.lines.push_back(SpanLine(day, kAbhijitWord, t.abhijit));
  periods.lines.push_back(SpanLine(day, kBrahmaMuhurtaWord, t.brahmaMuhurta));
  for (std::size_t i = 0; i < t.durmuhurtas.size(); ++i)
    periods.lines.push_back(SpanLine(day, i == 0 ? kDurmuhurtaWord : "", t.durmuhurtas[i]));
  if (t.durmuhurtas.empty()) periods.lines.push_back(SpanLine(day, kDurmuhurtaWord, std::nullopt));

  page.sections.push_back(ChoghadiyaSection(day, kDayChoghadiyaWord, t.dayChoghadiyas));
  page.sections.push_back(ChoghadiyaSection(day, kNightChoghadiyaWord, t.nightChoghadiyas));

  if (!p.eclipses.empty()) {
    DaySection& eclipses = page.sections.emplace_back(DaySection{kEclipseWord, {}});
    for (const DayEclipse& e : p.eclipses) {
      eclipses.lines.push_back({EclipseName(e), {}, std::nullopt, std::nullopt, {}});
      eclipses.lines.push_back({kMagnitudeWord, MagnitudeText(e.magnitude), std::nullopt, std::nullopt, {}});
      for (const EclipseMomentText& m : EclipseMoments(e))
        eclipses.lines.push_back(
            {std::string(m.word), {}, std::nullopt, DayClockOf(day, m.moment.at), m.moment.bodyUp ? "" : kBelowHorizonWord});
    }
  }
  return page;
}

}  // namespace kalnika
