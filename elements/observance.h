#pragma once
// Observance rules: the civil date on which a festival is kept. A festival of a
// tithi is kept on the day on which its tithi prevails at the festival's time of
// day (its karmakala: sunrise, midday, dusk, midnight, moonrise ...), not simply on
// the day whose sunrise has it. Where the tithi holds at that part of the day on
// two days, or on none, the festival's tradition breaks the tie. A rule is a value
// (ObservanceRule), one per festival, read from the place file's [OBSERVANCE]
// section (observance_rule.h); these functions apply it to instants and return a
// value (the date and the reason), never a text. docs/festivals.md gives each
// festival's rule with its sources.
//
// Days and nights: the day runs from sunrise to sunset, the night from sunset to
// the next sunrise, both divided into equal parts (the Hindu hours are unequal
// hours). Every instant is a Julian Day in universal time.

#include <compare>
#include <optional>
#include <vector>

#include "calendar/calendar.h"

namespace kalnika {

// The part of a civil date's day or night at which a tithi must prevail.
enum class DayPart {
  Sunrise,    // udaya: the instant of sunrise
  Morning,    // purvahna: the first half of the day, sunrise to midday
  Midday,     // madhyahna: the third of the day's five equal parts
  Afternoon,  // aparahna: the fourth of the day's five parts
  Dusk,       // pradosha: the first fifth of the night (three of its fifteen muhurtas)
  Midnight,   // nishitha: the eighth of the night's fifteen muhurtas
  Moonrise,   // chandrodaya: the instant the Moon rises on the civil date
  Arunodaya,  // dawn: four ghatis (96 minutes) before sunrise
};

// How a festival's tradition chooses when its tithi holds at the part on two days.
enum class Tie {
  MoreCoverage,  // the day on which it holds over more of the part; the first when equal
  FirstDay,      // the first
  SecondDay,     // the second (it holds at the part there too)
};

// How it chooses when the tithi holds at the part on no day: between the day in
// whose day (sunrise to the next sunrise) the tithi begins and the next one.
enum class NotHeld {
  FirstDay,   // the day in which it begins
  SecondDay,  // the next day (the one whose sunrise it holds at, unless it is lost)
};

// What a festival row of the place file is keyed by: a tithi of a lunar month, or
// the Sun's entry into a sidereal sign (a sankranti).
struct FestivalKey {
  enum class Kind { LunarTithi, SunEntry };
  Kind kind = Kind::LunarTithi;
  int month = 0;  // LunarTithi: 0..11, 0 = Chaitra (amanta months)
  int tithi = 1;  // LunarTithi: 1..30, 30 = the new moon
  int sign = 0;   // SunEntry: 0..11, 0 = Mesha
  friend auto operator<=>(const FestivalKey&, const FestivalKey&) = default;
};

enum class RuleKind {
  Tithi,     // the tithi of the key, at a part of the day, with a tie rule
  DayAfter,  // the day after another festival's day (Dhulivandan after Holika Dahan)
  SunEntry,  // the day of the Sun's entry into the key's sign if it comes before
             // that day's sunset, else the next day
};

struct ObservanceRule {
  RuleKind kind = RuleKind::Tithi;
  DayPart part = DayPart::Sunrise;
  Tie tie = Tie::MoreCoverage;
  NotHeld notHeld = NotHeld::FirstDay;
  // A nakshatra (0..26, 0 = Ashvini) that decides between the two days, before the
  // tie rules: the day on which it holds at the part, when it does on one only.
  std::optional<int> tieNakshatra;
  // The part counts only outside Bhadra (the vishti karana); where Bhadra covers the
  // part wherever the tithi holds there, the festival is kept after Bhadra ends.
  bool outsideBhadra = false;
  // Where the tithi holds at the part on the first day only: the second day all the
  // same when the tithi lasts three and a half yamas (7/8 of the daytime) past that
  // day's sunrise and the next tithi is longer than it (Lakshmi Puja).
  bool sardhaTriyama = false;
  // An Ekadashi: also the Bhagavata (Vaishnava) day where it differs (BhagavataDay).
  bool bhagavata = false;
  FestivalKey follows;  // DayAfter: the festival whose next day this one is
  friend bool operator==(const ObservanceRule&, const ObservanceRule&) = default;
};

// The rule of a note that names none: the tithi at sunrise, the first of two days.
inline constexpr ObservanceRule kSunriseRule{};

// Why a date was chosen.
enum class Reason {
  OnlyDay,                // the tithi holds at the part on this day alone
  MoreCoverage,           // on two days, over more of the part on this one
  FirstOfTwo,             // on two days (equally), the first by the tie rule
  SecondOfTwo,            // on two days, the second by the tie rule
  Nakshatra,              // a tie, decided by the rule's nakshatra at the part
  NeitherFirst,           // at the part on no day: the day in which it begins
  NeitherSecond,          // at the part on no day: the next day
  AfterBhadra,            // Bhadra covers the part wherever the tithi holds there:
                          // this day, once Bhadra ends
  SardhaTriyama,          // at the part on the first day only, but three and a half
                          // yamas into the second, the next tithi growing
  SunEntry,               // the first sunset after the Sun's entry into the sign
  DayAfter,               // the day after the festival it follows
  DashamiAtArunodaya,     // Bhagavata: the tenth tithi still held at dawn of the
                          // smarta day, so the fast moves to the next day
  EkadashiAtTwoSunrises,  // Bhagavata: the Ekadashi holds at the next sunrise too
};

enum class Tradition { Smarta, Bhagavata };

// The date a festival is kept and the rule that chose it, as the faces show it
// ("चतुर्थी मध्याह्नव्यापिनी": part Midday, reason OnlyDay).
struct Observance {
  CivilDate date;
  DayPart part = DayPart::Sunrise;
  Reason reason = Reason::OnlyDay;
  Tradition tradition = Tradition::Smarta;
  friend bool operator==(const Observance&, const Observance&) = default;
};

// A span of time [start, end), Julian Days UT; start == end is an instant.
struct Span {
  double start = 0.0;
  double end = 0.0;
};

// A civil date at the place with the instants its parts are measured from.
struct DayInstants {
  CivilDate date;
  double sunrise = 0.0;
  double sunset = 0.0;
  double nextSunrise = 0.0;        // of the next civil date: the end of the night
  std::optional<double> moonrise;  // the first on the civil date; none without one
};

// The part of a day: a span, or an instant (start == end) for Sunrise, Moonrise and
// Arunodaya; none for Moonrise on a date without a moonrise.
std::optional<Span> PartOfDay(DayPart part, const DayInstants& day);

// One occurrence of a festival's tithi and what the rule may need around it.
struct TithiOccurrence {
  Span tithi;  // from the instant it begins to the instant it ends
  // Consecutive civil dates: the first one's day (sunrise to next sunrise) holds the
  // tithi's beginning, the last one is at least the date after the day that holds
  // its end.
  std::vector<DayInstants> days;
  std::vector<Span> nakshatra;  // the rule's nakshatra over these days, if it names one
  std::vector<Span> bhadra;     // Bhadra over these days, if the rule keeps outside it
  std::optional<Span> next;     // the tithi after it, if the rule weighs their lengths
};

// Share 0..1 of a part that the tithi covers, outside `excluded`; for an instant
// part 1 if the tithi holds at it (start <= instant < end), else 0.
double Coverage(const Span& part, const Span& tithi, const std::vector<Span>& excluded);

// The day of a Tithi rule's festival (smarta); none when the days given do not
// reach from the tithi's beginning to the date after its end.
std::optional<Observance> ChooseTithiDay(const ObservanceRule& rule,
                                         const TithiOccurrence& occurrence);

// The Bhagavata Ekadashi, where it is not the smarta day `smarta`: the next day
// when the tenth tithi still holds at dawn (arunodaya) of the smarta day, or when
// the Ekadashi holds at the next day's sunrise too. `occurrence` is the Ekadashi's.
std::optional<Observance> BhagavataDay(const Observance& smarta, const TithiOccurrence& occurrence);

// The day of a sankranti: the first of `days` (consecutive civil dates) whose
// sunset follows the Sun's entry `entry` (Julian Day UT). That is the date of the
// entry when it comes before the date's sunset, else the next date (an entry after
// midnight but before sunrise belongs to its own date). None if no day qualifies.
std::optional<Observance> ChooseSunEntryDay(double entry, const std::vector<DayInstants>& days);

// The day after a followed festival's day.
Observance DayAfter(const Observance& followed);

}  // namespace kalnika
