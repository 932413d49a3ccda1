#pragma once
// The Xdvng font encoding <-> Unicode Devanagari.
//
// Every Devanagari text of the system (name tables, headings, notes, the
// auspicious-day texts of the place file) is stored as Xdvng bytes: one byte per
// glyph of the "Xdvng" font, 0x20..0xFF, in the order the glyphs are drawn. The
// stored bytes are never changed; these functions turn them into Unicode for
// display, and write Unicode the user typed as Xdvng bytes for storage.
#include <string>
#include <string_view>

namespace kalnika::xdvng {

// How the digit glyphs 0x30..0x39 are shown: as the Devanagari digits the font
// draws (U+0966..U+096F) or as ASCII digits.
enum class Digits { Devanagari, Latin };

// Xdvng bytes (one glyph per byte, drawing order) -> Unicode Devanagari in UTF-8,
// logical order, NFC. Half forms, the stem, the prefix i-sign, the reph, rakar,
// o/au signs and anusvara are put in Unicode order; digits follow `digits`; "H"
// is a colon where it has no syllable to attach to (at the start, after a blank,
// a digit or punctuation) and the visarga elsewhere. A byte without a glyph
// (0x00..0x1F, 0x7F..0x9F) shows as U+FFFD; a mark with no letter before it is
// drawn on U+25CC (dotted circle). A value that is already valid UTF-8 holding
// Devanagari (IsUtf8Devanagari) is returned unchanged, digits included: it is
// the user's own Unicode text. A value that is valid UTF-8 of Latin-1 characters
// only, some above U+007F, is glyph bytes saved by a UTF-8 editor: its characters
// are read as the glyph bytes they stand for.
std::string ToUnicode(std::string_view xdvng, Digits digits = Digits::Devanagari);

// As ToUnicode, but always reads the bytes as Xdvng glyphs, without looking for
// UTF-8 first.
std::string GlyphsToUnicode(std::string_view xdvng, Digits digits = Digits::Devanagari);

// The result of writing Unicode as Xdvng: on success `xdvng` holds the bytes and
// `error` is empty; otherwise `xdvng` is empty and `error` names the first
// character that cannot be written and why.
struct EncodeResult {
  bool ok = false;
  std::string xdvng;
  std::string error;
};

// Unicode Devanagari (UTF-8) -> Xdvng bytes in the glyph order the font needs,
// spelled as the system's own texts spell (ligatures where the font has them,
// half forms and the stem, the first copy of a mark unless the letter seats it
// elsewhere). Reading the bytes back gives the input in NFC:
// ToUnicode(FromUnicode(s).xdvng) == s for every NFC text it accepts, with one
// exception: ASCII digits are accepted too and read back as Devanagari digits
// (as ASCII ones with Digits::Latin), since the font has one set of digits.
// Accepted besides Devanagari: the blank, ASCII digits, "." and "·" (the font's
// dots), ":" where it starts a text or follows a blank, digit or punctuation, and
// U+25CC as the carrier of a lone mark. Everything else is refused, and so is a
// text whose glyph bytes happen to form UTF-8 that ToUnicode would show as such.
EncodeResult FromUnicode(std::string_view utf8);

// True when the bytes are valid UTF-8 holding at least one Devanagari character
// (U+0900..U+097F).
bool IsUtf8Devanagari(std::string_view bytes);

}  // namespace kalnika::xdvng
