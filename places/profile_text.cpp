#include "places/profile_text.h"

#include "text/text.h"

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

static_assert(kLargestText <= (std::size_t{1} << 24), "offsets must fit the 24 bits of a NameRef");

constexpr NameRef kOffsetMask = (NameRef{1} << 24) - 1;
constexpr std::size_t kLongName = 255;  // the length a NameRef keeps for 255 bytes or more

NameRef MakeRef(std::size_t begin, std::size_t end) {
  return static_cast<NameRef>(begin) | (static_cast<NameRef>(std::min(end - begin, kLongName)) << 24);
}

Offset BeginOf(NameRef ref) { return ref & kOffsetMask; }

// The end of the content of the line holding `from`: its first CR or LF, or the end
// of the text.
std::size_t LineEndFrom(const std::string& text, std::size_t from) {
  while (from < text.size() && text[from] != '\r' && text[from] != '\n') ++from;
  return from;
}

// The start of the line after the one whose content ends at `end`.
std::size_t NextLine(const std::string& text, std::size_t end) {
  if (end == text.size()) return end;
  return end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
}

// The name of a header whose NameRef says 255 bytes or more: up to the last "]" of
// its line, blanks trimmed.
std::string_view LongNameAt(const std::string& text, std::size_t begin) {
  std::size_t close = LineEndFrom(text, begin);
  while (text[close - 1] != ']') --close;  // the header has one at or after `begin`
  return std::string_view(text.data() + begin, TrimEnd(text, begin, close - 1) - begin);
}

// The key of an entry whose NameRef says 255 bytes or more: up to the first "=" of
// its line, or the whole line, blanks trimmed.
std::string_view LongKeyAt(const std::string& text, std::size_t begin) {
  const std::size_t end = LineEndFrom(text, begin);
  const void* found = std::memchr(text.data() + begin, '=', end - begin);
  const std::size_t equals =
      found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : end;
  return std::string_view(text.data() + begin, TrimEnd(text, begin, equals) - begin);
}

// The section name or key `ref` points to. (The parse has checked every offset
// against the text, so no bounds are checked here: the sorts call this some 10^8
// times on the largest text.)
inline std::string_view NameOf(const std::string& text, NameRef ref) {
  const std::size_t length = ref >> 24;
  if (length < kLongName) return std::string_view(text.data() + BeginOf(ref), length);
  return LongNameAt(text, BeginOf(ref));
}

