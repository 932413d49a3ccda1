// Writing the place file as WritePrivateProfileStringA writes it, atomically, and
// failures that leave the old file as it was.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"

namespace kalnika {
namespace {

using test::FolderNames;
using test::ModeOf;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // nullopt: no file yet
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

// Expected bytes: where Windows puts a replaced value, a new key (after the last
// non-blank line of its section) and a new section (at the end, after a blank line),
// in the file's own line-ending style; every other byte stays.
const WriteCase kWriteCases[] = {
    {"ReplaceKeepsCommentsAndOtherLines", "; c\r\n[A]\r\nk=old\r\nj=2\r\n", "A", "k", "new",
     "; c\r\n[A]\r\nk=new\r\nj=2\r\n"},
    // the key's spelling and the blanks before the value are the file's, not ours
    {"ReplaceKeepsSpellingAndBlanks", "[a]\r\n  Key = old  \r\n", "A", "KEY", "new",
     "[a]\r\n  Key = new\r\n"},
    {"ReplaceOnlyFirstDuplicate", "[A]\nk=1\nk=2\n", "A", "k", "new", "[A]\nk=new\nk=2\n"},
    {"ReplaceEmptyValue", "[A]\r\nk=\r\nj=2\r\n", "A", "k", "v", "[A]\r\nk=v\r\nj=2\r\n"},
    {"KeyWithoutEqualsGetsValue", "[A]\r\nk\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
    {"NewKeyBeforeBlankLineOfSection", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "k", "v",
     "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
    // a comment closing a section counts as one of its lines
    {"NewKeyAfterClosingComment", "[A]\r\nx=1\r\n; end\r\n\r\n[B]\r\n", "A", "k", "v",
     "[A]\r\nx=1\r\n; end\r\nk=v\r\n\r\n[B]\r\n"},
    {"NewKeyInEmptySection", "[A]\r\n\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n\r\n[B]\r\n"},
    {"NewKeyAfterUnterminatedLastLine", "[A]\r\nx=1", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
    {"NewKeyGoesToFirstOfRepeatedSection", "[A]\nx=1\n[A]\ny=2\n", "A", "k", "v",
     "[A]\nx=1\nk=v\n[A]\ny=2\n"},
    {"NewKeyInSectionOfOtherCase", "[location]\r\n0=a\r\n", "LOCATION", "1", "b",
     "[location]\r\n0=a\r\n1=b\r\n"},
    {"NewSectionAfterBlankLine", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"NewSectionAfterExistingBlankLine", "[A]\r\nx=1\r\n\r\n", "B", "k", "v",
     "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"NewSectionAfterUnterminatedLine", "[A]\r\nx=1", "B", "k", "v",
     "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"LfFileStaysLf", "[A]\nx=1\n", "A", "k", "v", "[A]\nx=1\nk=v\n"},
    {"CrFileStaysCr", "[A]\rx=1\r", "A", "k", "v", "[A]\rx=1\rk=v\r"},
    // the first line ending decides; the other lines keep theirs
    {"StyleOfFirstLineEnding", "[A]\nx=1\r\n", "A", "k", "v", "[A]\nx=1\r\nk=v\n"},
    {"EmptyFileGetsCrlf", "", "B", "k", "v", "[B]\r\nk=v\r\n"},
    {"NewFileGetsCrlf", std::nullopt, "DEFAULT", "CityDataNumber", "9",
     "[DEFAULT]\r\nCityDataNumber=9\r\n"},
    {"NamesWrittenTrimmed", std::nullopt, " B ", "\tk ", "v", "[B]\r\nk=v\r\n"},
    {"ValueWrittenAsGiven", "[A]\r\nk=1\r\n", "A", "k", " \"q\" ", "[A]\r\nk= \"q\" \r\n"},
    // Xdvng bytes elsewhere in the file and in the value pass through untouched
    {"HighBytesUntouched", "[A]\r\nn=\xE0\xA0\r\nx=1\r\n", "A", "x", "\xC0\xFF",
     "[A]\r\nn=\xE0\xA0\r\nx=\xC0\xFF\r\n"},
};

class WriteTable : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteTable, FileBytesAfterWrite) {
  const WriteCase& c = GetParam();
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  if (c.before) WriteBytes(path, *c.before);
  ProfileFile file(path);
  const WriteResult result = file.WriteString(c.section, c.key, c.value);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(ReadBytes(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(PlacesWrite, WriteTable, ::testing::ValuesIn(kWriteCases),
                         [](const auto& row) { return std::string(row.param.name); });

std::string DataFile(const char* name) {
  return ReadBytes(std::filesystem::path(KALNIKA_TEST_DATA) / "places" / name);
}

// A file written on Windows: read it, write one entry, and every other byte (CRLF,
// comments, Xdvng notes) must come back as it was; expected files in tests/data/places.
TEST(PlacesWindowsFile, RoundTripByteForByte) {
  const std::string original = DataFile("windows_location.ini");
  ASSERT_NE(original, "<missing>");
  struct Step {
    const char* name;
    WriteResult (*write)(ProfileFile&);
    const char* expectedFile;
  };
  const Step steps[] = {
      {"StoreDefault9", [](ProfileFile& f) { return StoreDefaultPosition(f, 9); },
       "windows_location_default9.ini"},
      {"StoreSameDefaultAgain", [](ProfileFile& f) { return StoreDefaultPosition(f, 0); },
       "windows_location.ini"},
      {"AppendLeicester",
       [](ProfileFile& f) {
         return f.AppendPlaceRecord("Leicester, England, UK         52 N 38  001 W 08  +00:00");
       },
       "windows_location_appended.ini"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    WriteBytes(path, original);
    ProfileFile file(path);
    // read first, as the main window does, so a kept parse is in play
    ASSERT_EQ(LoadPlaceList(file).size(), 4u);
    EXPECT_EQ(file.Read("AUSPICIOUS DAYS", "1103"), "\xC0k:a\xE6S:\xEF v:&t:");
    const WriteResult result = step.write(file);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(ReadBytes(path), DataFile(step.expectedFile));
  }
}

// Texts that would break the one-line entry are refused and nothing is written.
TEST(PlacesWriteRefused, LineBreaksAndBadKeys) {
  struct Refusal {
    const char* name;
    const char* section;
    std::string key;
    std::string value;
  };
  const Refusal refusals[] = {
      {"CrInValue", "A", "k", "a\rb"},
      {"LfInValue", "A", "k", "a\nb"},
      {"NulInValue", "A", "k", std::string("a\0b", 3)},
      {"LfInKey", "A", "k\nx", "v"},
      {"CrInSection", "A\r", "k", "v"},
      {"EqualsInKey", "A", "a=b", "v"},
      {"KeyLikeComment", "A", ";k", "v"},
      {"KeyLikeHeader", "A", "[k", "v"},
      {"BlankKey", "A", "  ", "v"},
      {"EmptySection", "", "k", "v"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    const std::string before = "[A]\r\nk=1\r\n";
    WriteBytes(path, before);
    ProfileFile file(path);
    const WriteResult result = file.WriteString(r.section, r.key, r.value);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error, "");
    EXPECT_EQ(ReadBytes(path), before);
  }
}

// After a failed write the old file is as it was and no temporary file is left
// beside it (only the file itself and, when the folder exists, the lock file).
void ExpectFailureLeavesFolder(const WriteResult& result, const std::filesystem::path& path,
                               const std::string& before, const std::string& reason) {
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
  EXPECT_EQ(ReadBytes(path), before);
  for (const std::string& name : FolderNames(path.parent_path())) {
    EXPECT_TRUE(name == "Location.ini" || name == "Location.ini.lock") << name;
  }
}

// A file without write permission is reported as read-only, also to the superuser:
// a rename in a writable folder would replace it, so the writer must ask first.
TEST(PlacesWriteFails, ReadOnlyFile) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  const std::string before = "[LOCATION]\r\n0=\"a\"\r\n";
  WriteBytes(path, before);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  ProfileFile file(path);
  ExpectFailureLeavesFolder(StoreDefaultPosition(file, 3), path, before, "read-only");
  ExpectFailureLeavesFolder(file.AppendPlaceRecord("rec"), path, before, "read-only");
  EXPECT_EQ(ModeOf(path), 0444u);
}

// Permission bits do not stop the superuser (tests may run as root); a folder that
// does not exist stops everyone.
TEST(PlacesWriteFails, FolderMissing) {
  ScratchFolder folder;
  const auto path = folder / "gone" / "Location.ini";
  ProfileFile file(path);
  const WriteResult result = StoreDefaultPosition(file, 3);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("its folder \"" + (folder / "gone").string() + "\" does not exist"),
            std::string::npos)
      << result.error;
  EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
}

// A folder standing where the place file should be is refused before anything is
// written: rename cannot put a file over a folder, and the folder and its contents
// must stay.
TEST(PlacesWriteFails, FolderAtPath) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  std::filesystem::create_directory(path);
  WriteBytes(path / "inside.txt", "keep");
  ProfileFile file(path);
  const WriteResult result = file.WriteString("DEFAULT", "CityDataNumber", "1");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("it is a folder, not a file"), std::string::npos) << result.error;
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(ReadBytes(path / "inside.txt"), "keep");
  EXPECT_EQ(FolderNames(folder.path()), (std::set<std::string>{"Location.ini", "Location.ini.lock"}));
}

// Running out of room part-way (here the file-size limit, which fails a write as a
// full disk does): the old file stays whole.
TEST(PlacesWriteFails, NoRoomForTheNewFile) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  const std::string before = "[LOCATION]\r\n0=\"" + std::string(3000, 'a') + "\"\r\n";
  WriteBytes(path, before);
  ProfileFile file(path);
  rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 1024;  // below the 3 KB the new file needs
  auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // report EFBIG instead of ending the process
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const WriteResult result = file.AppendPlaceRecord("rec");
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  ExpectFailureLeavesFolder(result, path, before, "writing failed");
}

// The replaced file keeps the owner's chosen permission bits, not those the umask
// gives the temporary file.
TEST(PlacesWriteKeeps, PermissionBits) {
  for (unsigned mode : {0640u, 0600u, 0664u}) {
    SCOPED_TRACE(mode);
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    WriteBytes(path, "[A]\r\nk=1\r\n");
    std::filesystem::permissions(path, static_cast<std::filesystem::perms>(mode));
    ProfileFile file(path);
    ASSERT_TRUE(file.WriteString("A", "k", "2").ok);
    EXPECT_EQ(ModeOf(path), mode);
  }
}

// A place file reached through a symbolic link: the file behind it is replaced and
// the link stays a link.
TEST(PlacesWriteKeeps, SymbolicLink) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "real");
  WriteBytes(folder / "real" / "Location.ini", "[A]\r\nk=1\r\n");
  std::filesystem::create_symlink("real/Location.ini", folder / "Location.ini");
  ProfileFile file(folder / "Location.ini");
  ASSERT_TRUE(file.WriteString("A", "k", "2").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "Location.ini"));
  EXPECT_EQ(ReadBytes(folder / "real" / "Location.ini"), "[A]\r\nk=2\r\n");
  EXPECT_EQ(file.Read("A", "k"), "2");
}

}  // namespace
}  // namespace kalnika
