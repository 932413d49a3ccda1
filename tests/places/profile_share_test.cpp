// Saving the place file where others are involved: other writers holding the lock,
// other users and groups sharing the file, killed writers, links and special files
// at the path, folders without write permission, the umask.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>

#include <gtest/gtest.h>

#include "place_test_support.h"
#include "places/place_file.h"

namespace kalnika {
namespace {

using test::FolderNames;
using test::ModeOf;
using test::OtherUser;
using test::OwnerOf;
using test::ReadBytes;
using test::RunAs;
using test::ScratchFolder;
using test::WriteBytes;

// Numbers of no account: a user "owner" and a user "member" who share the group
// "shared"; the owner's own group is 4201.
constexpr uid_t kOwner = 4201;
constexpr gid_t kShared = 4202;
constexpr uid_t kMember = 4203;
const OtherUser kOwnerUser{kOwner, 4201, {4201, kShared}};
const OtherUser kMemberUser{kMember, 4203, {4203, kShared}};
const OtherUser kStranger{4204, 4204, {4204}};

#define SKIP_UNLESS_ROOT() \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run children as other users"

constexpr const char* kBefore = "[DEFAULT]\r\nCityDataNumber=0\r\n";

// A child that holds the lock of `lockFile`, opened read-only, until it is killed.
pid_t HoldLock(const std::filesystem::path& lockFile, const OtherUser& user) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(ready[0]);
    if (::setgroups(user.groups.size(), user.groups.data()) != 0 ||
        ::setresgid(user.gid, user.gid, user.gid) != 0 || ::setresuid(user.uid, user.uid, user.uid) != 0) {
      ::_exit(3);
    }
    const int fd = ::open(lockFile.c_str(), O_RDONLY);
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(4);
    (void)::write(ready[1], "x", 1);
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char byte = 0;
  const bool holding = ::read(ready[0], &byte, 1) == 1;
  ::close(ready[0]);
  if (!holding) {
    ::waitpid(pid, nullptr, 0);
    return -1;
  }
  return pid;
}

// Anyone who can read the lock file can hold its lock. A writer waits a bounded
// time for it, then reports another program writing, and writes nothing.
TEST(PlacesShared, LockHeldByAReaderIsReportedNotWaitedOut) {
  SKIP_UNLESS_ROOT();
  ScratchFolder folder;
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
  const auto path = folder / "Location.ini";
  WriteBytes(path, kBefore);
  WriteBytes(folder / "Location.ini.lock", "");
  std::filesystem::permissions(folder / "Location.ini.lock", std::filesystem::perms(0644));
  const pid_t holder = HoldLock(folder / "Location.ini.lock", kStranger);
  ASSERT_GT(holder, 0);
  ProfileFile file(path, std::chrono::milliseconds(300));
  auto write = std::async(std::launch::async, [&file] { return StoreDefaultPosition(file, 5); });
  // a writer that waits for ever is freed by ending the holder, and fails the test
  const bool bounded = write.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  const WriteResult result = write.get();
  ASSERT_TRUE(bounded) << "the writer waited for the lock without a limit";
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("another program is writing the place file"), std::string::npos) << result.error;
  EXPECT_EQ(ReadBytes(path), kBefore);
}

// A shared place file: owned by one user, writable by its group. Saved by another
// member of the group, the new file would be that member's, and the owner would
// find the file read-only; the member's save is refused with the reason and the
// file stays as it is. The owner's own save and root's keep owner, group and mode.
TEST(PlacesShared, OwnerGroupAndModeKept) {
  SKIP_UNLESS_ROOT();
  ScratchFolder folder;
  ASSERT_EQ(::chown(folder.path().c_str(), 0, kShared), 0);
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0775));
  const auto path = folder / "Location.ini";
  WriteBytes(path, kBefore);
  ASSERT_EQ(::chown(path.c_str(), kOwner, kShared), 0);
  std::filesystem::permissions(path, std::filesystem::perms(0664));
  const auto save = [&path](int position) {
    return [&path, position] {
      ProfileFile file(path);
      const WriteResult result = StoreDefaultPosition(file, position);
      return result.ok ? std::string("ok") : result.error;
    };
  };

  const auto member = RunAs(kMemberUser, save(1));
  ASSERT_TRUE(member.has_value());
  EXPECT_NE(member->find("it belongs to "), std::string::npos) << *member;
  EXPECT_NE(member->find("uid 4201"), std::string::npos) << *member;
  EXPECT_NE(member->find("saving it here would make it yours"), std::string::npos) << *member;
  EXPECT_EQ(ReadBytes(path), kBefore);
  EXPECT_EQ(OwnerOf(path), std::make_pair(kOwner, kShared));
  EXPECT_EQ(FolderNames(folder.path()), (std::set<std::string>{"Location.ini", "Location.ini.lock"}));

  // the owner's primary group is not the file's: the group is set back
  EXPECT_EQ(RunAs(kOwnerUser, save(2)), "ok");
  EXPECT_EQ(ReadBytes(path), "[DEFAULT]\r\nCityDataNumber=2\r\n");
  EXPECT_EQ(OwnerOf(path), std::make_pair(kOwner, kShared));
  EXPECT_EQ(ModeOf(path), 0664u);

  ProfileFile file(path);
  ASSERT_TRUE(StoreDefaultPosition(file, 3).ok);
  EXPECT_EQ(OwnerOf(path), std::make_pair(kOwner, kShared));
  EXPECT_EQ(ModeOf(path), 0664u);
}