inline std::string_view KeyOf(const std::string& text, NameRef ref) {
  const std::size_t length = ref >> 24;
  if (length < kLongName) return std::string_view(text.data() + BeginOf(ref), length);
  return LongKeyAt(text, BeginOf(ref));
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

// The entry whose key begins at `begin`, read again from its line.
Entry EntryAt(const std::string& text, std::size_t begin) {
  const std::size_t end = LineEndFrom(text, begin);
  Entry entry = ParseEntry(text, begin, TrimEnd(text, begin, end));
  entry.lineEnd = static_cast<Offset>(end);  // trailing blanks go with a replaced value
  return entry;
}

enum class LineKind { Blank, Header, Comment, Entry };

// One line of the text, as the parse and the writer see it.
struct Line {
  std::size_t begin = 0;  // where the line begins
  std::size_t end = 0;    // where its content ends (its line ending follows)
  std::size_t next = 0;   // where the next line begins
  std::size_t from = 0;   // its content without blanks (nor a byte-order mark) around it
  std::size_t to = 0;
  LineKind kind = LineKind::Blank;
  std::size_t nameEnd = 0;  // a header's name is [from + 1 and its blanks, nameEnd)
};

// Calls visit(line) for every line of `text` in order; lines end at CRLF, LF or CR
// (a file may mix them), an unterminated last line is a line too, but a final line
// ending opens no empty line after it.
template <typename Visit>
void ForEachLine(const std::string& t, const Visit& visit) {
  const std::size_t size = t.size();
  Line line;
  while (line.next < size) {
    line.begin = line.next;
    line.end = LineEndFrom(t, line.begin);
    line.next = NextLine(t, line.end);
    line.kind = LineKind::Blank;
    std::size_t from = line.begin;
    // a UTF-8 byte-order mark before the first line is not part of its text
    if (from == 0 && t.compare(0, 3, "\xEF\xBB\xBF") == 0) from += 3;
    line.from = SkipBlanks(t, std::min(from, line.end), line.end);
    line.to = TrimEnd(t, line.from, line.end);
    if (line.from < line.to) {
      if (t[line.from] == ';') {
        line.kind = LineKind::Comment;
      } else {
        line.kind = LineKind::Entry;
        if (t[line.from] == '[') {
          // the name runs to the last "]" of the line; without one the line is no header
          std::size_t close = line.to;
          while (close > line.from + 1 && t[close - 1] != ']') --close;
          if (close > line.from + 1) {
            line.kind = LineKind::Header;
            line.nameEnd = close - 1;
          }
        }
      }
    }
    visit(static_cast<const Line&>(line));
  }
}

// Where the trimmed name of the header `line` begins and ends.
std::pair<std::size_t, std::size_t> HeaderName(const std::string& t, const Line& line) {
  const std::size_t begin = SkipBlanks(t, line.from + 1, line.nameEnd);
  return {begin, TrimEnd(t, begin, line.nameEnd)};
}

// Where the trimmed key of the entry `line` ends.
std::size_t KeyEnd(const std::string& t, const Line& line) {
  const void* found = std::memchr(t.data() + line.from, '=', line.to - line.from);
  if (found == nullptr) return line.to;
  return TrimEnd(t, line.from, static_cast<std::size_t>(static_cast<const char*>(found) - t.data()));
}

// The first occurrence of [section] in document.sections, or nullptr.
const Section* FindSection(const Document& document, std::string_view section) {
  const std::string& t = document.text;
  const std::string_view name = TrimBlanks(section);
  auto it = std::lower_bound(document.sections.begin(), document.sections.end(), name,
                             [&t](const Section& s, std::string_view n) {
                               return CompareFolded(NameOf(t, s.name), n) < 0;
                             });
  if (it == document.sections.end() || CompareFolded(NameOf(t, it->name), name) != 0) return nullptr;
  return &*it;
}

// The first line of `key` in the first occurrence of `section`: among the keys of
// that name (in file order) the first one after the section's header, if it comes
// before the section's end.
std::optional<Entry> FindKey(const Document& document, const Section& section, std::string_view key) {
  const std::string& t = document.text;
  const std::string_view name = TrimBlanks(key);
  const Offset header = BeginOf(section.name);
  auto it = std::lower_bound(document.keys.begin(), document.keys.end(), name,
                             [&t, header](NameRef k, std::string_view n) {
                               const int c = CompareFolded(KeyOf(t, k), n);
                               return c != 0 ? c < 0 : BeginOf(k) <= header;
                             });
  if (it == document.keys.end() || BeginOf(*it) >= section.end || CompareFolded(KeyOf(t, *it), name) != 0) {
    return std::nullopt;
  }
  return EntryAt(t, BeginOf(*it));
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) { return kalnika::TrimBlanks(text, " \t"); }

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

  // The index is counted before it is filled, so that it is allocated once at its
  // size: a vector grown by doubling would hold up to twice its entries meanwhile.
  std::size_t headers = 0;
  std::size_t keys = 0;
  ForEachLine(t, [&](const Line& line) {
    if (line.kind == LineKind::Header) ++headers;
    if (line.kind == LineKind::Entry && headers > 0) ++keys;  // none before the first header
  });
  if (headers == 0) return result;

  // The sections: every header sorted by folded name, ties in file order, and only
  // the first of each name kept (Windows reads only the first).
  std::vector<NameRef> names;
  names.reserve(headers);
  ForEachLine(t, [&](const Line& line) {
    if (line.kind != LineKind::Header) return;
    const auto [begin, end] = HeaderName(t, line);
    names.push_back(MakeRef(begin, end));
  });
  std::sort(names.begin(), names.end(), [&t](NameRef x, NameRef y) {
    const int c = CompareFolded(NameOf(t, x), NameOf(t, y));
    return c != 0 ? c < 0 : x < y;  // same name: same length byte, so the offsets decide
  });
  names.erase(std::unique(names.begin(), names.end(),
                          [&t](NameRef x, NameRef y) { return CompareFolded(NameOf(t, x), NameOf(t, y)) == 0; }),
              names.end());
  std::vector<Section>& sections = document.sections;
  sections.reserve(names.size());
  for (NameRef name : names) sections.push_back({name, 0});
  std::vector<NameRef>().swap(names);  // freed before the keys take their room

  // Where each section ends (the next header, of any name) and the keys, in one
  // more pass in file order.
  std::sort(sections.begin(), sections.end(),
            [](const Section& x, const Section& y) { return BeginOf(x.name) < BeginOf(y.name); });
  document.keys.reserve(keys);
  std::size_t nextFirst = 0;  // the next first occurrence in file order
  Section* open = nullptr;    // a first occurrence whose end is not known yet
  bool inSection = false;
  ForEachLine(t, [&](const Line& line) {
    if (line.kind == LineKind::Header) {
      if (open != nullptr) open->end = static_cast<Offset>(line.begin);
      open = nullptr;
      inSection = true;
      const std::size_t begin = HeaderName(t, line).first;
      if (nextFirst < sections.size() && BeginOf(sections[nextFirst].name) == begin) open = &sections[nextFirst++];
    } else if (line.kind == LineKind::Entry && inSection) {
      document.keys.push_back(MakeRef(line.from, KeyEnd(t, line)));
    }
  });
  if (open != nullptr) open->end = static_cast<Offset>(t.size());

  std::sort(sections.begin(), sections.end(), [&t](const Section& x, const Section& y) {
    return CompareFolded(NameOf(t, x.name), NameOf(t, y.name)) < 0;
  });
  std::sort(document.keys.begin(), document.keys.end(), [&t](NameRef x, NameRef y) {
    const int c = CompareFolded(KeyOf(t, x), KeyOf(t, y));
    return c != 0 ? c < 0 : BeginOf(x) < BeginOf(y);
  });
  return result;
}

