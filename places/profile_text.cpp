#include "places/profile_text.h"

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

// Splits `text` into lines at CRLF, LF or CR (a file may mix them); an unterminated
// last line is a line too, but a final line ending opens no empty line after it.
std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  const std::size_t size = text.size();
  while (begin < size) {
    std::size_t end = begin;
    while (end < size && text[end] != '\r' && text[end] != '\n') ++end;
    std::size_t next = end;
    if (next < size) {
      // CR LF is one ending; a CR alone or an LF alone is one ending as well
      next += (text[next] == '\r' && next + 1 < size && text[next + 1] == '\n') ? 2 : 1;
    }
    Line line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    line.blank = SkipBlanks(text, begin, end) == end;
    lines.push_back(line);
    begin = next;
  }
  return lines;
}

// The line-ending bytes of the first terminated line; CRLF when no line is
// terminated, the style Windows writes.
std::string DetectLineEnding(const std::string& text, const std::vector<Line>& lines) {
  for (const Line& line : lines) {
    if (line.next > line.end) return text.substr(line.end, line.next - line.end);
  }
  return "\r\n";
}

// Lower-cases the ASCII letters A-Z only.
char FoldByte(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Folded copy of text[from, to).
std::string FoldRange(const std::string& text, std::size_t from, std::size_t to) {
  std::string folded(text, from, to - from);
  for (char& c : folded) c = FoldByte(c);
  return folded;
}

// Index of the entry on `line` (already known to be neither blank, comment nor
// header): key before the first "=", value after it.
Entry ParseEntry(const std::string& text, std::size_t lineIndex, std::size_t begin, std::size_t end,
                 std::size_t& keyEnd) {
  Entry entry;
  entry.line = lineIndex;
  std::size_t equals = begin;
  while (equals < end && text[equals] != '=') ++equals;
  if (equals == end) {
    // a line without "=": Windows keeps it as a key without value, which reads as missing
    keyEnd = end;
    entry.replaceFrom = end;
    return entry;
  }
  keyEnd = TrimEnd(text, begin, equals);
  entry.hasValue = true;
  std::size_t valueBegin = SkipBlanks(text, equals + 1, end);
  std::size_t valueEnd = end;
  // a reader's string ends at a NUL byte, so the value does too
  for (std::size_t i = valueBegin; i < valueEnd; ++i) {
    if (text[i] == '\0') {
      valueEnd = i;
      break;
    }
  }
  valueEnd = TrimEnd(text, valueBegin, valueEnd);
  // a new value starts where the old one started; "key=" gets it right after "="
  entry.replaceFrom = (valueBegin < end) ? valueBegin : equals + 1;
  // one enclosing pair of matching quotes is removed (two bytes at least: a lone
  // quote is kept)
  if (valueEnd - valueBegin >= 2) {
    const char first = text[valueBegin];
    if ((first == '"' || first == '\'') && text[valueEnd - 1] == first) {
      ++valueBegin;
      --valueEnd;
    }
  }
  entry.valueBegin = valueBegin;
  entry.valueEnd = valueEnd;
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
  for (char& c : folded) c = FoldByte(c);
  return folded;
}

Document Parse(std::string text) {
  Document document;
  document.text = std::move(text);
  const std::string& t = document.text;
  document.lines = SplitLines(t);
  document.lineEnding = DetectLineEnding(t, document.lines);

  Section* current = nullptr;  // entries before the first header belong to no section
  for (std::size_t i = 0; i < document.lines.size(); ++i) {
    const Line& line = document.lines[i];
    if (line.blank) continue;
    std::size_t begin = line.begin;
    // a UTF-8 byte-order mark before the first line is not part of its text
    if (i == 0 && t.compare(0, 3, "\xEF\xBB\xBF") == 0) begin += 3;
    begin = SkipBlanks(t, begin, line.end);
    const std::size_t end = TrimEnd(t, begin, line.end);
    if (begin == end) continue;  // only a byte-order mark
    if (t[begin] == '[') {
      // the name runs to the last "]" of the line; without one the line is no header
      std::size_t close = end;
      while (close > begin + 1 && t[close - 1] != ']') --close;
      if (close > begin + 1) {
        const std::size_t nameBegin = SkipBlanks(t, begin + 1, close - 1);
        const std::size_t nameEnd = TrimEnd(t, nameBegin, close - 1);
        auto [it, inserted] = document.sections.try_emplace(FoldRange(t, nameBegin, nameEnd));
        if (inserted) {
          it->second.headerLine = i;
          it->second.lastFilledLine = i;
          current = &it->second;  // element addresses survive rehashing
        } else {
          current = nullptr;  // a repeated section: Windows reads only the first
        }
        continue;
      }
    }
    if (current == nullptr) continue;
    current->lastFilledLine = i;  // comments count: a new key goes after them
    if (t[begin] == ';') continue;  // comment line
    std::size_t keyEnd = end;
    Entry entry = ParseEntry(t, i, begin, end, keyEnd);
    current->entries.try_emplace(FoldRange(t, begin, keyEnd), entry);  // first one wins
  }
  return document;
}

const Entry* Find(const Document& document, std::string_view section, std::string_view key) {
  auto s = document.sections.find(FoldName(section));
  if (s == document.sections.end()) return nullptr;
  auto e = s->second.entries.find(FoldName(key));
  if (e == s->second.entries.end()) return nullptr;
  return &e->second;
}

std::string_view ValueOf(const Document& document, const Entry& entry) {
  if (!entry.hasValue) return {};
  return std::string_view(document.text).substr(entry.valueBegin, entry.valueEnd - entry.valueBegin);
}

std::string WithEntry(const Document& document, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::string& t = document.text;
  const std::string& eol = document.lineEnding;
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  std::string out;
  out.reserve(t.size() + sectionName.size() + keyName.size() + value.size() + 16);

  auto s = document.sections.find(FoldName(sectionName));
  if (s != document.sections.end()) {
    auto e = s->second.entries.find(FoldName(keyName));
    if (e != s->second.entries.end()) {
      // replace the value in place; the key as spelled in the file and the blanks
      // around "=" stay
      const Entry& entry = e->second;
      const Line& line = document.lines[entry.line];
      out.append(t, 0, entry.replaceFrom);
      if (!entry.hasValue) out += '=';
      out.append(value);
      out.append(t, line.end, std::string::npos);
      return out;
    }
    // a new key goes after the section's last non-blank line, before the blank lines
    // that separate it from the next section
    const Line& last = document.lines[s->second.lastFilledLine];
    out.append(t, 0, last.next);
    if (last.next == last.end) out += eol;  // the file ended without a line break
    out.append(keyName).append("=").append(value).append(eol);
    out.append(t, last.next, std::string::npos);
    return out;
  }

  // a new section goes at the end of the file, after one blank line
  out = t;
  if (!document.lines.empty()) {
    const Line& last = document.lines.back();
    if (last.next == last.end) out += eol;
    if (!last.blank) out += eol;
  }
  out.append("[").append(sectionName).append("]").append(eol);
  out.append(keyName).append("=").append(value).append(eol);
  return out;
}

}  // namespace kalnika::profile
