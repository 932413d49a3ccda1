#pragma once
// File access under the place file (POSIX): whole-file reads together with the
// identity of the file they read, atomic replacement of the file, and the exclusive
// lock that the writers of all running copies share.
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

// Identity of the regular file at `path` now; false when there is none (missing,
// a folder, unreachable).
bool CurrentIdentity(const std::filesystem::path& path, FileIdentity& identity);

enum class ReadStatus {
  Loaded,   // bytes hold the whole file
  Missing,  // no regular file at the path: reads as an empty file
  Failed,   // a file is there but could not be read: `error` says why
};

struct FileBytes {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  FileIdentity identity;  // of the file the bytes were read from
  std::string error;
};

// Reads the whole file at `path`, again when it changed during the read.
FileBytes ReadWholeFile(const std::filesystem::path& path);

// The file a write must replace: `path` with its symbolic links resolved, so that
// the link stays and the file it points to is replaced.
std::filesystem::path WriteTarget(const std::filesystem::path& path);

// Replaces the file `target` by `bytes` atomically: a temporary file in the same
// folder, written, flushed to disk, given the old file's permission bits, renamed
// over the old file. Returns "" on success, else the reason in English words (the
// old file is then untouched and no temporary file is left).
std::string ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

// An exclusive flock on a lock file, held until the object is destroyed.
class ExclusiveLock {
 public:
  ExclusiveLock() = default;
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
  ~ExclusiveLock();

  // Waits for and takes the lock on `lockFile` (created when missing); returns ""
  // or the reason it could not be taken.
  std::string Acquire(const std::filesystem::path& lockFile);

 private:
  int fd_ = -1;
};

}  // namespace kalnika::profile_io