std::optional<Entry> Find(const Document& document, std::string_view section, std::string_view key) {
  const Section* s = FindSection(document, section);
  if (s == nullptr) return std::nullopt;
  return FindKey(document, *s, key);
}

std::string_view ValueOf(const Document& document, const Entry& entry) {
  if (!entry.hasValue) return {};
  return std::string_view(document.text).substr(entry.valueBegin, entry.valueEnd - entry.valueBegin);
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
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  // what the parse does not keep is read again from the text: a write is rare and
  // copies the text anyway
  std::string eol;            // style of the first line ending; CRLF when there is none
  bool lastTerminated = true;  // false when the text ends inside a line
  bool lastBlank = true;       // the last line holds only blanks (true for an empty text)
  ForEachLine(t, [&](const Line& line) {
    if (eol.empty() && line.next > line.end) eol = t.substr(line.end, line.next - line.end);
    lastTerminated = line.next > line.end;
    lastBlank = SkipBlanks(t, line.begin, line.end) == line.end;
  });
  if (eol.empty()) eol = "\r\n";  // the style Windows writes
  std::string out;
  out.reserve(t.size() + sectionName.size() + keyName.size() + value.size() + 16);

  if (const Section* s = FindSection(document, sectionName)) {
    if (const std::optional<Entry> e = FindKey(document, *s, keyName)) {
      // replace the value in place; the key as spelled in the file and the blanks
      // around "=" stay
      out.append(t, 0, e->replaceFrom);
      if (!e->hasValue) out += '=';
      out.append(value);
      out.append(t, e->lineEnd, std::string::npos);
      return out;
    }
    // a new key goes after the section's last non-blank line (comments count),
    // before the blank lines that separate it from the next section
    std::size_t lastEnd = LineEndFrom(t, BeginOf(s->name));  // the header's line
    std::size_t lastNext = NextLine(t, lastEnd);
    for (std::size_t begin = lastNext; begin < s->end;) {
      const std::size_t end = LineEndFrom(t, begin);
      const std::size_t next = NextLine(t, end);
      if (SkipBlanks(t, begin, end) < end) {
        lastEnd = end;
        lastNext = next;
      }
      begin = next;
    }
    out.append(t, 0, lastNext);
    if (lastNext == lastEnd) out += eol;  // the file ended without a line break
    out.append(keyName).append("=").append(value).append(eol);
    out.append(t, lastNext, std::string::npos);
    return out;
  }

  // a new section goes at the end of the file, after one blank line
  out = t;
  if (!t.empty()) {
    if (!lastTerminated) out += eol;
    if (!lastBlank) out += eol;
  }
  out.append("[").append(sectionName).append("]").append(eol);
  out.append(keyName).append("=").append(value).append(eol);
  return out;
}

}  // namespace kalnika::profile
