#pragma once
// Private-profile (INI) text as Windows reads and writes it, without any file
// access: the parse that the readers look names up in, and the byte-exact edit that
// a write makes. The text is kept as the bytes of the file (ANSI single-byte text,
// Devanagari in Xdvng bytes); nothing is converted.
//
// The parse keeps nothing per blank or comment line, 4 bytes per key line (where
// its key begins) and 8 per section name. Everything else (where a key ends, its
// value, the quotes) is found again in the text when a lookup needs it, so the
// largest text and its parse take at most three times its size.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalnika::profile {

// The largest text read or written as a place file: 16 MiB. 5001 place records and
// every auspicious-day text take under 1 MB, so no real file comes near; anything
// larger is refused before it is read, never allocated.
inline constexpr std::size_t kLargestText = std::size_t{16} << 20;

// Offsets into the text; kLargestText keeps them below 2^24.
using Offset = std::uint32_t;

// A name in the text as the index keeps it: its offset in the low 24 bits and its
// length in the high 8 (255 for a name of 255 bytes or more, whose end is found
// again in its line).
using NameRef = std::uint32_t;

// The first line of a key in the first occurrence of its section, as a lookup finds
// it again in the text.
struct Entry {
  Offset keyBegin = 0;     // the key as spelled in the file, blanks trimmed
  Offset keyEnd = 0;
  Offset lineEnd = 0;      // end of the line's content (its line ending follows)
  Offset replaceFrom = 0;  // a new value replaces [replaceFrom, lineEnd)
  Offset valueBegin = 0;   // the value as read: trimmed, unquoted
  Offset valueEnd = 0;
  bool hasValue = false;   // false for a line without "=": it reads as missing
};

// The first occurrence of a section (a later one with the same name is ignored, as
// Windows ignores it).
struct Section {
  NameRef name = 0;  // the name as spelled between the brackets, trimmed
  Offset end = 0;    // where the next header line begins, or the end of the text
};

struct Document {
  std::string text;
  // the first occurrence of every section name, sorted by folded name
  std::vector<Section> sections;
  // the key of every line of content after the first header (comments and headers
  // aside), in every occurrence of a section, sorted by folded key with ties in
  // file order: a lookup takes the first one inside its section's first occurrence
  std::vector<NameRef> keys;
};

// Why a file of `bytes` bytes is too large to be a place file, or "" when it is not.
std::string SizeProblem(std::uint64_t bytes);

// Why `text` cannot be a place file, or "" when it can: longer than kLargestText,
// or holding a NUL byte. No text file holds NUL; a file saved as UTF-16 ("Unicode"
// in Notepad) or a binary file does, and reading it as ANSI would show garbage or
// nothing, so it is refused rather than taken as empty.
std::string TextProblem(std::string_view text);

// A parse, or the reason there is none (`problem` non-empty, `document` empty).
struct ParseResult {
  Document document;
  std::string problem;
};

// Indexes the first occurrence of every section and the keys of `text`; lines end
// in CRLF, LF or CR, entries before the first section header belong to no section.
// Refuses what TextProblem refuses.
ParseResult Parse(std::string text);

// A section or key name as lookups compare it: blanks around it trimmed, ASCII
// letters lower-cased; bytes 0x80-0xFF are Devanagari glyphs and stay as they are.
std::string FoldName(std::string_view name);

// The entry of [section] key, or nothing when the section or the key is missing.
std::optional<Entry> Find(const Document& document, std::string_view section, std::string_view key);

// The value bytes of `entry` as a reader gets them (empty for a line without "=").
std::string_view ValueOf(const Document& document, const Entry& entry);

// Why [section] key=value cannot be written, or "" when it can: a line break or NUL
// anywhere (the entry would split over two lines or be cut when read), an empty
// section name or key, a key holding "=" or beginning with ";" or "[" (it would end
// early, or read as a comment or header).
std::string EntryProblem(std::string_view section, std::string_view key, std::string_view value);

// The whole text after writing [section] key=value: the first entry's value replaced
// in place, or the key added after the last non-blank line of its section, or the
// section added at the end after a blank line. Every other byte stays. The entry
// must pass EntryProblem.
std::string WithEntry(const Document& document, std::string_view section, std::string_view key,
                      std::string_view value);

// Removes the blanks (space, tab) at both ends of `text`.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kalnika::profile
