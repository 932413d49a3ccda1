#pragma once
// File access under the place file (POSIX): whole-file reads together with the
// identity of the file they read, atomic replacement of the file, and the exclusive
// lock that the writers of all running copies share. Every failure comes back as
// its cause in words ("you have no permission to create files in its folder ..."),
// never as an exception.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kalnika::profile_io {

// What tells one state of a file from another without reading it: a rewrite changes
// the size or a time stamp, a replacement by rename changes the inode.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::int64_t changedSeconds = 0;
  std::int64_t changedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

enum class PathKind {
  Missing,  // nothing there (or a dangling symbolic link): reads as an empty file
  File,     // a regular file
  Other,    // a folder, FIFO, device or socket, or a path that cannot be examined
};

// What stands at `path` (symbolic links followed) and, for a file, its identity;
// for Other, `why` says what it is ("it is a folder, not a file").
PathKind Examine(const std::filesystem::path& path, FileIdentity& identity, std::string& why);

enum class ReadStatus {
  Loaded,    // bytes hold the whole file
  Missing,   // no file at the path: reads as an empty file
  TooLarge,  // larger than the limit given; nothing was read, identity.size says how large
  Failed,    // a file is there but could not be read: `error` says why
};

struct FileBytes {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  FileIdentity identity;  // of the file the bytes were read from
  std::string error;
};

// Reads the whole file at `path`, again when it changed during the read. A file
// larger than `largest` bytes (as stat tells, or as it grows while read) is not
// read: the memory it would take is never asked for. A FIFO at the path does not
// block the read.
FileBytes ReadWholeFile(const std::filesystem::path& path, std::uint64_t largest);

// The file a write must replace: `path` with its symbolic links followed, so that a
// link stays a link and the file it points to is written (created when the link
// dangles). On failure (a loop of links) `why` is set.
std::filesystem::path WriteTarget(const std::filesystem::path& path, std::string& why);

// Replaces the file `target` by `bytes` atomically: a temporary file in the same
// folder, written, flushed to disk, given the old file's owner, group, permission
// bits, POSIX access ACL and extended attributes, renamed over the old file. (A
// hard link to the old file elsewhere goes on naming the old contents: the rename
// gives the path a new file.) A new file gets rw-rw-r-- less the
// umask: never writable by everyone. Refused, with the old file untouched and no
// temporary file left: a read-only file, a file that is not a regular file, a file
// whose owner or group this process cannot give the new file (its owner would
// change), a file whose ACL or extended attributes the new file cannot be given
// (a user the ACL lets write would lose that right). Call it under the writers' lock: it first removes the temporary files
// that killed writers left behind (RemoveStaleTemporaries). Returns "" on success,
// else the reason in words.
std::string ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

// Removes the temporary files of writers of `target` that ended before renaming
// them: names of the pattern ".<file name>.<pid>-<hex>-<n>.tmp" in its folder,
// last modified a minute ago or more, or whose writer process is gone. Returns how
// many were removed.
int RemoveStaleTemporaries(const std::filesystem::path& target);

// An exclusive flock on a lock file, held until the object is destroyed.
class ExclusiveLock {
 public:
  ExclusiveLock() = default;
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
  ~ExclusiveLock();

  // Takes the lock on `lockFile`, trying again for at most `wait` while another
  // process holds it; creates the lock file when missing, with the permission bits
  // `mode` (those of the file it guards). Returns "" or the reason it could not be
  // taken.
  std::string Acquire(const std::filesystem::path& lockFile, mode_t mode,
                      std::chrono::milliseconds wait);

 private:
  int fd_ = -1;
};

// The permission bits a lock file beside `target` gets: the target's read and
// write bits, or rw-rw-r-- (less the umask) when there is no target yet.
mode_t LockFileMode(const std::filesystem::path& target);

}  // namespace kalnika::profile_io
