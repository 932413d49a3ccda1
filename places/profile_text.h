#pragma once
// Private-profile (INI) text as Windows reads and writes it, without any file
// access: the parse that the readers look names up in, and the byte-exact edit that
// a write makes. The text is kept as the bytes of the file (ANSI single-byte text,
// Devanagari in Xdvng bytes); nothing is converted.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kalnika::profile {

// One line of the text: its content is [begin, end), its line ending (CRLF, LF, CR,
// or none on an unterminated last line) runs from end to next.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
  bool blank = true;  // only spaces and tabs
};

// The first line of a key in the first occurrence of its section.
struct Entry {
  std::size_t line = 0;
  bool hasValue = false;        // false for a line without "=": it reads as missing
  std::size_t valueBegin = 0;   // the value as read: trimmed, unquoted, cut at a NUL
  std::size_t valueEnd = 0;
  std::size_t replaceFrom = 0;  // a new value replaces [replaceFrom, line end)
};

// The first occurrence of a section (a later one with the same name is ignored, as
// Windows ignores it).
struct Section {
  std::size_t headerLine = 0;
  std::size_t lastFilledLine = 0;  // last non-blank line before the next header
  std::unordered_map<std::string, Entry> entries;  // folded key name -> first entry
};

struct Document {
  std::string text;
  std::vector<Line> lines;
  std::unordered_map<std::string, Section> sections;  // folded section name
  std::string lineEnding;  // style of the first line ending; CRLF when there is none
};

// Splits `text` into lines and indexes the first occurrence of every section and key;
// entries before the first section header belong to no section.
Document Parse(std::string text);

// A section or key name as lookups compare it: blanks around it trimmed, ASCII
// letters lower-cased; bytes 0x80-0xFF are Devanagari glyphs and stay as they are.
std::string FoldName(std::string_view name);

// The entry of [section] key, or nullptr when the section or the key is missing.
const Entry* Find(const Document& document, std::string_view section, std::string_view key);

// The value bytes of `entry` as a reader gets them (empty for a line without "=").
std::string_view ValueOf(const Document& document, const Entry& entry);

// The whole text after writing [section] key=value: the first entry's value replaced
// in place, or the key added after the last non-blank line of its section, or the
// section added at the end after a blank line. Every other byte stays. `section` and
// `key` must already be checked (no line breaks, key without "=").
std::string WithEntry(const Document& document, std::string_view section, std::string_view key,
                      std::string_view value);

// Removes the blanks (space, tab) at both ends of `text`.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kalnika::profile
