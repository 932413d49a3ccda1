// The place file's text: any bytes parse or are refused with a reason; a write of
// any entry that may be written reads back as written, and leaves every other entry
// as it read before.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "places/profile_text.h"

namespace {

using namespace kalnika::profile;

// A value as a reader gets it back: blanks around it trimmed, one enclosing pair of
// matching quotes removed.
std::string AsRead(std::string_view value) {
  std::string_view v = TrimBlanks(value);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  return std::string(v);
}

// The value of [section] key in `document`, or nothing when the entry is missing.
std::string Lookup(const Document& document, const std::string& section, const std::string& key, bool& found) {
  const std::optional<Entry> entry = Find(document, section, key);
  found = entry && entry->hasValue;
  return found ? std::string(ValueOf(document, *entry)) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(32);
  const std::string key = input.ConsumeRandomLengthString(16);
  const std::string value = input.ConsumeRandomLengthString(100);
  const std::string otherSection = input.ConsumeRandomLengthString(32);
  const std::string otherKey = input.ConsumeRandomLengthString(16);
  const std::string text = input.ConsumeRemainingBytesAsString();

  ParseResult parsed = Parse(text);
  FUZZ_CHECK(parsed.problem == TextProblem(text));
  if (!parsed.problem.empty()) return 0;
  FUZZ_CHECK(parsed.document.text == text);
  bool otherFound = false;
  const std::string otherBefore = Lookup(parsed.document, otherSection, otherKey, otherFound);
  if (!EntryProblem(section, key, value).empty()) return 0;
  const bool isNew = !Find(parsed.document, section, key).has_value();

  const std::string written = WithEntry(parsed.document, section, key, value);
  ParseResult again = Parse(written);
  FUZZ_CHECK(again.problem.empty());
  bool found = false;
  FUZZ_CHECK(Lookup(again.document, section, key, found) == AsRead(value));
  FUZZ_CHECK(found);
  if (FoldName(otherSection) != FoldName(section) || FoldName(otherKey) != FoldName(key)) {
    bool stillFound = false;
    FUZZ_CHECK(Lookup(again.document, otherSection, otherKey, stillFound) == otherBefore);
    FUZZ_CHECK(stillFound == otherFound);
  }
  // a new entry keeps every byte of the old text, in order
  if (!isNew) return 0;
  std::size_t at = 0;
  for (const char c : text) {
    at = written.find(c, at);
    FUZZ_CHECK(at != std::string::npos);
    ++at;
  }
  return 0;
}
