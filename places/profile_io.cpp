#include "places/profile_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <system_error>

namespace kalnika::profile_io {

namespace {

// The system's English text for an errno value.
std::string Reason(int error) { return std::generic_category().message(error); }

// The identity fields of a stat result.
FileIdentity IdentityOf(const struct stat& st) {
  FileIdentity id;
  id.device = static_cast<std::uint64_t>(st.st_dev);
  id.inode = static_cast<std::uint64_t>(st.st_ino);
  id.size = static_cast<std::int64_t>(st.st_size);
  id.modifiedSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
  id.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
  id.changedSeconds = static_cast<std::int64_t>(st.st_ctim.tv_sec);
  id.changedNanoseconds = static_cast<std::int64_t>(st.st_ctim.tv_nsec);
  return id;
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the error of close (a delayed write error shows here).
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Writes all of `bytes` to fd; 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // a regular file that accepts nothing is full; stop instead of looping forever
    if (n == 0) return ENOSPC;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Creates a new temporary file beside `target` (a hidden name, never an existing
// file); returns its descriptor, or -1 with errno set.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const auto stamp = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  // O_EXCL refuses a name in use; a few tries with other names get past a collision
  for (unsigned attempt = 0; attempt < 64; ++attempt) {
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%ld-%llx-%u.tmp", static_cast<long>(::getpid()), stamp,
                  attempt);
    temporary = folder / ("." + target.filename().string() + suffix);
    // 0666 less the umask: the permission a new place file gets
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Flushes the folder's entry of a renamed file to disk; a failure here cannot undo
// the rename, and the new file is complete either way, so it is not reported.
void FlushFolder(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

bool CurrentIdentity(const std::filesystem::path& path, FileIdentity& identity) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  identity = IdentityOf(st);
  return true;
}

FileBytes ReadWholeFile(const std::filesystem::path& path) {
  FileBytes result;
  // O_NONBLOCK: a FIFO at the path must not hang the program
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return result;
    result.status = ReadStatus::Failed;
    result.error = Reason(error);
    return result;
  }
  // a file rewritten in place while it is read is read again, three times at most
  // (an editor's save is over by then); the last bytes read are used in any case
  for (int attempt = 0; attempt < 3; ++attempt) {
    struct stat before {};
    if (::fstat(fd.get(), &before) != 0) {
      result.status = ReadStatus::Failed;
      result.error = Reason(errno);
      return result;
    }
    if (!S_ISREG(before.st_mode)) return result;  // a folder or device is no place file
    result.bytes.clear();
    result.bytes.reserve(static_cast<std::size_t>(before.st_size));
    if (::lseek(fd.get(), 0, SEEK_SET) < 0) {
      result.status = ReadStatus::Failed;
      result.error = Reason(errno);
      return result;
    }
    char chunk[65536];
    for (;;) {
      const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
      if (n < 0) {
        if (errno == EINTR) continue;
        result.status = ReadStatus::Failed;
        result.error = Reason(errno);
        result.bytes.clear();
        return result;
      }
      if (n == 0) break;
      result.bytes.append(chunk, static_cast<std::size_t>(n));
    }
    struct stat after {};
    if (::fstat(fd.get(), &after) != 0) {
      result.status = ReadStatus::Failed;
      result.error = Reason(errno);
      result.bytes.clear();
      return result;
    }
    result.status = ReadStatus::Loaded;
    result.identity = IdentityOf(after);
    if (IdentityOf(before) == result.identity &&
        result.bytes.size() == static_cast<std::size_t>(after.st_size)) {
      break;
    }
  }
  return result;
}

std::filesystem::path WriteTarget(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved;
}

std::string ReplaceFile(const std::filesystem::path& target, std::string_view bytes) {
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacing) {
    // A file without any write bit is marked read-only by its owner; the superuser
    // may write it, but the mark is honoured as the Windows read-only attribute is.
    // access() is asked as well: rename would replace a file we may not write.
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0) {
      return "the file is read-only";
    }
  }

  std::filesystem::path temporary;
  Descriptor fd(CreateTemporary(target, temporary));
  if (fd.get() < 0) {
    return "no temporary file could be created in its folder (" + Reason(errno) + ")";
  }
  auto fail = [&temporary](const std::string& what, int error) {
    ::unlink(temporary.c_str());
    return what + " (" + Reason(error) + ")";
  };
  if (replacing) {
    // owner first: changing the owner may clear permission bits that fchmod then sets;
    // only the superuser may give the file to another owner, so a refusal is expected
    // and harmless
    (void)::fchown(fd.get(), old.st_uid, old.st_gid);
    if (::fchmod(fd.get(), old.st_mode & 07777) != 0) {
      return fail("the permissions of the file could not be kept", errno);
    }
  }
  if (const int error = WriteAll(fd.get(), bytes); error != 0) {
    return fail("writing failed", error);
  }
  if (::fsync(fd.get()) != 0) return fail("writing to disk failed", errno);
  if (fd.Close() != 0) return fail("writing failed", errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    return fail("the file could not be replaced", errno);
  }
  FlushFolder(target);
  return {};
}

ExclusiveLock::~ExclusiveLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the flock
}

std::string ExclusiveLock::Acquire(const std::filesystem::path& lockFile) {
  if (fd_ >= 0) return {};
  // 0666 less the umask, so that other users' copies can take the lock too
  int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0 && (errno == EACCES || errno == EROFS)) {
    fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);  // flock needs no write access
  }
  if (fd < 0) {
    return "the lock file \"" + lockFile.string() + "\" could not be opened (" + Reason(errno) + ")";
  }
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int error = errno;
    ::close(fd);
    return "the lock file \"" + lockFile.string() + "\" could not be locked (" + Reason(error) + ")";
  }
  fd_ = fd;
  return {};
}

}  // namespace kalnika::profile_io
