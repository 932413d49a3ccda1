#pragma once
// Text helpers for every layer, on ICU: blanks, UTF-8, the single-byte texts of
// files written on Windows, case folding and the columns a text takes in a
// terminal. No Qt.
#include <cstddef>
#include <string>
#include <string_view>

namespace kalnika {

// `text` without the characters of `blanks` (space and tab unless told) at either
// end. Bytes 0x80-0xFF are never blanks (0xA0 is a Devanagari glyph in Xdvng).
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " \t");

// Whether the bytes are well-formed UTF-8 (overlong forms, surrogates and values
// beyond U+10FFFF are not).
bool IsUtf8(std::string_view bytes);

// The length of the longest beginning of `bytes` of at most `limit` bytes that
// ends on a character boundary, when the bytes are UTF-8; `limit` (one byte a
// character) for bytes that are not. Never more than bytes.size().
std::size_t Utf8Prefix(std::string_view bytes, std::size_t limit);

// Each byte as the character of its value (Latin-1), in UTF-8: how the stored Xdvng
// bytes are shown byte for byte.
std::string Latin1ToUtf8(std::string_view bytes);

// A text of the place file as UTF-8: the bytes themselves when they are UTF-8 (as
// this program writes them), else the Windows code page 1252 in which a program
// on Windows wrote them ("S\xE3o Paulo" is "São Paulo").
std::string PlainText(std::string_view bytes);

// `text` as UTF-8 (PlainText) with every control character replaced by U+FFFD
// (the replacement character): the C0 controls but those in `keep`, DEL and the C1
// controls U+0080..U+009F. For outputs whose readers act on control characters or
// refuse them: a terminal, an iCalendar TEXT value.
std::string WithoutControls(std::string_view text, std::string_view keep = {});

// Text meant for a terminal (a table, a message on stderr): WithoutControls with
// the line feed kept, so that an ESC sequence stored in a place file cannot set the
// terminal's title, move its cursor or clear its screen.
std::string TerminalText(std::string_view text);

// Case-folded UTF-8 (Unicode full case folding), for matching names ignoring case
// in every script; bytes that are not UTF-8 are taken as code page 1252 first.
std::string FoldCase(std::string_view text);

// The columns a UTF-8 text takes in a terminal, as wcwidth counts them: none for
// non-spacing marks and format characters (the virama, the vowel signs drawn
// above or below their letter, the zero-width joiners), two for wide East Asian
// characters, one otherwise (also the spacing vowel signs such as ा).
std::size_t TerminalColumns(std::string_view utf8);

}  // namespace kalnika
