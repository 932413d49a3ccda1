#include "elements/observance.h"

#include <algorithm>
#include <cstddef>

namespace kalnika {

namespace {

// Arunodaya is four ghatis before sunrise; a ghati is 24 minutes (60 to a day).
constexpr double kArunodayaDays = 4.0 * 24.0 / 1440.0;
// Three and a half of the daytime's four yamas (praharas).
constexpr double kSardhaTriyamaShare = 3.5 / 4.0;

// Length of the overlap of two spans, days (0 when they do not meet).
double Overlap(const Span& a, const Span& b) {
  return std::max(0.0, std::min(a.end, b.end) - std::max(a.start, b.start));
}

bool Holds(const Span& span, double instant) { return span.start <= instant && instant < span.end; }

// Whether any of `spans` holds at the part (meets it, or holds at its instant).
bool AnyAt(const Span& part, const std::vector<Span>& spans) {
  return std::any_of(spans.begin(), spans.end(), [&part](const Span& s) {
    return part.end == part.start ? Holds(s, part.start) : Overlap(part, s) > 0.0;
  });
}

}  // namespace

std::optional<Span> PartOfDay(DayPart part, const DayInstants& day) {
  const double dayLength = day.sunset - day.sunrise;
  const double night = day.nextSunrise - day.sunset;
  switch (part) {
    case DayPart::Sunrise: return Span{day.sunrise, day.sunrise};
    case DayPart::Morning: return Span{day.sunrise, day.sunrise + dayLength / 2.0};
    case DayPart::Midday: return Span{day.sunrise + 2.0 * dayLength / 5.0, day.sunrise + 3.0 * dayLength / 5.0};
    case DayPart::Afternoon: return Span{day.sunrise + 3.0 * dayLength / 5.0, day.sunrise + 4.0 * dayLength / 5.0};
    case DayPart::Dusk: return Span{day.sunset, day.sunset + night / 5.0};
    case DayPart::Midnight: return Span{day.sunset + 7.0 * night / 15.0, day.sunset + 8.0 * night / 15.0};
    case DayPart::Moonrise:
      if (!day.moonrise) return std::nullopt;
      return Span{*day.moonrise, *day.moonrise};
    case DayPart::Arunodaya: break;
  }
  return Span{day.sunrise - kArunodayaDays, day.sunrise - kArunodayaDays};
}

// The excluded spans are taken as disjoint (Bhadra is one half-tithi in four).
double Coverage(const Span& part, const Span& tithi, const std::vector<Span>& excluded) {
  if (part.end == part.start) {
    const bool out = std::any_of(excluded.begin(), excluded.end(),
                                 [&part](const Span& e) { return Holds(e, part.start); });
    return Holds(tithi, part.start) && !out ? 1.0 : 0.0;
  }
  const Span both{std::max(part.start, tithi.start), std::min(part.end, tithi.end)};
  if (both.end <= both.start) return 0.0;
  double covered = both.end - both.start;
  for (const Span& e : excluded) covered -= Overlap(both, e);
  return std::max(0.0, covered) / (part.end - part.start);
}

std::optional<Observance> ChooseTithiDay(const ObservanceRule& rule, const TithiOccurrence& occurrence) {
  const std::vector<DayInstants>& days = occurrence.days;
  const Span& tithi = occurrence.tithi;
  const auto begins = std::find_if(days.begin(), days.end(), [&tithi](const DayInstants& d) {
    return d.sunrise <= tithi.start && tithi.start < d.nextSunrise;
  });
  if (begins == days.end() || days.back().sunrise < tithi.end) return std::nullopt;
  const auto first = static_cast<std::size_t>(begins - days.begin());  // < days.size() - 1

  // Shares of each day's part that the tithi covers, and the days on which it holds there.
  auto sharesOutside = [&](const std::vector<Span>& excluded) {
    std::vector<double> shares;
    for (const DayInstants& d : days) {
      const std::optional<Span> part = PartOfDay(rule.part, d);
      shares.push_back(part ? Coverage(*part, tithi, excluded) : 0.0);
    }
    return shares;
  };
  std::vector<double> shares = sharesOutside(rule.outsideBhadra ? occurrence.bhadra : std::vector<Span>{});
  bool afterBhadra = false;
  if (rule.outsideBhadra && std::all_of(shares.begin(), shares.end(), [](double s) { return s == 0.0; })) {
    std::vector<double> inBhadra = sharesOutside({});
    afterBhadra = std::any_of(inBhadra.begin(), inBhadra.end(), [](double s) { return s > 0.0; });
    if (afterBhadra) shares = inBhadra;
  }
  std::vector<std::size_t> held;
  for (std::size_t i = 0; i < days.size(); ++i)
    if (shares[i] > 0.0) held.push_back(i);

  auto observed = [&](std::size_t i, Reason reason) {
    return Observance{days[i].date, rule.part, afterBhadra ? Reason::AfterBhadra : reason, Tradition::Smarta};
  };
  if (held.size() == 1) {
    const std::size_t only = held.front();
    if (rule.sardhaTriyama && only == first && occurrence.next) {
      const DayInstants& second = days[first + 1];
      const bool lasts = tithi.end > second.sunrise + kSardhaTriyamaShare * (second.sunset - second.sunrise);
      const bool growing = occurrence.next->end - occurrence.next->start > tithi.end - tithi.start;
      if (lasts && growing) return observed(first + 1, Reason::SardhaTriyama);
    }
    return observed(only, Reason::OnlyDay);
  }

  // A tie: the two days on which the tithi holds at the part (a tithi lasts less
  // than 27 hours, so a part recurring daily is met on two days at most), or, when
  // it holds there on none, the day in which it begins and the next.
  const bool neither = held.empty();
  const std::size_t one = neither ? first : held[0];
  const std::size_t two = neither ? first + 1 : held[1];

  if (rule.tieNakshatra) {
    auto nakshatraAt = [&](std::size_t i) {
      const std::optional<Span> part = PartOfDay(rule.part, days[i]);
      return part && AnyAt(*part, occurrence.nakshatra);
    };
    const bool atOne = nakshatraAt(one), atTwo = nakshatraAt(two);
    if (atOne != atTwo) return observed(atOne ? one : two, Reason::Nakshatra);
  }

  if (neither)
    return rule.notHeld == NotHeld::FirstDay ? observed(one, Reason::NeitherFirst)
                                             : observed(two, Reason::NeitherSecond);
  switch (rule.tie) {
    case Tie::MoreCoverage:
      if (shares[two] > shares[one]) return observed(two, Reason::MoreCoverage);
      return observed(one, shares[one] > shares[two] ? Reason::MoreCoverage : Reason::FirstOfTwo);
    case Tie::FirstDay: return observed(one, Reason::FirstOfTwo);
    case Tie::SecondDay: break;
  }
  return observed(two, Reason::SecondOfTwo);
}

std::optional<Observance> BhagavataDay(const Observance& smarta, const TithiOccurrence& occurrence) {
  const std::vector<DayInstants>& days = occurrence.days;
  const auto on = std::find_if(days.begin(), days.end(),
                               [&smarta](const DayInstants& d) { return d.date == smarta.date; });
  if (on == days.end() || on + 1 == days.end()) return std::nullopt;
  const CivilDate next = (on + 1)->date;
  if (on->sunrise - kArunodayaDays < occurrence.tithi.start)
    return Observance{next, DayPart::Arunodaya, Reason::DashamiAtArunodaya, Tradition::Bhagavata};
  if (Holds(occurrence.tithi, (on + 1)->sunrise))
    return Observance{next, DayPart::Sunrise, Reason::EkadashiAtTwoSunrises, Tradition::Bhagavata};
  return std::nullopt;
}

std::optional<Observance> ChooseSunEntryDay(double entry, const std::vector<DayInstants>& days) {
  // An entry before the sunset preceding the first day's belongs to an earlier date.
  if (days.empty() || entry < days.front().sunset - 1.0) return std::nullopt;
  const auto after = std::find_if(days.begin(), days.end(),
                                  [entry](const DayInstants& d) { return entry < d.sunset; });
  if (after == days.end()) return std::nullopt;
  return Observance{after->date, DayPart::Sunrise, Reason::SunEntry, Tradition::Smarta};
}

Observance DayAfter(const Observance& followed) {
  return Observance{AddDays(followed.date, 1), DayPart::Sunrise, Reason::DayAfter, followed.tradition};
}

}  // namespace kalnika
