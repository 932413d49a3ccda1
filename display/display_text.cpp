#include "display/display_text.h"

#include "almanac/name_tables.h"
#include "text/text.h"

#include <optional>
#include <utility>

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

// Whether a stored text is a lunar month's name (MaasNames).
bool IsMonthName(std::string_view stored) {
  for (const std::string& name : MaasNames)
    if (!name.empty() && stored == name) return true;
  return false;
}

// The added-month and regular-month prefixes as words of their own: the table
// writes them joined to the month's name (अधिकज्येष्ठ), which Latin letters would
// spell as one word with a vowel between ("Adhikajyeshtha"); Marathi calendars in
// English write "Adhik Jyeshtha", "Nij Jyeshtha". Only before a month's name: a
// note that begins with the same letters (निर्जला, stored "en:j:\xFCl:a") is a word
// of its own.
std::string PrefixApart(std::string_view stored) {
  for (std::string_view prefix : {std::string_view(kAddedMonthPrefix), std::string_view(kRegularAfterAddedPrefix)}) {
    if (stored.size() > prefix.size() && stored.substr(0, prefix.size()) == prefix &&
        IsMonthName(stored.substr(prefix.size())))
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

// A lost month's two names, which the table stores apart by a blank (the font has
// no hyphen): the first with its prefix, if any, and the second; nothing for any
// other text.
std::optional<std::pair<std::string_view, std::string_view>> LostMonthNames(std::string_view stored) {
  const std::size_t blank = stored.rfind(' ');
  if (blank == std::string_view::npos || !IsMonthName(stored.substr(blank + 1))) return std::nullopt;
  std::string_view first = stored.substr(0, blank);
  std::string_view name = first;
  for (std::string_view prefix : {std::string_view(kAddedMonthPrefix), std::string_view(kRegularAfterAddedPrefix)})
    if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix)
      name = TrimBlanks(name.substr(prefix.size()), " ");  // also as the wall calendar spaces it
  if (!IsMonthName(name)) return std::nullopt;
  return std::pair{first, stored.substr(blank + 1)};
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
  if (form.script != Script::Xdvng)
    if (const auto names = LostMonthNames(stored)) return DisplayText(names->first, form) + "-" + DisplayText(names->second, form);
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

std::string DisplayCell(const MonthTable& table, int row, int column, DisplayForm form) {
  if (form.script == Script::Xdvng || column != static_cast<int>(Column::Notes) || row < 1 || row >= kTableRows ||
      table.notes[static_cast<std::size_t>(row)].size() < 2)
    return DisplayText(ShownCell(table, row, column), form);
  return DisplayNotes(table.notes[static_cast<std::size_t>(row)], form);
}

std::vector<std::string> DisplayRow(const MonthTable& table, int row, DisplayForm form) {
  std::vector<std::string> cells;
  if (row < 0 || row >= kTableRows) return cells;
  for (int c = 0; c < kTableColumns; ++c) cells.push_back(DisplayCell(table, row, c, form));
  return cells;
}

std::string DisplayNotes(const std::vector<DayNote>& notes, DisplayForm form) {
  std::string shown;
  for (const DayNote& note : notes) {
    const std::string text = DisplayText(note.text, form);
    if (text.empty()) continue;
    if (!shown.empty()) shown += kNoteSeparator;
    shown += text;
  }
  return shown;
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
