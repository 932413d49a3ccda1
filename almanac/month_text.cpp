#include "almanac/month_text.h"

#include "almanac/clock_text.h"
#include "almanac/name_tables.h"

namespace kalnika {

namespace {

constexpr int kFullMoonTithi = 15;

// Xdvng text shown for a sunrise or sunset that does not happen on the date
// (polar night or midnight sun): "n:ahi", read नाही ("none").
constexpr const char* kNoSunriseSunsetText = "n:ahi";

template <std::size_t N>
const std::string& Name(const std::array<std::string, N>& table, int index) {
  static const std::string empty;
  return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)] : empty;
}

// "until", after the end of a tithi current at no sunrise: पर्यंत.
constexpr const char* kUntil = "p:y:\xFC\xF6t:";

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
    notes.push_back({NoteKind::SignEntry, SignEntryNote(*day.signEntry, InstantClock(day, day.signEntry->when))});
  if (day.precise)
    for (const ValueEnd& skipped : day.precise->skippedTithis)
      notes.push_back({NoteKind::SkippedTithi, SkippedTithiNote(day, skipped)});
  if (!day.auspicious.empty()) notes.push_back({NoteKind::Auspicious, day.auspicious});
  return notes;
}

std::vector<std::string> NotesColumnTexts(const DayValues& day) {
  std::vector<std::string> texts;
  if (!day.precise && day.kaliNewYear) return {KaliNewYearNote(*day.kaliNewYear)};
  for (DayNote& note : DayNotes(day)) texts.push_back(std::move(note.text));
  if (day.kaliNewYear) texts.push_back(KaliNewYearNote(*day.kaliNewYear));
  return texts;
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
  // The texts run together; the sign entry and the skipped tithis end in a blank,
  // and the one text that may follow an auspicious text, the Kali note of a
  // precise row, gets one.
  std::string& notes = cells[Column::Notes];
  for (const std::string& text : NotesColumnTexts(day)) {
    if (!notes.empty() && notes.back() != ' ') notes += ' ';
    notes += text;
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
    table.notes[row] = NotesColumnTexts(day);
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
