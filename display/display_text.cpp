#include "display/display_text.h"

#include "almanac/name_tables.h"
#include "text/text.h"

namespace kalnika {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The stored bytes with every one-digit clock minute given a leading zero: "H"
// between digits is the colon of a clock time (design.md, "Devanagari stays in its
// legacy bytes"), and the almanac writes rounded minutes without their zero.
std::string TwoDigitMinutes(std::string_view stored) {
  std::string out;
  out.reserve(stored.size() + 4);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    out += stored[i];
    const bool clockColon = stored[i] == 'H' && i > 0 && IsDigit(stored[i - 1]) && i + 1 < stored.size() &&
                            IsDigit(stored[i + 1]);
    if (clockColon && (i + 2 >= stored.size() || !IsDigit(stored[i + 2]))) out += '0';
  }
  return out;
}

constexpr const char* kEnglishWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

// The English name of a stored Gregorian month or weekday name, or nothing.
const char* EnglishName(std::string_view stored) {
  for (std::size_t m = 0; m < MonthListNames.size(); ++m)
    if (stored == GregorianMonthNames[m]) return MonthListNames[m].c_str();
  for (std::size_t d = 0; d < WeekdayNames.size(); ++d)
    if (stored == WeekdayNames[d]) return kEnglishWeekdays[d];
  return nullptr;
}

xdvng::LatinStyle StyleOf(Script script) {
  return script == Script::Iso15919 ? xdvng::LatinStyle::Iso15919 : xdvng::LatinStyle::Readable;
}

// The added-month and regular-month prefixes as words of their own: the table
// writes them joined to the month's name (अधिकज्येष्ठ), which Latin letters would
// spell as one word with a vowel between ("Adhikajyeshtha"); Marathi calendars in
// English write "Adhik Jyeshtha", "Nij Jyeshtha".
std::string PrefixApart(std::string_view stored) {
  for (std::string_view prefix : {std::string_view(kAddedMonthPrefix), std::string_view(kRegularAfterAddedPrefix)}) {
    if (stored.size() > prefix.size() && stored.substr(0, prefix.size()) == prefix && stored[prefix.size()] != ' ')
      return std::string(prefix) + " " + std::string(stored.substr(prefix.size()));
  }
  return std::string(stored);
}

// The misspelt words of the stored name tables and headings, and their spelling.
struct Mend {
  std::string_view stored, shown;
};
constexpr Mend kMends[] = {
    {"\u0938\u0942\u092F\u0930\u093E\u0936\u093F", "\u0938\u0942\u0930\u094D\u092F\u0930\u093E\u0936\u0940"},
    {"\u091A\u0902\u0926\u094D\u0930\u0930\u093E\u0936\u093F", "\u091A\u0902\u0926\u094D\u0930\u0930\u093E\u0936\u0940"},
    {"\u092A\u0930\u094D\u092F\u0902\u0928\u094D\u0924", "\u092A\u0930\u094D\u092F\u0902\u0924"},
    {"\u0938\u093E\u0926\u094D\u0927\u094D\u092F", "\u0938\u093E\u0927\u094D\u092F"},
    {"\u0927\u0943\u0935", "\u0927\u094D\u0930\u0941\u0935"},
    {"\u0927\u0928\u093F\u0937\u094D\u091F\u093E", "\u0927\u0928\u093F\u0937\u094D\u0920\u093E"},
};

// Whether the UTF-8 character that ends at `end` (or begins at `begin`) is a
// Devanagari letter or sign (U+0900..U+0963, U+0971..U+097F): a word goes on.
bool DevanagariLetter(std::string_view text, std::size_t begin) {
  if (begin + 3 > text.size() || static_cast<unsigned char>(text[begin]) != 0xE0) return false;
  const unsigned lead = static_cast<unsigned char>(text[begin + 1]);
  const unsigned last = static_cast<unsigned char>(text[begin + 2]);
  if (lead == 0xA4) return true;  // U+0900..U+093F
  return lead == 0xA5 && (last <= 0xA3 || last >= 0xB1);
}

}  // namespace

std::string MendedSpelling(std::string unicode) {
  for (const Mend& mend : kMends) {
    for (std::size_t at = unicode.find(mend.stored); at != std::string::npos;
         at = unicode.find(mend.stored, at + 1)) {
      const std::size_t end = at + mend.stored.size();
      if ((at >= 3 && DevanagariLetter(unicode, at - 3)) || DevanagariLetter(unicode, end)) continue;
      unicode.replace(at, mend.stored.size(), mend.shown);
    }
  }
  return unicode;
}

