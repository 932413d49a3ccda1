// Reading the place file as GetPrivateProfileStringA reads it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "places/place_file.h"
#include "place_test_support.h"

namespace kalnika {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

// "DEF" comes back when the file, section or key is missing (or the key line has no
// "="), "" when the key is there with an empty value: the two cases the place list
// tells apart only by this.
constexpr const char* kDefault = "DEF";

struct ReadCase {
  const char* name;
  std::string file;
  const char* section;
  std::string key;
  std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

// Expected values: the reading rules of Windows' private-profile files (names
// case-insensitive, one pair of quotes removed, ';' lines comments, first duplicate
// wins), checked against files Windows wrote.
const ReadCase kReadCases[] = {
    {"CrlfLines", "[A]\r\nk=v\r\n", "A", "k", "v"},
    {"LfLines", "[A]\nk=v\n", "A", "k", "v"},
    // a CR alone ends a line: an old Mac file, or a hand edit
    {"CrOnlyLines", "[A]\rk=v\rz=w\r", "A", "z", "w"},
    // three styles in one file and an unterminated last line
    {"MixedLineEndings", "[A]\r\nx=1\ny=2\rz=3", "A", "z", "3"},
    {"SectionNameCaseInsensitive", "[location]\r\n0=rec\r\n", "LOCATION", "0", "rec"},
    {"KeyNameCaseInsensitive", "[DEFAULT]\r\ncitydatanumber=7\r\n", "default", "CityDataNumber", "7"},
    // 0xC0 and 0xE0 are A-grave and a-grave in Latin-1; an ANSI-code-page fold would
    // match them, but the bytes are Xdvng glyphs and must match only themselves
    {"HighBytesNotCaseFolded", "[A]\r\n\xE0k=lower\r\n", "A", "\xC0k", kDefault},
    {"HighBytesMatchThemselves", "[A]\r\n\xC0k=v\r\n", "A", "\xC0k", "v"},
    // 0xA0 is the no-break space of Latin-1, a blank to locale-aware trimming
    {"HighBytesNotTrimmed", "[A]\r\nk= \xA0v\xA0 \r\n", "A", "k", "\xA0v\xA0"},
    {"DoubleQuotesRemovedBlanksInsideKept", "[A]\r\nk=\"  v  \"\r\n", "A", "k", "  v  "},
    {"SingleQuotesRemoved", "[A]\r\nk='v'\r\n", "A", "k", "v"},
    {"MismatchedQuotesKept", "[A]\r\nk=\"v'\r\n", "A", "k", "\"v'"},
    {"OnlyOnePairOfQuotesRemoved", "[A]\r\nk=\"\"v\"\"\r\n", "A", "k", "\"v\""},
    {"LoneQuoteKept", "[A]\r\nk=\"\r\n", "A", "k", "\""},
    {"EmptyQuotesReadEmpty", "[A]\r\nk=\"\"\r\n", "A", "k", ""},
    {"BlanksAroundNameAndValueTrimmed", "[A]\r\n \t k \t=\t v w \t\r\n", "A", "k", "v w"},
    {"IndentedHeaderAndKey", "  [A]  \r\n   k=v\r\n", "A", "k", "v"},
    {"RequestedNamesTrimmed", "[A]\r\nk=v\r\n", " A ", " k\t", "v"},
    {"CommentLineIgnored", "[A]\r\n;k=hidden\r\n", "A", ";k", kDefault},
    {"IndentedCommentIgnored", "[A]\r\n  ;k=hidden\r\nk=shown\r\n", "A", "k", "shown"},
    // Windows knows no comment after a value: the note belongs to it
    {"SemicolonInsideValueKept", "[A]\r\nk=v ; note\r\n", "A", "k", "v ; note"},
    {"EqualsInsideValueKept", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
    {"FirstDuplicateKeyWins", "[A]\r\nk=first\r\nK=second\r\n", "A", "k", "first"},
    {"FirstDuplicateSectionWins", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\n", "A", "k", "1"},
    // the second [A] is not read at all, even for a key only it holds
    {"KeysOfRepeatedSectionUnseen", "[A]\r\nk=1\r\n[a]\r\nj=3\r\n", "A", "j", kDefault},
    {"EmptyValueReadsEmptyNotDefault", "[A]\r\nk=\r\n", "A", "k", ""},
    {"KeyWithoutEqualsReadsAsMissing", "[A]\r\nk\r\n", "A", "k", kDefault},
    {"MissingSection", "[A]\r\nk=v\r\n", "B", "k", kDefault},
    {"KeyIsNoPrefixMatch", "[A]\r\nk1=v\r\n", "A", "k", kDefault},
    {"KeyBeforeFirstSectionBelongsToNone", "k=v\r\n[A]\r\n", "A", "k", kDefault},
    {"BlanksInsideBracketsTrimmed", "[ A ]\r\nk=v\r\n", "A", "k", "v"},
    {"TextAfterClosingBracketIgnored", "[A] ; places\r\nk=v\r\n", "A", "k", "v"},
    // "[B" has no "]": it is no header, so k2 still belongs to [A]
    {"BracketWithoutCloseIsNoHeader", "[A]\r\nk=1\r\n[B\r\nk2=2\r\n", "A", "k2", "2"},
    {"Utf8MarkBeforeFirstHeader", "\xEF\xBB\xBF[A]\r\nk=v\r\n", "A", "k", "v"},
    {"SectionWithBlankInName", "[AUSPICIOUS DAYS]\r\n0115=x\r\n", "auspicious days", "0115", "x"},
};

class ReadTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTable, ValueAndCount) {
  const ReadCase& c = GetParam();
  ScratchFolder folder;
  WriteBytes(folder / "Location.ini", c.file);
  ProfileFile file(folder / "Location.ini");
  char buffer[kProfileBufferSize];
  std::memset(buffer, '#', sizeof buffer);
  const std::size_t count = file.GetString(c.section, c.key, kDefault, buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, count), c.expected);
  EXPECT_EQ(count, c.expected.size());
  EXPECT_EQ(buffer[count], '\0');
}

INSTANTIATE_TEST_SUITE_P(PlacesRead, ReadTable, ::testing::ValuesIn(kReadCases),
                         [](const auto& row) { return std::string(row.param.name); });

// What the buffer holds after a read: the value cut to bufferSize - 1 bytes, its NUL,
// and behind it whatever the buffer held before ('X' here).
struct BufferCase {
  const char* name;
  std::string value;        // stored as [A] k=value
  std::size_t bufferSize;   // passed to GetString; the buffer itself has 80 bytes
  const char* defaultText;
  const char* key;
  std::size_t expectedCount;
  std::string expectedBuffer;  // the whole 80 bytes afterwards
};

std::string Xs(std::size_t n) { return std::string(n, 'X'); }

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

const BufferCase kBufferCases[] = {
    // the main window's readers pass 80: at most 79 bytes and the NUL
    {"ValueOf100CutTo79", std::string(100, 'v'), 80, "", "k", 79, std::string(79, 'v') + '\0'},
    {"ValueOf79Whole", std::string(79, 'v'), 80, "", "k", 79, std::string(79, 'v') + '\0'},
    {"RestOfBufferKept", "abc", 80, "", "k", 3, "abc" + std::string(1, '\0') + Xs(76)},
    {"BufferOfOneGetsOnlyNul", "abc", 1, "", "k", 0, std::string(1, '\0') + Xs(79)},
    {"BufferOfZeroUntouched", "abc", 0, "", "k", 0, Xs(80)},
    // Windows drops the trailing blanks of the default text
    {"DefaultTrailingBlanksRemoved", "abc", 80, "dflt  ", "missing", 4,
     "dflt" + std::string(1, '\0') + Xs(75)},
    {"DefaultCutToBuffer", "abc", 3, "dflt", "missing", 2, "df" + std::string(1, '\0') + Xs(77)},
    // A note typed in Unicode: 27 letters ka (E0 A4 95) are 81 bytes. The cut at 79
    // would split the 27th letter and the note would no longer read as UTF-8 (its
    // bytes would show as Xdvng glyphs); it goes before that letter instead.
    {"Utf8CutBeforeSplitCharacter", Repeat("\xE0\xA4\x95", 27), 80, "", "k", 78,
     Repeat("\xE0\xA4\x95", 26) + '\0' + Xs(1)},
    {"Utf8EndingOnTheCutKeptWhole", "a" + Repeat("\xE0\xA4\x95", 26) + "b", 80, "", "k", 79,
     "a" + Repeat("\xE0\xA4\x95", 26) + '\0'},
    // Xdvng bytes are not UTF-8: one glyph a byte, cut at the byte
    {"XdvngCutAtTheByte", Repeat("\xE0\xA4", 50), 80, "", "k", 79,
     Repeat("\xE0\xA4", 39) + "\xE0" + '\0'},
};

TEST(PlacesBuffer, CutNulAndRestKept) {
  for (const BufferCase& c : kBufferCases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    WriteBytes(folder / "Location.ini", "[A]\r\nk=" + c.value + "\r\n");
    ProfileFile file(folder / "Location.ini");
    std::string buffer = Xs(kProfileBufferSize);
    EXPECT_EQ(file.GetString("A", c.key, c.defaultText, buffer.data(), c.bufferSize), c.expectedCount);
    EXPECT_EQ(buffer, c.expectedBuffer);
  }
}

TEST(PlacesBuffer, MissingFileGivesDefault) {
  ScratchFolder folder;
  ProfileFile file(folder / "Location.ini");
  char buffer[kProfileBufferSize];
  EXPECT_EQ(file.GetString("LOCATION", "0", "", buffer, sizeof buffer), 0u);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(file.GetString("LOCATION", "0", "none", buffer, sizeof buffer), 4u);
  EXPECT_EQ(file.Read("LOCATION", "0"), "");
  // a missing file is the empty place list of a first start, not a problem
  EXPECT_EQ(file.ReadProblem(), "");
}

// A file that is no place file is reported with its cause, and reads as a missing
// file does (the program starts with an empty list and shows the message).
struct RefusedCase {
  const char* name;
  void (*make)(const std::filesystem::path& file);
  const char* cause;
};

// A file of `size` bytes that holds no data: it takes no room on the disk.
void Sparse(const std::filesystem::path& file, off_t size) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(::ftruncate(fd, size), 0);
  ::close(fd);
}

const RefusedCase kRefusedCases[] = {
    // `truncate -s 64G`: once reserved in full, the std::bad_alloc ended the program
    {"Sparse64GB", [](const std::filesystem::path& f) { Sparse(f, off_t{64} << 30); },
     "it is 68719476736 bytes long, more than the 16 MB a place file may have"},
    {"OneByteOverTheLimit", [](const std::filesystem::path& f) { Sparse(f, (off_t{16} << 20) + 1); },
     "it is 16777217 bytes long"},
    {"NulByte", [](const std::filesystem::path& f) { WriteBytes(f, std::string("[A]\r\nk=a\0b\r\n", 12)); },
     "it is not a text file (it holds a NUL byte at byte 9)"},
    // Notepad's "Unicode": every ASCII letter followed by a NUL
    {"Utf16", [](const std::filesystem::path& f) { WriteBytes(f, std::string("\xFF\xFE[\0A\0]\0", 8)); },
     "it is saved as UTF-16"},
    {"Folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); },
     "it is a folder, not a file"},
    {"NamedPipe", [](const std::filesystem::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); },
     "it is a named pipe (FIFO), not a file"},
};

