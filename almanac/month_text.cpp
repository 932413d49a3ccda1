#include "almanac/month_text.h"

#include <iterator>
#include <optional>

#include "almanac/clock_text.h"
#include "almanac/day_text.h"
#include "almanac/name_tables.h"

namespace kalnika {

namespace {

constexpr int kFullMoonTithi = 15;


template <std::size_t N>
const std::string& Name(const std::array<std::string, N>& table, int index) {
  static const std::string empty;
  return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)] : empty;
}

// "until", after the end of a tithi current at no sunrise: पर्यंत.
constexpr const char* kUntil = "p:y:\xFC\xF6t:";

// Words of the festivals' notes and rules (docs/festivals.md lists them with their
// sources), stored like every text.
constexpr const char* kSmarta = "sm:at:\xFC";                   // स्मार्त
constexpr const char* kBhagavata = "B:ag:v:t:";                 // भागवत
constexpr const char* kMoonrise = "c:\xF6" "d\xD3:\xF0" "dy:";   // चंद्रोदय
constexpr const char* kNone = "n:ahi";                          // नाही
constexpr const char* kDot = "~";                               // ·, between the parts of a rule
constexpr const char* kOnBothDays = "d:\xF0nhi edv:S:i";         // दोन्ही दिवशी
constexpr const char* kFirstDay = "p:ehl:a edv:s:";             // पहिला दिवस
constexpr const char* kSecondDay = "d\xD9s:ra edv:s:";           // दुसरा दिवस
constexpr const char* kMoreCoverage = "AeD:k vy:apt:i";         // अधिक व्याप्ती
constexpr const char* kNakshatraWord = "n:x:*:";                // नक्षत्र
constexpr const char* kAfterBhadra = "B:d\xD3" "a s:\xF6p:ly:av:r";  // भद्रा संपल्यावर
constexpr const char* kSardhaTriyama = "s:aR\xF0t:in: )hr";      // साडेतीन प्रहर
// संक्रमण सूर्यास्तापूर्वी
constexpr const char* kEntryBeforeSunset = "s:\xF6#m:N: s:\xDCy:a\xFCst:ap:\xDCv:i\xFC";
constexpr const char* kNextDay = "n:\xF6t:rc:a edv:s:";          // नंतरचा दिवस

// The tithi holding at a part of the day: उदयव्यापिनी ... one row per part.
struct PartWord {
  DayPart part;
  const char* holding;
};
constexpr PartWord kPartWords[] = {
    {DayPart::Sunrise, "udy:vy:aep:n:i"},                       // उदयव्यापिनी
    {DayPart::Morning, "p:\xDCv:a\xFC\xC7vy:aep:n:i"},         // पूर्वाह्णव्यापिनी
    {DayPart::Midday, "m:Dy:a\xC8vy:aep:n:i"},                 // मध्याह्नव्यापिनी
    {DayPart::Afternoon, "Ap:ra\xC7vy:aep:n:i"},               // अपराह्णव्यापिनी
    {DayPart::Dusk, ")d:\xF0\\:vy:aep:n:i"},                  // प्रदोषव्यापिनी
    {DayPart::Midnight, "en:S:iT:vy:aep:n:i"},                // निशीथव्यापिनी
    {DayPart::Moonrise, "c:\xF6" "d\xD3:\xF0" "dy:vy:aep:n:i"},  // चंद्रोदयव्यापिनी
    {DayPart::Arunodaya, "A,N::\xF0" "dy:vy:aep:n:i"},         // अरुणोदयव्यापिनी
};
static_assert(std::size(kPartWords) == 8);

std::string Holding(DayPart part) {
  for (const PartWord& w : kPartWords)
    if (w.part == part) return w.holding;
  return {};
}

std::string SunText(const std::optional<ClockTime>& time) {
  return time ? ClockText(*time) : kNoSunriseSunsetText;
}

// The clock of an instant on a row: the almanac clock of the classic method, or,
// for a day reckoned from sunrise, the hours from the row's local midnight.
std::string InstantClock(const DayValues& day, const LocalInstant& when) {
  if (day.precise) return ClockText(ClockSince(when.shown, day.date));
  return AlmanacClockText(when.local);
}

// The note of a tithi a day reckoned from sunrise passes over: the fortnight, its
// name and its end, "until".
std::string SkippedTithiNote(const DayValues& day, const ValueEnd& skipped) {
  std::string note;
  const std::string fortnight = FortnightText(skipped.value);
  if (!fortnight.empty()) note += fortnight + " ";
  return note + Name(TithiNames, TithiNameIndex(skipped.value)) + " " + InstantClock(day, skipped.end) + " " +
         kUntil + " ";
}

}  // namespace