DisplayForm::DisplayForm(Script script_, xdvng::Digits digits_) : script(script_), digits(digits_) {
  if (script == Script::Latin || script == Script::Iso15919)
    latin = std::make_shared<const xdvng::LatinTransliterator>(StyleOf(script));
}

std::string DisplayText(std::string_view stored, DisplayForm form) {
  switch (form.script) {
    case Script::Xdvng:
      return Latin1ToUtf8(stored);
    case Script::Unicode:
      if (xdvng::IsUtf8Devanagari(stored)) return std::string(TrimBlanks(xdvng::ToUnicode(stored, form.digits), " "));
      return MendedSpelling(std::string(TrimBlanks(xdvng::ToUnicode(TwoDigitMinutes(stored), form.digits), " ")));
    case Script::Latin:
    case Script::Iso15919: {
      if (const char* english = EnglishName(stored)) return english;
      const std::string unicode =
          DisplayText(PrefixApart(stored), DisplayForm(Script::Unicode, xdvng::Digits::Latin));
      return form.latin ? (*form.latin)(unicode) : xdvng::ToLatin(unicode, StyleOf(form.script));
    }
  }
  return {};
}

std::string DisplayClock(const DayClock& clock, DisplayForm form) {
  std::string shown;
  for (const std::string* part : {&clock.day, &clock.month, &clock.clock}) {
    if (part->empty()) continue;
    if (!shown.empty()) shown += ' ';
    shown += DisplayText(*part, form);
  }
  return shown;
}

std::string_view ShownCell(const MonthTable& table, int row, int column) {
  if (row < 0 || row >= kTableRows || column < 0 || column >= kTableColumns) return {};
  const std::string& text = table.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  if (row == 0 && column == static_cast<int>(Column::Notes) && text.empty()) return kNotesHeading;
  return text;
}

std::vector<std::string> DisplayRow(const MonthTable& table, int row, DisplayForm form) {
  std::vector<std::string> cells;
  if (row < 0 || row >= kTableRows) return cells;
  for (int c = 0; c < kTableColumns; ++c) cells.push_back(DisplayText(ShownCell(table, row, c), form));
  return cells;
}

std::string DisplayNotes(std::string_view cell, const std::vector<DayNote>& notes, DisplayForm form) {
  std::string together;
  for (const DayNote& note : notes) together += note.text;
  if (notes.size() < 2 || together != cell || form.script == Script::Xdvng) return DisplayText(cell, form);
  std::string shown;
  for (const DayNote& note : notes) {
    const std::string text = DisplayText(note.text, form);
    if (text.empty()) continue;
    if (!shown.empty()) shown += kNoteSeparator;
    shown += text;
  }
  return shown;
}

std::vector<std::string> DisplayRow(const MonthValues& month, const MonthTable& table, int row, DisplayForm form) {
  std::vector<std::string> cells = DisplayRow(table, row, form);
  if (row >= 1 && static_cast<std::size_t>(row) <= month.days.size() && !cells.empty())
    cells[IndexOf(Column::Notes)] = DisplayNotes(table.cells[static_cast<std::size_t>(row)][Column::Notes],
                                                 DayNotes(month.days[static_cast<std::size_t>(row - 1)]), form);
  return cells;
}

std::string MethodName(Method method) {
  switch (method) {
    case Method::Classic: return "p:ar\xF6p:erk";   // पारंपरिक, "traditional"
    case Method::Precise: return "d\xE1\xA1Vs:\xB9";  // दृक्सिद्ध, "agreeing with the sky"
  }
  return {};
}

std::string MonthHeading(const MonthValues& month) {
  const int index = month.month - 1;
  const std::string name = index >= 0 && index < 12 ? GregorianMonthNames[static_cast<std::size_t>(index)] : "";
  return name + " " + (month.yearText.empty() ? std::to_string(month.year) : month.yearText);
}

std::string KaliYears(const MonthValues& month, DisplayForm form) {
  // The Kali label of the window names the year of the month's last day.
  return month.days.empty() ? std::string() : DisplayText(std::to_string(month.days.back().kaliYear), form);
}

std::string VikramYears(const MonthValues& month, DisplayForm form) {
  if (month.days.empty()) return {};
  const int first = month.days.front().vikram;
  const int last = month.days.back().vikram;
  if (first == last) return DisplayText(std::to_string(first), form);
  // An en dash in Unicode; the font has no dash (0x2D draws a letter), so the
  // stored form keeps the label's blank.
  const char* between = form.script == Script::Unicode ? "\xE2\x80\x93" : " ";
  return DisplayText(std::to_string(first), form) + between + DisplayText(std::to_string(last), form);
}


}  // namespace kalnika
