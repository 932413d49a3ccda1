#pragma once
// The month as the almanac shows it: the texts of the month table, formatted from
// the month's values in this one place. Every text is Devanagari in the legacy
// "Xdvng" font bytes (name_tables.h); the faces convert them for display.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "almanac/month_values.h"

namespace kalnika {

inline constexpr int kTableRows = 32;     // row 0 the headings, rows 1..31 the days
inline constexpr int kTableColumns = 17;

// The columns of the month table, in their order; every face names a column by
// these and never by its position.
enum class Column : int {
  GregorianMonth,
  Day,
  Year,
  Weekday,
  Shaka,
  Samvatsara,  // the year's name in the sixty-year cycle
  LunarMonth,  // with its added-month prefix
  Fortnight,
  Tithi,
  TithiEnd,    // the tithi's end, or the new-moon / full-moon instant
  Nakshatra,
  Yoga,
  MoonSign,
  SunSign,
  Sunrise,
  Sunset,
  Notes,       // sun-sign entry, skipped tithis, auspicious-day text; the Kali new year
};
static_assert(static_cast<int>(Column::Notes) + 1 == kTableColumns);

constexpr std::size_t IndexOf(Column column) { return static_cast<std::size_t>(column); }

// The cells of one row, by column (and, for the faces that go through all of
// them in order, by position 0..16).
struct TableRow : std::array<std::string, kTableColumns> {
  using std::array<std::string, kTableColumns>::operator[];
  std::string& operator[](Column column) { return (*this)[IndexOf(column)]; }
  const std::string& operator[](Column column) const { return (*this)[IndexOf(column)]; }
};

struct MonthTable {
  std::array<TableRow, kTableRows> cells;  // row 0 the headings; rows past the month empty
  // The texts a day row's notes cell joins, one by one (NotesColumnTexts), each
  // stored in its own encoding: a face shows each before joining them.
  std::array<std::vector<std::string>, kTableRows> notes;
  std::string kaliCaption;    // "kel:y:Øg:abd H " and the Kali year of the last day
  std::string vikramCaption;  // "ev:#m: s:öv:t: ", the first Vikram year, five blanks, the last
  int dayCount = 0;
};

// The table of a month with the headings in row 0.
MonthTable FormatMonth(const MonthValues& month);

// A table before any month is computed: the headings only, the initial Vikram caption.
MonthTable EmptyMonthTable();

// The cells of one day row.
TableRow FormatDay(const MonthValues& month, const DayValues& day);

// One note of a day, stored, and what it notes.
enum class NoteKind {
  SignEntry,     // the Sun entered a sign: SignEntryNote with the row's clock
  SkippedTithi,  // precise method: a tithi current at no sunrise, with its end, "until"
  Auspicious,    // the place file's note for the day's month and tithi (a festival)
  KaliNewYear,   // KaliNewYearNote, on the day DayValues::kaliNewYear
};
struct DayNote {
  NoteKind kind = NoteKind::Auspicious;
  std::string text;
};

// The notes of a day in the order of the notes column, whose text is theirs run
// together (the sign entry and each skipped tithi end in a blank); the Kali
// new-year note is not among them.
std::vector<DayNote> DayNotes(const DayValues& day);

// The texts of a day's notes column, in order: the classic method's Kali new-year
// note alone on 23 January (it takes the column's place, as the almanac always
// printed it); else the texts of DayNotes, and in the precise method the Kali
// new-year note after them on the day the year begins (beside Gudhi Padwa, which
// it must not hide). Each text is stored in its own encoding: the place file's
// notes may be Unicode Devanagari the user typed, the others are Xdvng bytes.
std::vector<std::string> NotesColumnTexts(const DayValues& day);

// Texts of single values.
std::string LunarMonthText(const LunarMonth& month);  // prefix and name
std::string SignEntryNote(const SignEntry& entry);     // "s:Üy:aüc:a <sign> raeS:)v:ðS: 21H05 "
std::string SignEntryNote(const SignEntry& entry, const std::string& clock);
std::string FortnightText(int tithi);                  // bright, dark, or empty on 0, 15, 30
int TithiNameIndex(int tithi);                         // index into TithiNames
std::string KaliNewYearNote(int kaliYear);             // the note of the Kali new year

}  // namespace kalnika