TEST(PlacesRefusedFile, ReportedAndReadAsMissing) {
  for (const RefusedCase& c : kRefusedCases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    c.make(path);
    ProfileFile file(path);
    EXPECT_TRUE(LoadPlaceList(file).empty());
    EXPECT_EQ(file.Read("A", "k"), "");
    const std::string problem = file.ReadProblem();
    EXPECT_NE(problem.find("Could not read the place file \"" + path.string() + "\": "), std::string::npos)
        << problem;
    EXPECT_NE(problem.find(c.cause), std::string::npos) << problem;
  }
}

// A file of exactly 16 MiB is still read: the limit refuses only what is larger.
TEST(PlacesRefusedFile, FileAtTheLimitIsRead) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  std::string text = "[A]\r\nk=v\r\n";
  text.resize(std::size_t{16} << 20, ' ');
  WriteBytes(path, text);
  ProfileFile file(path);
  EXPECT_EQ(file.Read("A", "k"), "v");
  EXPECT_EQ(file.ReadProblem(), "");
}

// A file its reader has no permission to read; only root can make another user,
// and root itself reads every file.
TEST(PlacesRefusedFile, NoPermissionToRead) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a child as another user";
  ScratchFolder folder;
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
  const auto path = folder / "Location.ini";
  WriteBytes(path, "[LOCATION]\r\n0=\"a\"\r\n");
  std::filesystem::permissions(path, std::filesystem::perms(0600));
  const auto problem = test::RunAs({4203, 4203, {}}, [&path] {
    ProfileFile file(path);
    return std::to_string(LoadPlaceList(file).size()) + " " + file.ReadProblem();
  });
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->substr(0, 2), "0 ");
  EXPECT_NE(problem->find("you have no permission to read it"), std::string::npos) << *problem;
}

