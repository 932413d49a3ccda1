#include "places/profile_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kalnika::profile {

namespace {

// True for the two blank bytes Windows trims around names and values. Bytes
// 0x80-0xFF (0xA0 among them) are Devanagari glyphs, never blanks.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// First position in [from, to) that is not a blank; `to` when all are blanks.
std::size_t SkipBlanks(const std::string& text, std::size_t from, std::size_t to) {
  while (from < to && IsBlank(text[from])) ++from;
  return from;
}

// One past the last position in [from, to) that is not a blank; `from` when none.
std::size_t TrimEnd(const std::string& text, std::size_t from, std::size_t to) {
  while (to > from && IsBlank(text[to - 1])) --to;
  return to;
}

// Lower-cases the ASCII letters A-Z only.
unsigned char FoldByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// Compares two names as lookups do (ASCII letters without case), without copying:
// negative, 0 or positive.
int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = FoldByte(a[i]);
    const unsigned char y = FoldByte(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string_view Range(const std::string& text, Offset begin, Offset end) {
  return std::string_view(text).substr(begin, end - begin);
}

std::string_view KeyOf(const std::string& text, const Entry& entry) {
  return Range(text, entry.keyBegin, entry.keyEnd);
}

std::string_view NameOf(const std::string& text, const Section& section) {
  return Range(text, section.nameBegin, section.nameEnd);
}

// Sorts `items` by folded name and keeps the first occurrence (lowest offset) of
// each name: Windows reads only the first of duplicate sections and keys.
template <typename Item, typename NameFn, typename OffsetFn>
void SortKeepingFirst(std::vector<Item>& items, const NameFn& name, const OffsetFn& offset) {
  std::sort(items.begin(), items.end(), [&](const Item& x, const Item& y) {
    const int c = CompareFolded(name(x), name(y));
    return c != 0 ? c < 0 : offset(x) < offset(y);
  });
  auto last = std::unique(items.begin(), items.end(), [&](const Item& x, const Item& y) {
    return CompareFolded(name(x), name(y)) == 0;
  });
  items.erase(last, items.end());
  items.shrink_to_fit();
}

// The item whose folded name equals `folded` in items sorted by SortKeepingFirst.
template <typename Item, typename NameFn>
const Item* FindSorted(const std::vector<Item>& items, std::string_view folded, const NameFn& name) {
  auto it = std::lower_bound(items.begin(), items.end(), folded, [&](const Item& x, std::string_view n) {
    return CompareFolded(name(x), n) < 0;
  });
  if (it == items.end() || CompareFolded(name(*it), folded) != 0) return nullptr;
  return &*it;
}

// The entry on the line whose trimmed content is [begin, end) (already known to be
// neither blank, comment nor header): key before the first "=", value after it.
// The caller sets lineEnd.
Entry ParseEntry(const std::string& text, std::size_t begin, std::size_t end) {
  Entry entry;
  entry.keyBegin = static_cast<Offset>(begin);
  // the "=" is looked for within the line alone: a search to the end of the text
  // would make a file of lines without "=" cost the square of its size
  const void* found = std::memchr(text.data() + begin, '=', end - begin);
  const std::size_t equals =
      found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : end;
  if (equals == end) {
    // a line without "=": Windows keeps it as a key without value, which reads as missing
    entry.keyEnd = static_cast<Offset>(end);
    entry.replaceFrom = static_cast<Offset>(end);
    return entry;
  }
  entry.keyEnd = static_cast<Offset>(TrimEnd(text, begin, equals));
  entry.hasValue = true;
  std::size_t valueBegin = SkipBlanks(text, equals + 1, end);
  std::size_t valueEnd = TrimEnd(text, valueBegin, end);
  // a new value starts where the old one started; "key=" gets it right after "="
  entry.replaceFrom = static_cast<Offset>(valueBegin < end ? valueBegin : equals + 1);
  // one enclosing pair of matching quotes is removed (two bytes at least: a lone
  // quote is kept)
  if (valueEnd - valueBegin >= 2) {
    const char first = text[valueBegin];
    if ((first == '"' || first == '\'') && text[valueEnd - 1] == first) {
      ++valueBegin;
      --valueEnd;
    }
  }
  entry.valueBegin = static_cast<Offset>(valueBegin);
  entry.valueEnd = static_cast<Offset>(valueEnd);
  return entry;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  std::size_t from = 0;
  std::size_t to = text.size();
  while (from < to && IsBlank(text[from])) ++from;
  while (to > from && IsBlank(text[to - 1])) --to;
  return text.substr(from, to - from);
}

std::string FoldName(std::string_view name) {
  std::string folded(TrimBlanks(name));
  for (char& c : folded) c = static_cast<char>(FoldByte(c));
  return folded;
}

std::string SizeProblem(std::uint64_t bytes) {
  if (bytes <= kLargestText) return {};
  return "it is " + std::to_string(bytes) + " bytes long, more than the " +
         std::to_string(kLargestText >> 20) + " MB a place file may have";
}

std::string TextProblem(std::string_view text) {
  if (std::string why = SizeProblem(text.size()); !why.empty()) return why;
  const void* nul = std::memchr(text.data(), '\0', text.size());
  if (nul == nullptr) return {};
  if (text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') ||
                           (text[0] == '\xFE' && text[1] == '\xFF'))) {
    return "it is saved as UTF-16 (\"Unicode\"); save it again as ANSI or UTF-8 text";
  }
  const auto at = static_cast<const char*>(nul) - text.data();
  return "it is not a text file (it holds a NUL byte at byte " + std::to_string(at + 1) + ")";
}

ParseResult Parse(std::string text) {
  ParseResult result;
  result.problem = TextProblem(text);
  if (!result.problem.empty()) return result;
  Document& document = result.document;
  document.text = std::move(text);
  const std::string& t = document.text;
  const std::size_t size = t.size();

  // Every section occurrence in file order; repeats are dropped after the scan,
  // with the entries they collected (Windows reads only the first).
  std::vector<Section>& sections = document.sections;
  bool inSection = false;  // entries before the first header belong to no section
  std::size_t begin = 0;
  while (begin < size) {
    // lines end at CRLF, LF or CR (a file may mix them); an unterminated last line
    // is a line too, but a final line ending opens no empty line after it
    std::size_t end = begin;
    while (end < size && t[end] != '\r' && t[end] != '\n') ++end;
    std::size_t next = end;
    if (next < size) {
      next += (t[next] == '\r' && next + 1 < size && t[next + 1] == '\n') ? 2 : 1;
      if (document.lineEnding.empty()) document.lineEnding = t.substr(end, next - end);
    }
    const bool blank = SkipBlanks(t, begin, end) == end;
    if (next == size) {
      document.lastLineTerminated = next > end;
      document.lastLineBlank = blank;
    }
    const std::size_t lineBegin = begin;
    begin = next;
    if (blank) continue;

    std::size_t from = lineBegin;
    // a UTF-8 byte-order mark before the first line is not part of its text
    if (from == 0 && t.compare(0, 3, "\xEF\xBB\xBF") == 0) from += 3;
    from = SkipBlanks(t, from, end);
    const std::size_t to = TrimEnd(t, from, end);
    if (from == to) continue;  // only a byte-order mark
    if (t[from] == '[') {
      // the name runs to the last "]" of the line; without one the line is no header
      std::size_t close = to;
      while (close > from + 1 && t[close - 1] != ']') --close;
      if (close > from + 1) {
        Section section;
        const std::size_t nameBegin = SkipBlanks(t, from + 1, close - 1);
        section.nameBegin = static_cast<Offset>(nameBegin);
        section.nameEnd = static_cast<Offset>(TrimEnd(t, nameBegin, close - 1));
        section.lastFilledEnd = static_cast<Offset>(end);
        section.lastFilledNext = static_cast<Offset>(next);
        sections.push_back(std::move(section));
        inSection = true;
        continue;
      }
    }
    if (!inSection) continue;
    Section& current = sections.back();
    // comments count: a new key goes after them
    current.lastFilledEnd = static_cast<Offset>(end);
    current.lastFilledNext = static_cast<Offset>(next);
    if (t[from] == ';') continue;  // comment line
    Entry entry = ParseEntry(t, from, to);
    entry.lineEnd = static_cast<Offset>(end);  // trailing blanks go with a replaced value
    current.entries.push_back(entry);
  }
  if (document.lineEnding.empty()) document.lineEnding = "\r\n";  // the style Windows writes

  SortKeepingFirst(sections, [&t](const Section& s) { return NameOf(t, s); },
                   [](const Section& s) { return s.nameBegin; });
  for (Section& section : sections) {
    SortKeepingFirst(section.entries, [&t](const Entry& e) { return KeyOf(t, e); },
                     [](const Entry& e) { return e.keyBegin; });
  }
  return result;
}

const Entry* Find(const Document& document, std::string_view section, std::string_view key) {
  const std::string& t = document.text;
  const Section* s = FindSorted(document.sections, TrimBlanks(section),
                                [&t](const Section& x) { return NameOf(t, x); });
  if (s == nullptr) return nullptr;
  return FindSorted(s->entries, TrimBlanks(key), [&t](const Entry& e) { return KeyOf(t, e); });
}

std::string_view ValueOf(const Document& document, const Entry& entry) {
  if (!entry.hasValue) return {};
  return Range(document.text, entry.valueBegin, entry.valueEnd);
}

std::string EntryProblem(std::string_view section, std::string_view key, std::string_view value) {
  for (std::string_view text : {section, key, value}) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
      return "a section name, key or value may not contain a line break or a NUL character";
    }
  }
  if (TrimBlanks(section).empty()) return "the section name is empty";
  const std::string_view name = TrimBlanks(key);
  if (name.empty()) return "the key is empty";
  // "=" would end the key early; a leading ";" or "[" would make a comment or header
  if (name.find('=') != std::string_view::npos || name.front() == ';' || name.front() == '[') {
    return "the key \"" + std::string(name) + "\" may not contain \"=\" nor begin with \";\" or \"[\"";
  }
  return {};
}

