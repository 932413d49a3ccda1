#pragma once
// The stored texts as the user sees them: the one place where a face (the window,
// print and PDF, CSV, the command-line tool) turns the Xdvng bytes of the month
// table, the era labels and the notes into the text it shows. The stored bytes are
// never changed; everything here makes a copy for display.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/day_text.h"
#include "almanac/month_text.h"
#include "almanac/month_values.h"
#include "xdvng/latin.h"
#include "xdvng/xdvng.h"

namespace kalnika {

// The script a face shows the stored texts in.
enum class Script {
  Xdvng,     // the stored bytes unchanged, byte b as the character U+00bb
  Unicode,   // Unicode Devanagari
  Latin,     // readable Latin letters for readers of English (xdvng/latin.h), digits 0-9
  Iso15919,  // Latin with the marks of ISO 15919, letter for letter
};

struct DisplayForm {
  DisplayForm() = default;
  // A form of a Latin script builds its transliterator here, once (about a
  // millisecond): keep the form for a whole table.
  DisplayForm(Script script, xdvng::Digits digits);

  Script script = Script::Unicode;
  xdvng::Digits digits = xdvng::Digits::Devanagari;  // for Unicode
  std::shared_ptr<const xdvng::LatinTransliterator> latin;  // for the Latin scripts
};

// A stored text as displayed, in UTF-8. Latin: the Unicode form (with digits
// 0-9) transliterated, but the Gregorian month and weekday names, which have their
// English names ("December", "Saturday") rather than a spelling of the Marathi.
// Xdvng: the bytes as they are. Unicode: the Devanagari of the bytes (digits as
// chosen), with two display-only mends: the blanks at either end, which spaced the
// text in the old font's cells (" रेवती", the ingress note's last blank), are left
// out, and the minutes of a clock time ("hhHmm" in the stored bytes) are written
// with two digits, so that 6H5 reads ६:०५ and 18H0 reads १८:००. A text already
// stored as Unicode Devanagari (a note the user wrote) keeps its own clock texts.
// In every script but Xdvng a lost month's two names, stored apart by a blank
// (the font has no hyphen), are joined by a hyphen: पौष-माघ, "Paush-Magh".
std::string DisplayText(std::string_view stored, DisplayForm form);

// A clock of a day's page as displayed: "२७:४०", or with its date "१६ सप्टेंबर
// ४:१०" ("16 September 4:10" in a Latin script, the month by its English name).
std::string DisplayClock(const DayClock& clock, DisplayForm form);

// The stored tables' misspelt words as Marathi almanacs write them, in a Unicode
// text: सूयराशि सूर्यराशी, चंद्रराशि चंद्रराशी (the two sign headings alike),
// पर्यंन्त पर्यंत, साद्ध्य साध्य, ध्रुव for धृव, धनिष्टा धनिष्ठा; whole words only.
// The stored bytes stay the original's (`--script xdvng`, the Xdvng font).
std::string MendedSpelling(std::string unicode);

// The heading of the notes column (16), which the stored headings leave empty:
// "ev:S:ð\:", read विशेष ("notes").
inline constexpr const char* kNotesHeading = "ev:S:\xF0\\:";

// The stored text a face shows in a cell (row 0..31, column 0..16): the cell's
// own, or kNotesHeading above the notes; the empty text outside the table.
std::string_view ShownCell(const MonthTable& table, int row, int column);

// A cell as displayed: DisplayText of ShownCell, but for a day's notes cell with
// more than one note (MonthTable::notes) DisplayNotes, so that a note typed in
// Unicode Devanagari beside the program's Xdvng notes reads right and two notes do
// not read as one sentence (the Xdvng script shows the stored cell).
std::string DisplayCell(const MonthTable& table, int row, int column, DisplayForm form);

// The displayed cells of a row of the table (0 the headings, with the notes
// heading; 1..31 the days).
std::vector<std::string> DisplayRow(const MonthTable& table, int row, DisplayForm form);

// A day's notes as displayed: each note on its own, in its own encoding, and the
// notes joined by " · ", so that a skipped tithi and a festival do not read as one
// sentence.
inline constexpr const char* kNoteSeparator = " · ";
std::string DisplayNotes(const std::vector<DayNote>& notes, DisplayForm form);

// Words of the headings of the printed page and the CSV file, stored like every
// Devanagari text: स्थळ ("place"), पद्धत ("method").
inline constexpr const char* kPlaceWord = "sT:L";
inline constexpr const char* kMethodWord = "p:\xB9t:";
// The month's eras as the CSV headings name them: कलियुगाब्द, विक्रम संवत.
inline constexpr const char* kKaliWord = "kel:y:\xD8g:abd";
inline constexpr const char* kVikramWord = "ev:#m: s:\xF6v:t:";

// The method's name, stored: classic पारंपरिक ("traditional").
std::string MethodName(Method method);

// The month and year as the page heading writes them: "eRs:ðöb:r 2026" (डिसेंबर
// २०२६), stored bytes.
std::string MonthHeading(const MonthValues& month);

// The Kali year and the Vikram year or years of the month as displayed numbers:
// "५१२८", "२०८२–२०८३" (the Vikram year turns at Kartik Shukla Pratipada, inside a
// month; the Xdvng form separates the two by a blank); empty for a month without
// days.
std::string KaliYears(const MonthValues& month, DisplayForm form);
std::string VikramYears(const MonthValues& month, DisplayForm form);


}  // namespace kalnika