// A folder the user may not write in: the message names the permission and the
// folder, whether the lock file is there already or not (it used to say "No such
// file or directory").
TEST(PlacesShared, ReadOnlyFolderNamesThePermission) {
  SKIP_UNLESS_ROOT();
  for (bool lockThere : {false, true}) {
    SCOPED_TRACE(lockThere ? "LockFileThere" : "NoLockFile");
    ScratchFolder folder;
    const auto path = folder / "Location.ini";
    WriteBytes(path, kBefore);
    std::filesystem::permissions(path, std::filesystem::perms(0666));
    if (lockThere) WriteBytes(folder / "Location.ini.lock", "");
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    const auto error = RunAs(kStranger, [&path] {
      ProfileFile file(path);
      return StoreDefaultPosition(file, 1).error;
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("you have no permission to create files in its folder \"" + folder.path().string() + "\""),
              std::string::npos)
        << *error;
    EXPECT_EQ(ReadBytes(path), kBefore);
  }
}

// Temporary files left by writers that were killed (kill -9 between create and
// rename) go at the next save; a live writer's fresh one and other files stay.
TEST(PlacesShared, StaleTemporaryFilesRemoved) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  WriteBytes(path, kBefore);
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
  const timespec twoMinutesAgo[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (folder / oldWriter).c_str(), twoMinutesAgo, 0), 0);

  ProfileFile file(path);
  ASSERT_TRUE(StoreDefaultPosition(file, 1).ok);
  EXPECT_EQ(FolderNames(folder.path()),
            (std::set<std::string>{"Location.ini", "Location.ini.lock", freshWriter, notOurs[0], notOurs[1],
                                   notOurs[2]}));
}

// Links at the path stay links, dangling or not; the file behind them is written
// (created when missing). A path that is no regular file is refused and stays.
TEST(PlacesLinks, DanglingLinkStaysAndItsTargetIsCreated) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "real");
  std::filesystem::create_symlink("real/Location.ini", folder / "Location.ini");
  ProfileFile file(folder / "Location.ini");
  ASSERT_TRUE(StoreDefaultPosition(file, 4).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "Location.ini"));
  EXPECT_EQ(ReadBytes(folder / "real" / "Location.ini"), "[DEFAULT]\r\nCityDataNumber=4\r\n");
}

TEST(PlacesLinks, LoopRefused) {
  ScratchFolder folder;
  std::filesystem::create_symlink("b.ini", folder / "Location.ini");
  std::filesystem::create_symlink("Location.ini", folder / "b.ini");
  ProfileFile file(folder / "Location.ini");
  const WriteResult result = StoreDefaultPosition(file, 1);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("its symbolic links form a loop"), std::string::npos) << result.error;
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "Location.ini"));
}

TEST(PlacesLinks, NamedPipeRefusedAndKept) {
  ScratchFolder folder;
  const auto path = folder / "Location.ini";
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  ProfileFile file(path);
  const WriteResult result = file.AppendPlaceRecord("Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("it is a named pipe (FIFO), not a file"), std::string::npos) << result.error;
  EXPECT_TRUE(std::filesystem::is_fifo(path));
}

// With the umask 000 a new place file and its lock file are still not writable by
// everyone; an existing file's lock file gets the file's own bits.
TEST(PlacesUmask, NewFilesNotWritableByEveryone) {
  ScratchFolder folder;
  const mode_t old = ::umask(0);
  ProfileFile fresh(folder / "Location.ini");
  const WriteResult created = StoreDefaultPosition(fresh, 0);
  WriteBytes(folder / "Private.ini", kBefore);
  std::filesystem::permissions(folder / "Private.ini", std::filesystem::perms(0640));
  ProfileFile existing(folder / "Private.ini");
  const WriteResult written = StoreDefaultPosition(existing, 1);
  ::umask(old);
  ASSERT_TRUE(created.ok) << created.error;
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(ModeOf(folder / "Location.ini"), 0664u);
  EXPECT_EQ(ModeOf(folder / "Location.ini.lock"), 0664u);
  EXPECT_EQ(ModeOf(folder / "Private.ini"), 0640u);
  EXPECT_EQ(ModeOf(folder / "Private.ini.lock"), 0640u);
}

}  // namespace
}  // namespace kalnika