std::string WithEntry(const Document& document, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::string& t = document.text;
  const std::string& eol = document.lineEnding;
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  std::string out;
  out.reserve(t.size() + sectionName.size() + keyName.size() + value.size() + 16);

  const Section* s = FindSorted(document.sections, sectionName,
                                [&t](const Section& x) { return NameOf(t, x); });
  if (s != nullptr) {
    const Entry* e = FindSorted(s->entries, keyName, [&t](const Entry& x) { return KeyOf(t, x); });
    if (e != nullptr) {
      // replace the value in place; the key as spelled in the file and the blanks
      // around "=" stay
      out.append(t, 0, e->replaceFrom);
      if (!e->hasValue) out += '=';
      out.append(value);
      out.append(t, e->lineEnd, std::string::npos);
      return out;
    }
    // a new key goes after the section's last non-blank line, before the blank lines
    // that separate it from the next section
    out.append(t, 0, s->lastFilledNext);
    if (s->lastFilledNext == s->lastFilledEnd) out += eol;  // the file ended without a line break
    out.append(keyName).append("=").append(value).append(eol);
    out.append(t, s->lastFilledNext, std::string::npos);
    return out;
  }

  // a new section goes at the end of the file, after one blank line
  out = t;
  if (!t.empty()) {
    if (!document.lastLineTerminated) out += eol;
    if (!document.lastLineBlank) out += eol;
  }
  out.append("[").append(sectionName).append("]").append(eol);
  out.append(keyName).append("=").append(value).append(eol);
  return out;
}

}  // namespace kalnika::profile