// A file changed on disk between two reads of one ProfileFile: the second read sees
// the new value. Each way of changing a file leaves a different trace (new inode,
// other size, other time stamp), and each alone must be noticed.
struct ChangeCase {
  const char* name;
  void (*change)(const std::filesystem::path& file);
  const char* expected;
};

void ReplaceByRename(const std::filesystem::path& file) {
  WriteBytes(file.string() + ".new", "[A]\r\nk=2\r\n");  // same size, new inode
  std::filesystem::rename(file.string() + ".new", file);
}
void RewriteLonger(const std::filesystem::path& file) { WriteBytes(file, "[A]\r\nk=22\r\n"); }
void RewriteSameSizeOtherTime(const std::filesystem::path& file) {
  WriteBytes(file, "[A]\r\nk=2\r\n");  // same inode, same size
  // a rewrite within one tick of the file system's clock may keep the time stamp;
  // set a distinct one, as a later edit would have
  const timespec times[2] = {{1000000000, 123456789}, {1000000000, 123456789}};
  ::utimensat(AT_FDCWD, file.c_str(), times, 0);
}
void Delete(const std::filesystem::path& file) { std::filesystem::remove(file); }

const ChangeCase kChangeCases[] = {
    {"ReplacedByRename", ReplaceByRename, "2"},
    {"RewrittenLonger", RewriteLonger, "22"},
    {"RewrittenSameSizeNewTimeStamp", RewriteSameSizeOtherTime, "2"},
    {"Deleted", Delete, ""},
};

TEST(PlacesCache, ChangedFileReadAfresh) {
  for (const ChangeCase& c : kChangeCases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    WriteBytes(path, "[A]\r\nk=1\r\n");
    ProfileFile file(path);
    ASSERT_EQ(file.Read("A", "k"), "1");
    c.change(path);
    EXPECT_EQ(file.Read("A", "k"), c.expected);
  }
}

TEST(PlacesCache, FileCreatedAfterMissingRead) {
  ScratchFolder folder;
  ProfileFile file(folder / "Location.ini");
  ASSERT_EQ(file.Read("A", "k"), "");
  WriteBytes(folder / "Location.ini", "[A]\r\nk=1\r\n");
  EXPECT_EQ(file.Read("A", "k"), "1");
}

}  // namespace
}  // namespace kalnika
