// The text helpers every layer shares. Expected bytes worked out by hand from the
// Unicode and Windows-1252 code charts.
#include <string>

#include <gtest/gtest.h>

#include "text/text.h"

namespace kalnika {
namespace {

TEST(TrimBlanks, SpacesAndTabsAtTheEndsOnly) {
  EXPECT_EQ(TrimBlanks(" \tMumbai, India \t"), "Mumbai, India");
  EXPECT_EQ(TrimBlanks("   "), "");
  // 0xA0 is a Devanagari glyph in the stored bytes, never a blank
  EXPECT_EQ(TrimBlanks("\xA0k "), "\xA0k");
  EXPECT_EQ(TrimBlanks("\r\nline\r\n", " \r\n"), "line");
}

TEST(IsUtf8, WellFormedOnly) {
  struct Case { const char* name; std::string bytes; bool utf8; } cases[] = {
      {"Ascii", "Pune", true},
      {"Devanagari", "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87", true},  // पुणे
      {"WindowsByte", "S\xE3o", false},
      {"CutCharacter", "\xE0\xA4", false},
      {"Overlong", "\xC0\xAF", false},
      {"Surrogate", "\xED\xA0\x80", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << c.name;
}

// A cut never splits a character of a UTF-8 text; other texts are one byte a character.
TEST(Utf8Prefix, CutsOnlyAtCharacterBoundaries) {
  const std::string pune = "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87";  // पुणे, 3 bytes a character
  EXPECT_EQ(Utf8Prefix(pune, 7), 6u);
  EXPECT_EQ(Utf8Prefix(pune, 6), 6u);
  EXPECT_EQ(Utf8Prefix(pune, 40), pune.size());
  EXPECT_EQ(Utf8Prefix("S\xE3o Paulo", 2), 2u);
}

TEST(PlainText, Utf8OrWindowsCodePage) {
  EXPECT_EQ(PlainText("S\xC3\xA3o Tom\xC3\xA9"), "S\xC3\xA3o Tom\xC3\xA9");  // UTF-8 as it is
  EXPECT_EQ(PlainText("S\xE3o"), "S\xC3\xA3o");                             // a Windows file's ã
  EXPECT_EQ(PlainText("\x80 5"), "\xE2\x82\xAC 5");                        // 0x80 is the euro sign in 1252
  EXPECT_EQ(PlainText("\xC3"), "\xC3\x83");                                 // cut UTF-8 is a Windows byte
}

TEST(Latin1ToUtf8, EachByteItsCodePoint) {
  EXPECT_EQ(Latin1ToUtf8("k\xE1\\N:"), "k\xC3\xA1\\N:");
  EXPECT_EQ(Latin1ToUtf8("\x80"), "\xC2\x80");  // not the euro sign: stored bytes as they are
}

TEST(FoldCase, EveryScript) {
  EXPECT_EQ(FoldCase("S\xC3\x83O PAULO"), "s\xC3\xa3o paulo");           // SÃO PAULO
  EXPECT_EQ(FoldCase("\xCE\x91\xCE\x98\xCE\x97\xCE\x9D\xCE\x91"), "\xCE\xB1\xCE\xB8\xCE\xB7\xCE\xBD\xCE\xB1");  // ΑΘΗΝΑ
  EXPECT_EQ(FoldCase("\xD0\x9C\xD0\x9E\xD0\xA1"), "\xD0\xBC\xD0\xBE\xD1\x81");  // МОС
  EXPECT_EQ(FoldCase("STRASSE"), FoldCase("stra\xC3\x9F" "e"));             // ß folds to ss
}

// An ESC sequence in a place name (OSC 0 sets the window title, CSI 2J clears the
// screen) must not reach a terminal; every C0 control but the line feed, DEL and
// the C1 controls (U+0080..U+009F, the 8-bit CSI 0x9B among them) become U+FFFD.
TEST(TerminalText, ControlsBecomeReplacementCharacters) {
  const std::string replaced = "\xEF\xBF\xBD";
  struct Row {
    const char* name;
    std::string text, shown;
  } rows[] = {
      {"title", "Pune\x1B]0;owned\x07", "Pune" + replaced + "]0;owned" + replaced},
      {"clear screen", "\x1B[2J", replaced + "[2J"},
      {"tab", "a\tb", "a" + replaced + "b"},
      {"carriage return", "a\rb", "a" + replaced + "b"},
      {"delete", "a\x7F", "a" + replaced},
      {"C1 control", "a\xC2\x9B" "2J", "a" + replaced + "2J"},
      {"line feed kept", "a\nb", "a\nb"},
      {"Devanagari kept", "\u092A\u0941\u0923\u0947", "\u092A\u0941\u0923\u0947"},
      {"no-break space kept", "a\u00A0b", "a\u00A0b"},
      // Windows 1252: 0x9B is "›"; 0x81 is unassigned and read as U+0081, a control.
      {"Windows bytes", "\x9B\x81", "\u203A" + replaced},
  };
  for (const Row& r : rows) EXPECT_EQ(TerminalText(r.text), r.shown) << r.name;
  // An iCalendar TEXT value keeps the tab RFC 5545 allows, and the line feed its
  // writer escapes.
  EXPECT_EQ(WithoutControls("a\tb\nc\x0B", "\t\n"), "a\tb\nc" + replaced);
}

TEST(TerminalColumns, MarksTakeNoColumn) {
  EXPECT_EQ(TerminalColumns("Pune"), 4u);
  // प ु ण े: the two vowel signs below and above take no column
  EXPECT_EQ(TerminalColumns("\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87"), 2u);
  // क ् ष ा: the virama takes none, the spacing sign ा one
  EXPECT_EQ(TerminalColumns("\xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xB7\xE0\xA4\xBE"), 3u);
  EXPECT_EQ(TerminalColumns("\xE6\x97\xA5"), 2u);  // 日, wide
}

}  // namespace
}  // namespace kalnika
