// Reading the place file as GetPrivateProfileStringA reads it.
#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"

namespace kalnika::test {
namespace {

// "DEF" comes back when the file, section or key is missing (or the key line has no
// "="), "" when the key is there with an empty value: the two cases the place list
// tells apart only by this.
constexpr const char* kDefault = "DEF";

struct ReadCase {
  const char* name;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

// Expected values: the reading rules of Windows' private-profile files (names
// case-insensitive, one pair of quotes removed, ';' lines comments, first duplicate
// wins), checked against files Windows wrote.
const ReadCase kReadCases[] = {
    // CRLF, LF and CR (an old Mac file, or a hand edit) in one file, and an
    // unterminated last line
    {"MixedLineEndings", "[A]\r\nx=1\ny=2\rz=3", "A", "z", "3"},
    {"NamesCaseInsensitive", "[location]\r\ncitydatanumber=7\r\n", "LOCATION", "CityDataNumber", "7"},
    // 0xE0 and 0xC0 are a-grave and A-grave in Latin-1; an ANSI-code-page fold would
    // make them one key (and the first would win), but they are Xdvng glyphs
    {"HighBytesNotCaseFolded", "[A]\r\n\xE0k=small\r\n\xC0k=capital\r\n", "A", "\xC0k", "capital"},
    // 0xA0 is the no-break space of Latin-1, a blank to locale-aware trimming
    {"HighBytesNotTrimmed", "[A]\r\nk= \xA0v\xA0 \r\n", "A", "k", "\xA0v\xA0"},
    {"DoubleQuotesRemovedBlanksInsideKept", "[A]\r\nk=\"  v  \"\r\n", "A", "k", "  v  "},
    {"SingleQuotesRemoved", "[A]\r\nk='v'\r\n", "A", "k", "v"},
    {"MismatchedQuotesKept", "[A]\r\nk=\"v'\r\n", "A", "k", "\"v'"},
    {"OnlyOnePairOfQuotesRemoved", "[A]\r\nk=\"\"v\"\"\r\n", "A", "k", "\"v\""},
    {"LoneQuoteKept", "[A]\r\nk=\"\r\n", "A", "k", "\""},
    {"EmptyQuotesReadEmpty", "[A]\r\nk=\"\"\r\n", "A", "k", ""},
    // around header, names and value, in the file and in the names asked for
    {"BlanksTrimmed", "  [ A ]  \r\n \t k \t=\t v w \t\r\n", " A ", " k\t", "v w"},
    {"IndentedCommentIgnored", "[A]\r\n  ;k=hidden\r\n", "A", ";k", kDefault},
    // Windows knows no comment after a value, and the key ends at the first "="
    {"SemicolonAndEqualsInsideValueKept", "[A]\r\nk=a=b ; note\r\n", "A", "k", "a=b ; note"},
    {"FirstDuplicateKeyWins", "[A]\r\nk=first\r\nK=second\r\n", "A", "k", "first"},
    // the second [A] is not read at all, even for a key only it holds
    {"KeysOfRepeatedSectionUnseen", "[A]\r\nk=1\r\n[a]\r\nj=3\r\n", "A", "j", kDefault},
    {"KeyOfNextSectionUnseen", "[A]\r\nj=1\r\n[B]\r\nk=2\r\n", "A", "k", kDefault},
    {"SameKeyOfEarlierSectionSkipped", "[B]\r\nk=b\r\n[A]\r\nk=a\r\n", "A", "k", "a"},
    // names of 255 bytes and more are told apart by their last byte as any other
    {"LongKeysToldApartAtTheirEnd",
     "[A]\r\n" + std::string(300, 'k') + "1=one\r\n" + std::string(300, 'k') + "2 = two\r\n", "A",
     std::string(300, 'K') + "2", "two"},
    {"LongSectionNamesToldApartAtTheirEnd",
     "[" + std::string(300, 's') + "1 ]\r\nk=one\r\n[ " + std::string(300, 's') + "2]\r\nk=two\r\n",
     std::string(300, 'S') + "2", "k", "two"},
    {"EmptyValueReadsEmptyNotDefault", "[A]\r\nk=\r\n", "A", "k", ""},
    {"KeyWithoutEqualsReadsAsMissing", "[A]\r\nk\r\n", "A", "k", kDefault},
    {"KeyIsNoPrefixMatch", "[A]\r\nk1=v\r\n", "A", "k", kDefault},
    {"KeyBeforeFirstSectionBelongsToNone", "k=v\r\n[A]\r\n", "A", "k", kDefault},
    {"TextAfterClosingBracketIgnored", "[A] ; places\r\nk=v\r\n", "A", "k", "v"},
    // "[B" has no "]": it is no header, so k2 still belongs to [A]
    {"BracketWithoutCloseIsNoHeader", "[A]\r\nk=1\r\n[B\r\nk2=2\r\n", "A", "k2", "2"},
    {"Utf8MarkBeforeFirstHeader", "\xEF\xBB\xBF[A]\r\nk=v\r\n", "A", "k", "v"},
};

class ReadTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTable, Value) {
  const ReadCase& c = GetParam();
  PlaceFolder folder(c.file);
  char buffer[kProfileBufferSize];
  const std::size_t count = folder.places.GetString(c.section, c.key, kDefault, buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlacesRead, ReadTable, ::testing::ValuesIn(kReadCases),
                         [](const auto& row) { return std::string(row.param.name); });

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// What the 80-byte buffer holds after a read of [A] k=value: the value cut to
// bufferSize - 1 bytes, its NUL, and behind it what it held before ('X').
TEST(PlacesBuffer, CutNulAndRestKept) {
  const std::string x = "X";
  struct Case {
    const char* name;
    std::string value;
    std::size_t bufferSize;  // passed to GetString
    const char* defaultText;
    const char* key;
    std::string expectedBuffer;  // the 80 bytes afterwards
  } cases[] = {
      // the main window's readers pass 80: at most 79 bytes and the NUL
      {"ValueOf100CutTo79", std::string(100, 'v'), 80, "", "k", std::string(79, 'v') + '\0'},
      {"ValueOf79Whole", std::string(79, 'v'), 80, "", "k", std::string(79, 'v') + '\0'},
      {"RestOfBufferKept", "abc", 80, "", "k", "abc" + std::string(1, '\0') + Repeat(x, 76)},
      {"BufferOfZeroUntouched", "abc", 0, "", "k", Repeat(x, 80)},
      // Windows drops the trailing blanks of the default text
      {"DefaultTrailingBlanksRemoved", "abc", 80, "dflt  ", "missing", "dflt" + std::string(1, '\0') + Repeat(x, 75)},
      {"DefaultCutToBuffer", "abc", 3, "dflt", "missing", "df" + std::string(1, '\0') + Repeat(x, 77)},
      // A note typed in Unicode: 27 letters ka (E0 A4 95) are 81 bytes. The cut at 79
      // would split the 27th letter and the note would no longer read as UTF-8 (its
      // bytes would show as Xdvng glyphs); it goes before that letter instead.
      {"Utf8CutBeforeSplitCharacter", Repeat("\xE0\xA4\x95", 27), 80, "", "k", Repeat("\xE0\xA4\x95", 26) + '\0' + x},
      {"Utf8EndingOnTheCutKeptWhole", "a" + Repeat("\xE0\xA4\x95", 26) + "b", 80, "", "k",
       "a" + Repeat("\xE0\xA4\x95", 26) + '\0'},
      // Xdvng bytes are not UTF-8: one glyph a byte, cut at the byte
      {"XdvngCutAtTheByte", Repeat("\xE0\xA4", 50), 80, "", "k", Repeat("\xE0\xA4", 39) + "\xE0" + '\0'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder folder("[A]\r\nk=" + c.value + "\r\n");
    std::string buffer = Repeat(x, kProfileBufferSize);
    const std::size_t count = folder.places.GetString("A", c.key, c.defaultText, buffer.data(), c.bufferSize);
    EXPECT_EQ(buffer, c.expectedBuffer);
    const std::size_t nul = c.expectedBuffer.find('\0');
    EXPECT_EQ(count, nul == std::string::npos ? 0 : nul);  // the bytes before the NUL
  }
}

// A file its reader has no permission to read; only root can make another user,
// and root itself reads every file.
TEST(PlacesFileRead, NoPermissionToRead) {
  KALNIKA_SKIP_UNLESS_ROOT();
  PlaceFolder folder("[LOCATION]\r\n0=\"a\"\r\n");
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
  std::filesystem::permissions(folder.file, std::filesystem::perms(0600));
  const auto problem = RunAs({4203, 4203, {}}, [&folder] {
    ProfileFile file(folder.file);
    return std::to_string(LoadPlaceList(file).size()) + " " + file.ReadProblem();
  });
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->substr(0, 2), "0 ");
  EXPECT_NE(problem->find("you have no permission to read it"), std::string::npos) << *problem;
}

// One ProfileFile read again after each change on disk sees the new value: an
// editor's save by rename (a new inode), a rewrite in place of the same size (only
// the time stamps differ), deletion and creation. A snapshot taken before the
// change still reads the file as it was.
TEST(PlacesFileRead, ChangedFileReadAfresh) {
  struct Step {
    const char* name;
    void (*change)(Path file);
    const char* expected;
  } steps[] = {
      {"ReplacedByRenameSameSize",
       [](Path f) {
         WriteBytes(f.string() + ".new", "[A]\r\nk=2\r\n");
         std::filesystem::rename(f.string() + ".new", f);
       },
       "2"},
      // a rewrite within one tick of the file system's clock may keep the time stamp;
      // it is set to another, as a later edit would have
      {"RewrittenSameSizeNewTimeStamp",
       [](Path f) { WriteBytes(f, "[A]\r\nk=3\r\n"); std::filesystem::last_write_time(f, {}); }, "3"},
      {"Deleted", [](Path f) { std::filesystem::remove(f); }, ""},
      {"CreatedAgain", [](Path f) { WriteBytes(f, "[A]\r\nk=1\r\n"); }, "1"},
  };
  PlaceFolder folder("[A]\r\nk=1\r\n");
  std::string before = "1";
  ASSERT_EQ(folder.places.Read("A", "k"), before);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const ProfileSnapshot taken = folder.places.Snapshot();
    step.change(folder.file);
    EXPECT_EQ(folder.places.Read("A", "k"), step.expected);
    EXPECT_EQ(taken.Read("A", "k"), before);
    before = step.expected;
  }
}

}  // namespace
}  // namespace kalnika::test
