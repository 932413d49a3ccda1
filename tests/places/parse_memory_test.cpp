// What the parse of a place file costs in memory: every allocation of this test
// program is counted (operator new is replaced here, so this file is its own test
// program). A blank line costs nothing; 200 MB of line feeds once cost 8.6 GB.
#include <cstdlib>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "places/profile_text.h"

namespace {
std::size_t allocatedBytes = 0;  // since the start of the program; one thread
}  // namespace

void* operator new(std::size_t size) {
  allocatedBytes += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kalnika::profile {
namespace {

// The bytes the parse allocates for `text` besides the text itself (which it takes
// over without a copy).
std::size_t ParseCost(std::string text) {
  const std::size_t before = allocatedBytes;
  ParseResult parsed = Parse(std::move(text));
  EXPECT_EQ(parsed.problem, "");
  return allocatedBytes - before;
}

// Texts of 4 MB with few entries: the parse must cost a few kilobytes whatever
// the number of lines (it cost 32 bytes a line and more).
TEST(PlacesParseMemory, NoCostPerBlankLine) {
  struct Case {
    const char* name;
    std::string text;
  };
  const std::size_t size = std::size_t{4} << 20;
  const Case cases[] = {
      {"LineFeeds", std::string(size, '\n')},
      {"CrLfLines", [&] { std::string t; while (t.size() < size) t += "\r\n"; return t; }()},
      {"BlankLinesAroundOneEntry", "[LOCATION]\r\n" + std::string(size / 2, '\n') + "0=\"a\"" + std::string(size / 2, '\r')},
      {"BlanksAndTabs", std::string(size, ' ') + "\n" + std::string(size, '\t')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_LT(ParseCost(c.text), 4096u);
  }
}

// Lines with content cost their entry, in proportion to the text: a place file of
// 5001 records (28 bytes an entry, 62 bytes a line) costs less than twice its text,
// counting every allocation as the entries grow, not only what is kept.
TEST(PlacesParseMemory, EntriesInProportion) {
  std::string text = "[LOCATION]\r\n";
  for (int n = 0; n <= 5000; ++n) {
    text += std::to_string(n) + "=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n";
  }
  const std::size_t size = text.size();
  EXPECT_LT(ParseCost(std::move(text)), 2 * size);
}

}  // namespace
}  // namespace kalnika::profile