std::vector<DayNote> DayNotes(const DayValues& day) {
  std::vector<DayNote> notes;
  if (day.signEntry)
    notes.push_back(
        {NoteKind::SignEntry, SignEntryNote(*day.signEntry, InstantClock(day, day.signEntry->when)), {}, {}});
  if (day.precise)
    for (const ValueEnd& skipped : day.precise->skippedTithis)
      notes.push_back({NoteKind::SkippedTithi, SkippedTithiNote(day, skipped), {}, {}});
  if (day.precise)
    for (const DayEclipse& eclipse : day.precise->eclipses)
      notes.push_back({NoteKind::Eclipse, EclipseNote(day, eclipse), {}, {}});
  if (!day.auspicious.empty()) notes.push_back({NoteKind::Auspicious, day.auspicious, {}, {}});
  for (const FestivalValue& f : day.festivals)
    notes.push_back({NoteKind::Auspicious, FestivalNote(day, f), FestivalRuleText(f), FestivalKeyText(f.key)});
  return notes;
}

std::vector<DayNote> NotesColumn(const DayValues& day) {
  if (!day.precise && day.kaliNewYear) return {{NoteKind::KaliNewYear, KaliNewYearNote(*day.kaliNewYear), {}, {}}};
  std::vector<DayNote> notes = DayNotes(day);
  if (day.kaliNewYear) notes.push_back({NoteKind::KaliNewYear, KaliNewYearNote(*day.kaliNewYear), {}, {}});
  return notes;
}

std::string FestivalNote(const DayValues& day, const FestivalValue& festival) {
  std::string note = festival.note;
  if (festival.observance.tradition == Tradition::Bhagavata)
    note = kBhagavata + (" " + note);
  else if (festival.bhagavataDiffers)
    note = kSmarta + (" " + note);
  if (festival.observance.part == DayPart::Moonrise) {
    if (!note.empty() && note.back() != ' ') note += ' ';
    note += std::string(kMoonrise) + " " +
            (festival.moonrise ? ClockText(ClockSince(festival.moonrise->shown, day.date)) : std::string(kNone));
  }
  return note;
}

std::string FestivalRuleText(const FestivalValue& festival) {
  const Observance& o = festival.observance;
  const std::string tithi = Name(TithiNames, TithiNameIndex(festival.key.tithi));
  const std::string held = tithi + " " + Holding(o.part);
  const auto then = [](const std::string& text, const std::string& more) { return text + " " + kDot + " " + more; };
  switch (o.reason) {
    case Reason::OnlyDay: return held;
    case Reason::MoreCoverage: return then(then(held, kOnBothDays), kMoreCoverage);
    case Reason::FirstOfTwo: return then(then(held, kOnBothDays), kFirstDay);
    case Reason::SecondOfTwo: return then(then(held, kOnBothDays), kSecondDay);
    case Reason::Nakshatra: {
      const std::optional<int>& n = festival.rule.tieNakshatra;
      return then(held, n ? Name(NaxatraNames, *n) + " " + kNakshatraWord : std::string(kNakshatraWord));
    }
    case Reason::NeitherFirst: return then(held + " " + kNone, kFirstDay);
    case Reason::NeitherSecond: return then(held + " " + kNone, kSecondDay);
    case Reason::AfterBhadra: return then(held, kAfterBhadra);
    case Reason::SardhaTriyama: return then(then(held, kSardhaTriyama), kSecondDay);
    case Reason::SunEntry: return Name(RaashiNames, festival.key.sign) + " " + kEntryBeforeSunset;
    case Reason::DayAfter: {
      std::string followed = festival.followedNote;
      while (!followed.empty() && followed.back() == ' ') followed.pop_back();
      if (followed.empty()) followed = Name(TithiNames, TithiNameIndex(festival.rule.follows.tithi));
      return followed + " " + kNextDay;
    }
    case Reason::DashamiAtArunodaya:
      // The tenth tithi, the one before the Ekadashi, held at dawn of the smarta day.
      return Name(TithiNames, TithiNameIndex(festival.key.tithi - 1)) + " " + Holding(DayPart::Arunodaya);
    case Reason::EkadashiAtTwoSunrises: return then(then(held, kOnBothDays), kSecondDay);
  }
  return held;
}

std::string FestivalKeyText(const FestivalKey& key) {
  const auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  if (key.kind == FestivalKey::Kind::SunEntry) return "S" + two(key.sign);
  return two(key.month) + two(key.tithi);
}

std::string LunarMonthText(const LunarMonth& month) {
  const char* prefix = month.kind == MonthKind::Added               ? kAddedMonthPrefix
                       : month.kind == MonthKind::RegularAfterAdded ? kRegularAfterAddedPrefix
                                                                    : "";
  return prefix + Name(MaasNames, month.index);
}

