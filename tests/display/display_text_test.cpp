// The stored texts as every face displays them. Expected Unicode comes from the
// Xdvng facts (the Unicode column of system-texts.tsv for the stored names, the
// worked examples for clocks and the ingress note); the display mends are the
// trimming of the blanks at either end and two-digit clock minutes.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "display/display_text.h"
#include "almanac/name_tables.h"
#include "tests/xdvng/test_files.h"

namespace kalnika {
namespace {

const DisplayForm kDevanagari{Script::Unicode, xdvng::Digits::Devanagari};
const DisplayForm kWestern{Script::Unicode, xdvng::Digits::Latin};
const DisplayForm kStored{Script::Xdvng, xdvng::Digits::Devanagari};
const DisplayForm kLatin{Script::Latin, xdvng::Digits::Latin};

struct Case {
  const char* why;
  std::string stored;
  DisplayForm form;
  std::string shown;
};

class DisplayTextTest : public testing::TestWithParam<Case> {};

TEST_P(DisplayTextTest, ShowsTheStoredBytes) { EXPECT_EQ(DisplayText(GetParam().stored, GetParam().form), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(
    Faces, DisplayTextTest,
    testing::Values(
        // " rðv:t:i" is " रेवती": the blank spaced the name in the old font's cell.
        Case{"LeadingBlankOfANakshatraIsLeftOut", NaxatraNames[26], kDevanagari, "\u0930\u0947\u0935\u0924\u0940"},
        // 6H5 is 06:05 (the clock texts of the table write minutes as whole numbers).
        Case{"OneDigitMinutesGetTheirZero", "6H5", kDevanagari, "\u096C:\u0966\u096B"},
        Case{"TwoDigitMinutesStay", "23H16", kDevanagari, "\u0968\u0969:\u0967\u096C"},
        Case{"WesternDigits", "6H5", kWestern, "6:05"},
        Case{"HoursPastMidnightKeepTheirHour", "27H4", kWestern, "27:04"},
        // The ingress note ends in a blank; its clock may be rounded to "21H5".
        Case{"IngressNoteTrimmedAndItsMinutesPadded", "s:\xDCy:a\xFC" "c:a m:\xF0\\: raeS:)v:\xF0S: 21H5 ", kWestern,
             "\u0938\u0942\u0930\u094D\u092F\u093E\u091A\u093E \u092E\u0947\u0937 "
             "\u0930\u093E\u0936\u093F\u092A\u094D\u0930\u0935\u0947\u0936 21:05"},
        // "H" after a blank is the colon of the label, not a clock.
        Case{"KaliCaptionIsNoClock", std::string(kKaliPrefix) + "5128", kWestern,
             "\u0915\u0932\u093F\u092F\u0941\u0917\u093E\u092C\u094D\u0926 : 5128"},
        // The blanks between the two Vikram years stay; those after one year go.
        Case{"VikramCaptionKeepsItsInnerBlanks", std::string(kVikramPrefix) + "2082     2083", kWestern,
             "\u0935\u093F\u0915\u094D\u0930\u092E \u0938\u0902\u0935\u0924 2082     2083"},
        // A note the user wrote in Unicode is shown as written, without the blanks.
        Case{"UnicodeNoteAsWritten", " \u0939\u094B\u0933\u0940 ", kWestern, "\u0939\u094B\u0933\u0940"},
        Case{"BlanksOnlyShowNothing", "   ", kDevanagari, ""},
        // The Xdvng script is the stored bytes themselves, blank and clock as stored.
        Case{"XdvngBytesUnchanged", kDarkFortnight + std::string(" 6H5"), kStored, " k\xC3\xA1\\N: 6H5"},
        // The Latin script gives the Gregorian month and weekday their English names
        // (1 December 2026 was a Tuesday); the rest is transliterated (latin_test).
        Case{"LatinGregorianMonthInEnglish", GregorianMonthNames[11], kLatin, "December"},
        Case{"LatinWeekdayInEnglish", WeekdayNames[2], kLatin, "Tuesday"},
        Case{"LatinClock", "23H16", kLatin, "23:16"},
        // The month cell joins its prefix to the name (अधिकज्येष्ठ); in Latin letters
        // the prefix is a word of its own, as Marathi calendars in English print it.
        Case{"LatinAddedMonthPrefixApart", std::string(kAddedMonthPrefix) + MaasNames[2], kLatin, "Adhik Jyeshtha"},
        Case{"LatinRegularMonthPrefixApart", std::string(kRegularAfterAddedPrefix) + MaasNames[2], kLatin,
             "Nij Jyeshtha"},
        // The stored tables misspell five words (system-texts.tsv has them as stored).
        // Shown as Marathi writes them: सूर्य with its reph, and the final i of a
        // tatsama word written long (राशी; the spelling rules of the Marathi Sahitya
        // Mahamandal, approved by the government of Maharashtra in 1962 and 1972,
        // rule 5: कवी, मती, गती); the yoga साध्य and ध्रुव and the nakshatra धनिष्ठा
        // as the lists of the 27 yogas and nakshatras name them.
        Case{"SunSignHeadingSpeltSuryarashi", ColumnHeadings[13], kDevanagari,
             "\u0938\u0942\u0930\u094D\u092F\u0930\u093E\u0936\u0940"},
        Case{"MoonSignHeadingAlike", ColumnHeadings[12], kDevanagari,
             "\u091A\u0902\u0926\u094D\u0930\u0930\u093E\u0936\u0940"},
        Case{"UntilHeadingSpeltParyant", ColumnHeadings[9], kDevanagari, "\u092A\u0930\u094D\u092F\u0902\u0924"},
        Case{"YogaSadhya", YogaNames[21], kDevanagari, "\u0938\u093E\u0927\u094D\u092F"},
        Case{"YogaDhruva", YogaNames[11], kDevanagari, "\u0927\u094D\u0930\u0941\u0935"},
        Case{"NakshatraDhanishtha", NaxatraNames[22], kDevanagari,
             "\u0927\u0928\u093F\u0937\u094D\u0920\u093E"},
        Case{"LatinReadsTheMendedWord", ColumnHeadings[13], kLatin, "Suryarashi"},
        Case{"XdvngKeepsTheStoredSpelling", ColumnHeadings[13], kStored, "s:\xC3\x9Cy:raeS:"},
        // Only before a month's name: निर्जला begins with the same glyphs as निज
        // ("en:j:" then the reph), and was split into "Nij R◌La".
        Case{"LatinNoteBeginningLikeThePrefix", "en:j:\xFCl:a OkadS:i", kLatin, "Nirjala Ekadashi"},
        // A lost month (Pausha, with Magha lost, at Mumbai from 15 January 1983)
        // bears both names; stored apart by a blank, since "-" is the glyph रू.
        Case{"LostMonthJoinedByAHyphen", MaasNames[9] + " " + MaasNames[10], kDevanagari,
             "\u092A\u094C\u0937-\u092E\u093E\u0918"},  // पौष-माघ
        Case{"LostMonthInLatin", MaasNames[9] + " " + MaasNames[10], kLatin, "Paush-Magh"},
        Case{"LostMonthAfterAnAddedMonth", std::string(kRegularAfterAddedPrefix) + MaasNames[7] + " " + MaasNames[8],
             kLatin, "Nij Kartik-Margashirsha"},
        Case{"LostMonthStoredWithItsBlank", MaasNames[9] + " " + MaasNames[10], kStored, "p::\xC3\xB2\\: m:aG:"}),
    [](const testing::TestParamInfo<Case>& row) { return std::string(row.param.why); });

TEST(DisplayRow, TheNotesColumnHasAHeading) {
  const MonthTable table = EmptyMonthTable();
  const std::vector<std::string> headings = DisplayRow(table, 0, kDevanagari);
  ASSERT_EQ(headings.size(), static_cast<std::size_t>(kTableColumns));
  EXPECT_EQ(headings[16], "\u0935\u093F\u0936\u0947\u0937");  // विशेष, "notes"
  EXPECT_EQ(DisplayRow(table, 0, kStored)[16], "ev:S:\xC3\xB0\\:");
  // The stored table itself has no heading there.
  EXPECT_EQ(table.cells[0][16], "");
  EXPECT_EQ(ShownCell(table, 0, 16), kNotesHeading);
  EXPECT_EQ(ShownCell(table, 1, 16), "");
  EXPECT_EQ(ShownCell(table, 32, 0), "");
  EXPECT_TRUE(DisplayRow(table, 32, kDevanagari).empty());
}

// A note typed in Unicode Devanagari beside the program's Xdvng notes: each text of
// the cell is shown in its own encoding (decoding the joined bytes as Xdvng
// garbled the note). 23 January is the classic Kali new year (its note alone);
// the notes of a precise row (a sign entry, a user's note, the Kali new year) are
// shown one after the other.
TEST(DisplayCell, EachNoteInItsOwnEncoding) {
  MonthValues month;
  month.year = 2026;
  month.month = 3;
  DayValues day;
  day.date = {2026, 3, 19};
  day.precise.emplace();
  LocalInstant entry;
  entry.shown = {{2026, 3, 19}, 21, 5, 0};
  day.signEntry = SignEntry{0, entry};
  day.auspicious = "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E";  // गुढीपाडवा, typed in Unicode
  day.kaliNewYear = 5127;
  month.days = {day};
  const MonthTable table = FormatMonth(month);
  const std::string shown = DisplayCell(table, 19, 16, kWestern);
  EXPECT_EQ(shown,
            "\u0938\u0942\u0930\u094D\u092F\u093E\u091A\u093E \u092E\u0947\u0937 "
            "\u0930\u093E\u0936\u093F\u092A\u094D\u0930\u0935\u0947\u0936 21:05 \u00B7 "
            "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E \u00B7 "
            "\u0915\u0932\u093F\u092F\u0941\u0917\u093E\u092C\u094D\u0926 : 5127 "
            "\u0928\u0942\u0924\u0928 \u0935\u0930\u094D\u0937\u093E\u0930\u092E\u094D\u092D");  // नूतन वर्षारम्भ
  EXPECT_EQ(DisplayRow(table, 19, kWestern)[16], shown);
  EXPECT_EQ(DisplayCell(table, 19, 16, kLatin), "Suryacha Mesh Rashipravesh 21:05 \u00B7 Gudhipadava \u00B7 Kaliyugabda : 5127 Nutan Varsharambha");
  // The Xdvng script shows the stored cell, byte for byte.
  EXPECT_EQ(DisplayCell(table, 19, 16, kStored), DisplayText(table.cells[19][16], kStored));
}

// Every text the program ships, in both Latin scripts: the stored texts of the
// name tables (tests/data/xdvng/system-texts.tsv, the Xdvng facts) show no dotted
// circle (a mark left without its letter) and no replaced byte; each
// auspicious-day text of the bundled place file shows as the Latin of its Unicode
// in data/auspicious-days.txt (the documentation's list), which a display rule
// meant for another text must not change: निर्जला एकादशी read "Nij R◌La Ekadashi"
// when the month prefix निज was split off it.
TEST(DisplayText, EveryShippedTextTransliteratesCleanly) {
  using xdvng::testing::Latin1Bytes;
  using xdvng::testing::ReadFileBytes;
  using xdvng::testing::ReadTsv;
  const DisplayForm iso{Script::Iso15919, xdvng::Digits::Latin};
  const auto clean = [](const std::string& shown) {
    return shown.find("\u25CC") == std::string::npos && shown.find("\uFFFD") == std::string::npos;
  };
  int texts = 0;
  for (const auto& row : ReadTsv(KALNIKA_TEST_DATA "/xdvng/system-texts.tsv")) {
    const std::string stored = Latin1Bytes(row.at(1));
    for (const DisplayForm& form : {kLatin, iso}) EXPECT_TRUE(clean(DisplayText(stored, form))) << row[0];
    ++texts;
  }
  EXPECT_EQ(texts, 196);

  std::map<std::string, std::string> unicode;  // key -> the documentation's Unicode
  for (const auto& row : ReadTsv(KALNIKA_TEST_DATA "/../../data/auspicious-days.txt", false)) unicode[row.at(0)] = row.at(1);
  // KEY="VALUE" lines after the section's header, CR LF (auspicious_days_test.cpp
  // checks the layout).
  const std::string ini = ReadFileBytes(KALNIKA_TEST_DATA "/../../data/Location.ini");
  std::istringstream lines(ini.substr(ini.find("[AUSPICIOUS DAYS]")));
  std::string line;
  std::getline(lines, line);
  int notes = 0;
  while (std::getline(lines, line)) {
    const std::size_t equals = line.find("=\"");
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string stored = line.substr(equals + 2, line.rfind('"') - equals - 2);
    ASSERT_TRUE(unicode.count(key)) << key;
    for (const auto& [form, style] : {std::pair{kLatin, xdvng::LatinStyle::Readable}, std::pair{iso, xdvng::LatinStyle::Iso15919}})
      EXPECT_EQ(DisplayText(stored, form), xdvng::ToLatin(unicode[key], style)) << key;
    ++notes;
  }
  EXPECT_EQ(notes, static_cast<int>(unicode.size()));
}

MonthValues TwoDays(int firstVikram, int lastVikram) {
  MonthValues month;
  month.year = 2026;
  month.month = 12;
  month.yearText = "2026";
  DayValues first, last;
  first.vikram = firstVikram;
  last.vikram = lastVikram;
  last.kaliYear = 5128;
  month.days = {first, last};
  return month;
}

// The classic method's name and the words of the place and method columns are
// csv_test.cpp's headings and cells.
TEST(MendedSpelling, WholeWordsOnly) {
  // धृव inside a longer word is another word; a mended word beside a blank or a
  // digit is mended.
  EXPECT_EQ(MendedSpelling("\u0927\u0943\u0935\u0924"), "\u0927\u0943\u0935\u0924");
  EXPECT_EQ(MendedSpelling("\u0905\u0927\u0943\u0935"), "\u0905\u0927\u0943\u0935");
  EXPECT_EQ(MendedSpelling("\u0967 \u0927\u0943\u0935"), "\u0967 \u0927\u094D\u0930\u0941\u0935");
}

// The notes of a day in one cell: a skipped tithi (precise method) and a festival,
// the example of a Sankashti day, read as two notes, not as one sentence.
TEST(DisplayNotes, NotesOfADayApart) {
  const std::vector<DayNote> notes{{NoteKind::SkippedTithi, "k\xE1\\N: c:t:\xD8T:i\xFC 30H1 p:y:\xFC\xF6t: ", {}, {}},
                                   {NoteKind::Auspicious, "s:\xF6k\xC4i c:t:\xD8T:i\xFC", {}, {}}};
  EXPECT_EQ(DisplayNotes(notes, kDevanagari),
            "\u0915\u0943\u0937\u094D\u0923 \u091A\u0924\u0941\u0930\u094D\u0925\u0940 "
            "\u0969\u0966:\u0966\u0967 \u092A\u0930\u094D\u092F\u0902\u0924 \u00B7 "
            "\u0938\u0902\u0915\u0937\u094D\u091F\u0940 \u091A\u0924\u0941\u0930\u094D\u0925\u0940");
}

TEST(PageWords, MonthHeadingMethodAndEras) {
  EXPECT_EQ(DisplayText(MonthHeading(TwoDays(2083, 2083)), kDevanagari),
            "\u0921\u093F\u0938\u0947\u0902\u092C\u0930 \u0968\u0966\u0968\u096C");  // डिसेंबर २०२६
  EXPECT_EQ(DisplayText(MethodName(Method::Precise), kDevanagari),
            "\u0926\u0943\u0915\u094D\u0938\u093F\u0926\u094D\u0927");  // दृक्सिद्ध
  EXPECT_EQ(KaliYears(TwoDays(2082, 2083), kWestern), "5128");
  EXPECT_EQ(VikramYears(TwoDays(2082, 2083), kWestern), "2082\u20132083");
  EXPECT_EQ(VikramYears(TwoDays(2082, 2083), kStored), "2082 2083");
  EXPECT_EQ(VikramYears(TwoDays(2083, 2083), kDevanagari), "\u0968\u0966\u096E\u0969");
  EXPECT_EQ(KaliYears(MonthValues{}, kWestern), "");
}


}  // namespace
}  // namespace kalnika
