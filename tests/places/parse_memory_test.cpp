// What the parse of a place file costs in memory: every allocation of this test
// program is counted (operator new is replaced here, so this file is its own test
// program). A blank line costs nothing; 200 MB of line feeds once cost 8.6 GB.
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"
#include "places/profile_text.h"

namespace {
// since the start of the program; one thread
std::size_t allocatedBytes = 0;  // every allocation added up
std::size_t liveBytes = 0;       // what is allocated now (as malloc rounds it)
std::size_t peakBytes = 0;       // the most liveBytes has been

void Release(void* p) noexcept {
  if (p != nullptr) liveBytes -= ::malloc_usable_size(p);
  std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
  allocatedBytes += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    liveBytes += ::malloc_usable_size(p);
    peakBytes = std::max(peakBytes, liveBytes);
    return p;
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }

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
      {"BlankLinesAroundOneEntry",
       "[LOCATION]\r\n" + std::string(size / 2, '\n') + "0=\"a\"" + std::string(size / 2, '\r')},
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

// The size of the worst files: the largest a place file may be; a sixteenth of it
// in the build with the sanitizers, ten times slower, where the bound, a ratio,
// holds all the same.
#ifdef KALNIKA_SANITIZE
constexpr std::size_t kWorstSize = kLargestText / 16;
#else
constexpr std::size_t kWorstSize = kLargestText;
#endif

// The largest text of lines `line` after `head`.
std::string Filled(const std::string& head, const std::string& line) {
  std::string text = head;
  text.reserve(kWorstSize);
  while (text.size() + line.size() <= kWorstSize) text += line;
  return text;
}

// The largest text of distinct headers of three-byte names ("[`a\xF0]"): bytes from
// 0x60 up, none of which case-folds into another.
std::string DistinctHeaders() {
  std::string text;
  text.reserve(kWorstSize);
  for (int n = 0; text.size() + 6 <= kWorstSize; ++n) {
    text += '[';
    for (int digit = n, i = 0; i < 3; ++i, digit /= 160) text += static_cast<char>(0x60 + digit % 160);
    text += "]\n";
  }
  return text;
}

// The worst place files: 16 MiB of the shortest lines that each take room in the
// index. A snapshot (the file read, parsed and indexed) may hold at most three
// times the file's size at any moment while it is taken (docs/design.md, "The
// place file"), and a few kilobytes besides: malloc rounds a block this large up
// to whole pages, and the snapshot has its own small objects. Such files once
// took more than 20 times.
TEST(PlacesParseMemory, SnapshotOfWorstFilesAtMostThreeTimesItsSize) {
  struct Case {
    const char* name;
    std::string (*text)();
  } cases[] = {
      // 4 bytes of index for 2 bytes of text: the bound itself
      {"ShortestKeys", [] { return Filled("[A]\n", "k\n"); }},
      {"ShortestHeaders", [] { return Filled("", "[]\n"); }},
      {"DistinctShortestHeaders", DistinctHeaders},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::size_t size = 0;
    std::size_t before = 0;
    {
      const std::string text = c.text();
      size = text.size();
      test::PlaceFolder folder(text);
      ProfileFile places(folder.file);
      before = liveBytes;
      peakBytes = liveBytes;
      const ProfileSnapshot snapshot = places.Snapshot();
      EXPECT_EQ(snapshot.ReadProblem(), "");
    }
    EXPECT_GT(size, kWorstSize - 6);
    EXPECT_LE(peakBytes - before, 3 * size + (64 << 10));
  }
}

}  // namespace
}  // namespace kalnika::profile