std::string SignEntryNote(const SignEntry& entry, const std::string& clock) {
  return "s:\xDCy:a\xFC" "c:a " + Name(RaashiNames, entry.sign) + " raeS:)v:\xF0S: " + clock + " ";
}

std::string SignEntryNote(const SignEntry& entry) { return SignEntryNote(entry, AlmanacClockText(entry.when.local)); }

// 31 (the elongation just past 360 degrees) is tithi 1 as an angle and is shown as
// the first tithi of the bright fortnight.
std::string FortnightText(int tithi) {
  if (tithi == kFullMoonTithi || tithi == 0 || tithi == 30) return "";
  return tithi > 15 && tithi != 31 ? kDarkFortnight : kBrightFortnight;
}

int TithiNameIndex(int tithi) {
  if (tithi == 30) return 0;
  if (tithi == 31) return 1;
  return tithi > 15 ? tithi - 15 : tithi;
}

std::string KaliNewYearNote(int kaliYear) {
  return std::string(kKaliPrefix) + std::to_string(kaliYear) + kKaliNewYearSuffix;
}

TableRow FormatDay(const MonthValues& month, const DayValues& day) {
  TableRow cells;
  cells[Column::GregorianMonth] = Name(GregorianMonthNames, day.date.month - 1);
  cells[Column::Day] = std::to_string(day.date.day);
  cells[Column::Year] = month.yearText;
  cells[Column::Weekday] = Name(WeekdayNames, day.weekday);
  cells[Column::Shaka] = std::to_string(day.shaka);
  cells[Column::Samvatsara] = Name(SamvatsaraNames, day.samvatsara);
  cells[Column::LunarMonth] = LunarMonthText(day.lunarMonth);
  // A lost month, a lunation in which the Sun enters two signs, bears both names,
  // stored apart by a blank: the font has no hyphen (0x2D draws रू); the faces show
  // पौष-माघ (display/display_text.h).
  if (day.precise && day.precise->lostMonth >= 0) cells[Column::LunarMonth] += " " + Name(MaasNames, day.precise->lostMonth);
  cells[Column::Fortnight] = FortnightText(day.tithi);
  cells[Column::Tithi] = Name(TithiNames, TithiNameIndex(day.tithi));
  // Classic: the month's new or full moon stands on the rows of its tithi instead
  // of the end. From sunrise the new (full) moon is the end of the new-moon
  // (full-moon) tithi itself, or of a tithi the day passes over (noted below).
  cells[Column::TithiEnd] = day.phase && !day.precise ? AlmanacClockText(day.phaseInstant.local) : ClockText(day.tithiEnd.clock);
  cells[Column::Nakshatra] = Name(NaxatraNames, day.nakshatra);
  cells[Column::Yoga] = Name(YogaNames, day.yoga);
  cells[Column::MoonSign] = Name(RaashiNames, day.moonSign);
  cells[Column::SunSign] = Name(RaashiNames, day.sunSign);
  cells[Column::Sunrise] = SunText(day.sunrise);
  cells[Column::Sunset] = SunText(day.sunset);
  // The notes run together; the sign entry, the skipped tithis and the eclipses
  // end in a blank, and a note after a festival (another festival, the Kali note
  // of a precise row) gets one.
  std::string& notes = cells[Column::Notes];
  for (const DayNote& note : NotesColumn(day)) {
    if (!notes.empty() && notes.back() != ' ') notes += ' ';
    notes += note.text;
  }
  return cells;
}

MonthTable EmptyMonthTable() {
  MonthTable table;
  for (std::size_t c = 0; c < ColumnHeadings.size(); ++c) table.cells[0][c] = ColumnHeadings[c];
  table.vikramCaption = kVikramInitialCaption;
  return table;
}

MonthTable FormatMonth(const MonthValues& month) {
  MonthTable table = EmptyMonthTable();
  table.dayCount = static_cast<int>(month.days.size());
  for (const DayValues& day : month.days) {
    const auto row = static_cast<std::size_t>(day.date.day);
    table.cells[row] = FormatDay(month, day);
    table.notes[row] = NotesColumn(day);
  }
  if (month.days.empty()) return table;

  table.kaliCaption = kKaliPrefix + std::to_string(month.days.back().kaliYear);
  // The Vikram year of the first day, and that of the last day when it differs.
  const int first = month.days.front().vikram;
  const int last = month.days.back().vikram;
  table.vikramCaption = kVikramPrefix + std::to_string(first) + "     " +
                        (last != first ? std::to_string(last) : std::string());
  return table;
}

}  // namespace kalnika
