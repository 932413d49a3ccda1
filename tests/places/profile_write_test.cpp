// Writing the place file as WritePrivateProfileStringA writes it: atomically, byte
// for byte, refusing what it cannot write with the cause in words, and where others
// are involved (writers holding the lock, users sharing the file, killed writers,
// links, the umask).
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/acl.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstring>

#include "place_test_support.h"
#include "places/place_file.h"

namespace kalnika::test {
namespace {

constexpr const char* kBefore = "[DEFAULT]\r\nCityDataNumber=0\r\n";

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
    // the key's spelling and the blanks before the value are the file's, not ours
    {"ReplaceKeepsSpellingAndBlanks", "[a]\r\n  Key = old  \r\n", "A", "KEY", "new", "[a]\r\n  Key = new\r\n"},
    {"ReplaceOnlyFirstDuplicate", "[A]\nk=1\nk=2\n", "A", "k", "new", "[A]\nk=new\nk=2\n"},
    {"KeyWithoutEqualsGetsValue", "[A]\r\nk\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
    // a comment closing a section counts as one of its lines; the blank line stays after
    {"NewKeyAfterClosingComment", "[A]\r\nx=1\r\n; end\r\n\r\n[B]\r\n", "A", "k", "v",
     "[A]\r\nx=1\r\n; end\r\nk=v\r\n\r\n[B]\r\n"},
    {"NewKeyInEmptySection", "[A]\r\n\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n\r\n[B]\r\n"},
    {"NewKeyAfterUnterminatedLastLine", "[A]\r\nx=1", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
    {"NewKeyGoesToFirstOfRepeatedSection", "[A]\nx=1\n[A]\ny=2\n", "A", "k", "v", "[A]\nx=1\nk=v\n[A]\ny=2\n"},
    {"NewSectionAfterBlankLine", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"NewSectionAfterExistingBlankLine", "[A]\r\nx=1\r\n\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"NewSectionAfterUnterminatedLine", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    // the first line ending (a CR alone here) decides; the other lines keep theirs
    {"StyleOfFirstLineEnding", "[A]\rx=1\r\n", "A", "k", "v", "[A]\rx=1\r\nk=v\r"},
    {"NewFileGetsCrlf", std::nullopt, "DEFAULT", "CityDataNumber", "9", "[DEFAULT]\r\nCityDataNumber=9\r\n"},
    {"NamesWrittenTrimmed", std::nullopt, " B ", "\tk ", "v", "[B]\r\nk=v\r\n"},
    {"ValueWrittenAsGiven", "[A]\r\nk=1\r\n", "A", "k", " \"q\" ", "[A]\r\nk= \"q\" \r\n"},
};

class WriteTable : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteTable, FileBytesAfterWrite) {
  const WriteCase& c = GetParam();
  PlaceFolder folder(c.before);
  const WriteResult result = folder.places.WriteString(c.section, c.key, c.value);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(folder.Bytes(), c.after);
}

INSTANTIATE_TEST_SUITE_P(PlacesWrite, WriteTable, ::testing::ValuesIn(kWriteCases),
                         [](const auto& row) { return std::string(row.param.name); });

// A file written on Windows: read it, write one entry, and every other byte (CRLF,
// comments, Xdvng notes) must come back as it was; expected file in tests/data/places.
// (Appending a place to it is zone_names_test.cpp's, to windows_location_appended.ini.)
TEST(PlacesWindowsFile, RoundTripByteForByte) {
  PlaceFolder folder(DataFile("windows_location.ini"));
  // read first, as the main window does, so a kept parse is in play
  ASSERT_EQ(LoadPlaceList(folder.places).size(), 4u);
  const WriteResult result = StoreDefaultPosition(folder.places, 9);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(folder.Bytes(), DataFile("windows_location_default9.ini"));
}

// A snapshot taken after a write reads what was written, also when another object
// on the same file wrote it (the add-place dialog holds its own); one taken before
// keeps what it read.
TEST(PlacesSnapshot, WriteSeenByLaterSnapshotOnly) {
  struct Case {
    const char* name;
    WriteResult (*write)(ProfileFile& own, Path file);
  } cases[] = {
      {"WriteOfThisObject", [](ProfileFile& own, Path) { return own.WriteString("LOCATION", "1", Record(1)); }},
      {"AppendOfAnotherObject", [](ProfileFile&, Path file) { return ProfileFile(file).AppendPlaceRecord(Record(1)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder folder("[LOCATION]\r\n0=\"" + Record(0) + "\"\r\n");
    const ProfileSnapshot before = folder.places.Snapshot();
    ASSERT_EQ(LoadPlaceList(before).size(), 1u);
    const WriteResult result = c.write(folder.places, folder.file);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(LoadPlaceList(folder.places.Snapshot()), (std::vector<std::string>{Record(0), Record(1)}));
    EXPECT_EQ(LoadPlaceList(before).size(), 1u);
  }
}

// Every entry under `folder` and what it is: a link's target, a folder, a FIFO, or
// a file's permission bits and bytes (its size when larger than 1 MiB).
std::map<std::string, std::string> Listing(const std::filesystem::path& folder) {
  using std::filesystem::file_type;
  std::map<std::string, std::string> listing;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    std::string& what = listing[entry.path().lexically_relative(folder).string()];
    const file_type type = entry.symlink_status().type();
    if (type == file_type::symlink) {
      what = "-> " + std::filesystem::read_symlink(entry.path()).string();
    } else if (type != file_type::regular) {
      what = type == file_type::fifo ? "<fifo>" : "<folder>";
    } else {
      const bool large = entry.file_size() > (1 << 20);
      what = std::to_string(ModeOf(entry.path())) + " " +
             (large ? std::to_string(entry.file_size()) + " bytes" : ReadBytes(entry.path()));
    }
  }
  return listing;
}

// A file of `size` bytes that holds no data: it takes no room on the disk.
void Sparse(Path file, std::uintmax_t size) {
  WriteBytes(file, "");
  std::filesystem::resize_file(file, size);
}

// Storing a default position while no file may grow past 1 KB (the file-size limit,
// which fails a write as a full disk does).
WriteResult StoreWithoutRoom(ProfileFile& file) {
  rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1024;
  auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of ending the process
  ::setrlimit(RLIMIT_FSIZE, &small);
  const WriteResult result = StoreDefaultPosition(file, 3);
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  return result;
}

// What stands at the path of the place file, as a read and a write see it. A file
// that is no place file is reported with its cause (never read as an empty file in
// silence) and reads as a missing file does: the program starts with an empty list
// and shows the message. A write is refused with the cause in words, and the file,
// whatever stands at its path and its folder stay as they were, with no temporary
// file left behind (only the lock file may be new).
TEST(PlacesPath, ReadAndWriteOfWhatStandsThere) {
  struct Case {
    const char* name;
    void (*make)(Path file);
    const char* value;       // read of [A] k
    const char* readCause;   // "": no problem
    const char* writeCause;  // of storing a default position
    const char* file = "Location.ini";
    WriteResult (*write)(ProfileFile&) = [](ProfileFile& f) { return StoreDefaultPosition(f, 3); };
  } cases[] = {
      // a missing file is the empty list of a first start, not a problem
      {"FolderMissing", [](Path) {}, "", "", "gone\" does not exist", "gone/Location.ini"},
      // the limit refuses only what is larger than 16 MiB
      {"FileAtTheLimit", [](Path f) { WriteBytes(f, "[A]\r\nk=v\r\n" + std::string((16 << 20) - 10, ' ')); }, "v", "",
       "more than a place file may have"},
      // sparse, as `truncate -s` makes it: a file reserved in full once ended the
      // program with std::bad_alloc
      {"OneByteOverTheLimit", [](Path f) { Sparse(f, (std::uintmax_t{16} << 20) + 1); }, "",
       "it is 16777217 bytes long, more than the 16 MB a place file may have", "it is 16777217 bytes long"},
      // writing without its old contents would lose them
      {"NulByte", [](Path f) { WriteBytes(f, std::string("[A]\r\nk=a\0b\r\n", 12)); }, "",
       "it is not a text file (it holds a NUL byte at byte 9)", "it is not a text file"},
      // Notepad's "Unicode": every ASCII letter followed by a NUL
      {"Utf16", [](Path f) { WriteBytes(f, std::string("\xFF\xFE[\0A\0]\0", 8)); }, "", "it is saved as UTF-16",
       "it is saved as UTF-16"},
      // rename cannot put a file over a folder; the folder and its contents stay
      {"Folder", [](Path f) { std::filesystem::create_directory(f); WriteBytes(f / "in.txt", "keep"); }, "",
       "it is a folder, not a file", "it is a folder, not a file"},
      // must neither block the read nor be taken for an empty file, nor be replaced
      {"NamedPipe", [](Path f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }, "",
       "it is a named pipe (FIFO), not a file", "it is a named pipe (FIFO), not a file"},
      {"LinkLoop",
       [](Path f) {
         std::filesystem::create_symlink("b.ini", f);
         std::filesystem::create_symlink("Location.ini", f.parent_path() / "b.ini");
       },
       "", "its symbolic links form a loop", "its symbolic links form a loop"},
      // a file without write permission is read-only, also to the superuser: a
      // rename in a writable folder would replace it, so the writer asks first
      {"ReadOnlyFile",
       [](Path f) { WriteBytes(f, "[A]\r\nk=v\r\n"); std::filesystem::permissions(f, std::filesystem::perms(0444)); },
       "v", "", "the file is read-only"},
      // running out of room part-way: the old file stays whole
      {"NoRoomForTheNewFile", [](Path f) { WriteBytes(f, "[A]\r\nk=v\r\n;" + std::string(3000, 'a') + "\r\n"); },
       "v", "", "writing failed", "Location.ini", StoreWithoutRoom},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder folder;
    c.make(folder / c.file);
    ProfileFile file(folder / c.file);
    EXPECT_TRUE(LoadPlaceList(file).empty());
    EXPECT_EQ(file.Read("A", "k"), c.value);
    const std::string problem = file.ReadProblem();
    if (*c.readCause == '\0') {
      EXPECT_EQ(problem, "");
    } else {
      const std::string path = (folder / c.file).string();
      EXPECT_NE(problem.find("Could not read the place file \"" + path + "\": " + c.readCause), std::string::npos)
          << problem;
    }
    const auto before = Listing(folder.path());
    const WriteResult result = c.write(file);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(c.writeCause), std::string::npos) << result.error;
    auto after = Listing(folder.path());
    after.erase("Location.ini.lock");
    EXPECT_EQ(after, before);
  }
}

// Entries the file could not give back as written are refused, and nothing is
// written: a line break or NUL (the entry would split or be cut), keys that would
// end early or read as a comment or header, empty names; an empty record would
// read as a free key and end the list, a longer one be cut.
TEST(PlacesPath, EntriesThatWouldNotReadBackRefused) {
  struct Case {
    const char* name;
    WriteResult (*write)(ProfileFile&);
    const char* cause;
  } cases[] = {
      {"NulInValue", [](ProfileFile& f) { return f.WriteString("A", "k", std::string("a\0b", 3)); },
       "may not contain a line break or a NUL character"},
      {"EqualsInKey", [](ProfileFile& f) { return f.WriteString("A", "a=b", "v"); }, "may not contain \"=\""},
      {"KeyLikeComment", [](ProfileFile& f) { return f.WriteString("A", ";k", "v"); }, "begin with \";\""},
      {"BlankKey", [](ProfileFile& f) { return f.WriteString("A", "  ", "v"); }, "the key is empty"},
      {"EmptySection", [](ProfileFile& f) { return f.WriteString("", "k", "v"); }, "section name is empty"},
      {"EmptyRecord", [](ProfileFile& f) { return f.AppendPlaceRecord(""); }, "empty place record"},
      {"RecordOver79", [](ProfileFile& f) { return f.AppendPlaceRecord(std::string(80, 'x')); }, "more than 79"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceFolder folder(kBefore);
    const WriteResult result = c.write(folder.places);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(c.cause), std::string::npos) << result.error;
    EXPECT_EQ(folder.Bytes(), kBefore);
  }
}

// Anyone who can read the lock file can hold its lock (here this process, through
// a descriptor of its own opened read-only). A writer waits a bounded time for it,
// then reports another program writing, and writes nothing.
TEST(PlacesShared, LockHeldElsewhereReportedNotWaitedOut) {
  PlaceFolder folder(kBefore);
  WriteBytes(folder / "Location.ini.lock", "");
  const int holder = ::open((folder / "Location.ini.lock").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  ProfileFile file(folder.file, std::chrono::milliseconds(300));
  auto write = std::async(std::launch::async, [&file] { return StoreDefaultPosition(file, 5); });
  // a writer that waits for ever is freed by releasing the lock, and fails the test
  const bool bounded = write.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  ::close(holder);
  const WriteResult result = write.get();
  ASSERT_TRUE(bounded) << "the writer waited for the lock without a limit";
  EXPECT_NE(result.error.find("another program is writing the place file"), std::string::npos) << result.error;
  EXPECT_EQ(folder.Bytes(), kBefore);
}

// Numbers of no account: a user "owner" and a user "member" who share the group
// "shared"; the owner's own group is 4201.
constexpr uid_t kOwner = 4201;
constexpr gid_t kShared = 4202;
const OtherUser kStranger{4204, 4204, {4204}};

// A shared place file: owned by one user, writable by its group. Saved by another
// member of the group, the new file would be that member's, and the owner would
// find the file read-only; the member's save is refused with the reason and the
// file stays as it is. The owner's own save and root's keep owner, group and mode.
TEST(PlacesShared, OwnerGroupAndModeKept) {
  KALNIKA_SKIP_UNLESS_ROOT();
  PlaceFolder folder(kBefore);
  ASSERT_EQ(::chown(folder.path().c_str(), 0, kShared), 0);
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0775));
  ASSERT_EQ(::chown(folder.file.c_str(), kOwner, kShared), 0);
  std::filesystem::permissions(folder.file, std::filesystem::perms(0664));
  const auto save = [&folder](int position) {
    return [&folder, position] {
      ProfileFile file(folder.file);
      const WriteResult result = StoreDefaultPosition(file, position);
      return result.ok ? std::string("ok") : result.error;
    };
  };

  const auto member = RunAs({4203, 4203, {4203, kShared}}, save(1));
  ASSERT_TRUE(member.has_value());
  EXPECT_NE(member->find("uid 4201"), std::string::npos) << *member;
  EXPECT_NE(member->find("saving it here would make it yours"), std::string::npos) << *member;
  EXPECT_EQ(folder.Bytes(), kBefore);
  EXPECT_EQ(FolderNames(folder.path()), (std::set<std::string>{"Location.ini", "Location.ini.lock"}));

  // the owner's primary group is not the file's: the group is set back
  EXPECT_EQ(RunAs({kOwner, 4201, {4201, kShared}}, save(2)), "ok");
  EXPECT_EQ(folder.Bytes(), "[DEFAULT]\r\nCityDataNumber=2\r\n");
  EXPECT_EQ(OwnerOf(folder.file), std::make_pair(kOwner, kShared));
  EXPECT_EQ(ModeOf(folder.file), 0664u);

  ASSERT_TRUE(StoreDefaultPosition(folder.places, 3).ok);
  EXPECT_EQ(OwnerOf(folder.file), std::make_pair(kOwner, kShared));
  EXPECT_EQ(ModeOf(folder.file), 0664u);
}

// A folder the user may not write in: the message names the permission and the
// folder, whether the lock file is there already or not (it used to say "No such
// file or directory").
TEST(PlacesShared, ReadOnlyFolderNamesThePermission) {
  KALNIKA_SKIP_UNLESS_ROOT();
  for (bool lockThere : {false, true}) {
    SCOPED_TRACE(lockThere ? "LockFileThere" : "NoLockFile");
    PlaceFolder folder(kBefore);
    std::filesystem::permissions(folder.file, std::filesystem::perms(0666));
    if (lockThere) WriteBytes(folder / "Location.ini.lock", "");
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    const auto error = RunAs(kStranger, [&folder] {
      ProfileFile file(folder.file);
      return StoreDefaultPosition(file, 1).error;
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("you have no permission to create files in its folder \"" + folder.path().string() + "\""),
              std::string::npos)
        << *error;
    EXPECT_EQ(folder.Bytes(), kBefore);
  }
}

// Temporary files left by writers that were killed (kill -9 between create and
// rename) go at the next save; a live writer's fresh one and other files stay.
TEST(PlacesShared, StaleTemporaryFilesRemoved) {
  PlaceFolder folder(kBefore);
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  const std::string live = std::to_string(::getpid());
  const std::string goneWriter = ".Location.ini." + std::to_string(gone) + "-1a2b-0.tmp";
  const std::string oldWriter = ".Location.ini." + live + "-1a2b-1.tmp";
  const std::string freshWriter = ".Location.ini." + live + "-1a2b-2.tmp";
  const std::string notOurs[] = {".Location.ini.backup", ".Other.ini." + std::to_string(gone) + "-1a2b-0.tmp",
                                 ".Location.ini." + std::to_string(gone) + "-xyz-0.tmp"};
  for (const std::string& name : {goneWriter, oldWriter, freshWriter, notOurs[0], notOurs[1], notOurs[2]}) {
    WriteBytes(folder / name, "half a place file");
  }
  std::filesystem::last_write_time(folder / oldWriter,
                                   std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));

  ASSERT_TRUE(StoreDefaultPosition(folder.places, 1).ok);
  EXPECT_EQ(FolderNames(folder.path()), (std::set<std::string>{"Location.ini", "Location.ini.lock", freshWriter,
                                                                notOurs[0], notOurs[1], notOurs[2]}));
}

// A link at the path stays a link, dangling or not; the file behind it is written
// (created when missing).
TEST(PlacesShared, DanglingLinkStaysAndItsTargetIsCreated) {
  PlaceFolder folder;
  std::filesystem::create_directory(folder / "real");
  std::filesystem::create_symlink("real/Location.ini", folder.file);
  ASSERT_TRUE(StoreDefaultPosition(folder.places, 4).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(folder.file));
  EXPECT_EQ(ReadBytes(folder / "real" / "Location.ini"), "[DEFAULT]\r\nCityDataNumber=4\r\n");
}

// A shared file whose POSIX ACL lets another user write it and leaves its owning
// group reading only (mask rw-, so the group bits read rw-): a save keeps the ACL,
// and an extended attribute. Without them the user lost the write right and the
// group, given the group bits, could write. A file system without ACLs or user
// attributes skips the test.
TEST(PlacesShared, AclAndExtendedAttributesKept) {
  PlaceFolder folder(kBefore);
  const std::string acl = "user::rw-\nuser:4210:rw-\ngroup::r--\nmask::rw-\nother::r--\n";
  {
    acl_t wanted = acl_from_text(acl.c_str());
    ASSERT_NE(wanted, nullptr);
    const int set = acl_set_file(folder.file.c_str(), ACL_TYPE_ACCESS, wanted);
    acl_free(wanted);
    if (set != 0) GTEST_SKIP() << "no POSIX ACLs here: " << std::strerror(errno);
  }
  if (::setxattr(folder.file.c_str(), "user.kalnika.test", "keep", 4, 0) != 0)
    GTEST_SKIP() << "no user attributes here: " << std::strerror(errno);
  const auto aclText = [&folder] {
    acl_t now = acl_get_file(folder.file.c_str(), ACL_TYPE_ACCESS);
    if (now == nullptr) return std::string("<none>");
    char* text = acl_to_text(now, nullptr);  // one entry a line
    std::string result = text;
    acl_free(text);
    acl_free(now);
    return result;
  };
  ASSERT_EQ(aclText(), acl);

  const WriteResult written = StoreDefaultPosition(folder.places, 7);
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(folder.Bytes(), "[DEFAULT]\r\nCityDataNumber=7\r\n");
  EXPECT_EQ(aclText(), acl);
  EXPECT_EQ(ModeOf(folder.file), 0664u);  // the group bits are the mask
  char value[16] = {};
  EXPECT_EQ(::getxattr(folder.file.c_str(), "user.kalnika.test", value, sizeof value), 4);
  EXPECT_STREQ(value, "keep");
}

// With the umask 000 a new place file and its lock file are still not writable by
// everyone; an existing file keeps its bits and its lock file gets them.
TEST(PlacesShared, NewFilesNotWritableByEveryone) {
  PlaceFolder folder;
  WriteBytes(folder / "Private.ini", kBefore);
  std::filesystem::permissions(folder / "Private.ini", std::filesystem::perms(0640));
  ProfileFile existing(folder / "Private.ini");
  const mode_t old = ::umask(0);
  const WriteResult created = StoreDefaultPosition(folder.places, 0);
  const WriteResult written = StoreDefaultPosition(existing, 1);
  ::umask(old);
  ASSERT_TRUE(created.ok) << created.error;
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(ModeOf(folder.file), 0664u);
  EXPECT_EQ(ModeOf(folder / "Location.ini.lock"), 0664u);
  EXPECT_EQ(ModeOf(folder / "Private.ini"), 0640u);
  EXPECT_EQ(ModeOf(folder / "Private.ini.lock"), 0640u);
}

}  // namespace
}  // namespace kalnika::test
