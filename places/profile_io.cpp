#include "places/profile_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <acl/libacl.h>  // acl_equiv_mode
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <system_error>
#include <thread>
#include <vector>

namespace kalnika::profile_io {

namespace {

// The system's English text for an errno value.
std::string Reason(int error) { return std::generic_category().message(error); }

// The folder of `file` as the messages name it.
std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

std::string Quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

// Why a file could not be created in the folder of `file`, for the errno of the
// failed open.
std::string CreateCause(int error, const std::filesystem::path& file) {
  const std::filesystem::path folder = FolderOf(file);
  switch (error) {
    case EACCES:
    case EPERM:
      return "you have no permission to create files in its folder " + Quoted(folder);
    case ENOENT:
    case ENOTDIR:
      return "its folder " + Quoted(folder) + " does not exist";
    case EROFS:
      return "the file system of " + Quoted(folder) + " is read-only";
    case ENOSPC:
      return "the disk is full";
    case EDQUOT:
      return "your disk quota is used up";
    default:
      return "no file could be created in its folder " + Quoted(folder) + " (" + Reason(error) + ")";
  }
}

// Why writing the new contents failed, for the errno of write, fsync or close.
std::string WriteCause(int error) {
  switch (error) {
    case ENOSPC:
      return "writing failed: the disk is full";
    case EDQUOT:
      return "writing failed: your disk quota is used up";
    case EFBIG:
      return "writing failed: the file would exceed the largest file size allowed";
    case EROFS:
      return "writing failed: the file system is read-only";
    default:
      return "writing failed (" + Reason(error) + ")";
  }
}

// What a non-regular file is, in words.
std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder, not a file";
  if (S_ISFIFO(mode)) return "it is a named pipe (FIFO), not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
  if (S_ISSOCK(mode)) return "it is a socket, not a file";
  return "it is not a regular file";
}

// Why a file could not be opened for reading.
std::string OpenCause(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "you have no permission to read it";
    case ELOOP:
      return "its symbolic links form a loop";
    default:
      return Reason(error);
  }
}

// "user "alice" (uid 1000)", or "uid 1000" for a number without a name.
std::string UserName(uid_t uid) {
  std::vector<char> buffer(16384);
  passwd entry {};
  passwd* found = nullptr;
  std::string number = "uid " + std::to_string(uid);
  if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    return "user \"" + std::string(found->pw_name) + "\" (" + number + ")";
  }
  return number;
}

// "group "staff" (gid 50)", or "gid 50".
std::string GroupName(gid_t gid) {
  std::vector<char> buffer(16384);
  group entry {};
  group* found = nullptr;
  std::string number = "gid " + std::to_string(gid);
  if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    return "group \"" + std::string(found->gr_name) + "\" (" + number + ")";
  }
  return number;
}

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
  // Hands the descriptor over: it is no longer closed here.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
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

// The name of a temporary file of `target`: ".<name>.<pid>-<hex>-<n>.tmp".
// RemoveStaleTemporaries recognises exactly this pattern.
std::string TemporaryName(const std::filesystem::path& target, unsigned long long stamp,
                          unsigned attempt) {
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".%ld-%llx-%u.tmp", static_cast<long>(::getpid()), stamp,
                attempt);
  return "." + target.filename().string() + suffix;
}

// The writer's pid when `name` is a temporary file name of `target`, else -1.
long TemporaryWriter(const std::string& name, const std::string& targetName) {
  const std::string prefix = "." + targetName + ".";
  if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - 4, 4, ".tmp") != 0) {
    return -1;
  }
  const std::string rest = name.substr(prefix.size(), name.size() - prefix.size() - 4);
  // <pid>-<hex>-<n>: digits, "-", hex digits, "-", digits
  long pid = 0;
  std::size_t i = 0;
  auto digits = [&rest, &i](bool hex) {
    const std::size_t from = i;
    while (i < rest.size() && (std::isdigit(static_cast<unsigned char>(rest[i])) ||
                               (hex && std::isxdigit(static_cast<unsigned char>(rest[i]))))) {
      ++i;
    }
    return i > from && i - from <= 20;
  };
  if (!digits(false)) return -1;
  const std::string pidText = rest.substr(0, i);
  if (pidText.size() > 9) return -1;  // beyond any pid
  pid = std::stol(pidText);
  if (i >= rest.size() || rest[i++] != '-' || !digits(true)) return -1;
  if (i >= rest.size() || rest[i++] != '-' || !digits(false) || i != rest.size()) return -1;
  return pid;
}

// Creates a new temporary file beside `target` (a hidden name, never an existing
// file); returns its descriptor, or -1 with errno set.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
  const std::filesystem::path folder = FolderOf(target);
  const auto stamp = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  // O_EXCL refuses a name in use; a few tries with other names get past a collision
  for (unsigned attempt = 0; attempt < 64; ++attempt) {
    temporary = folder / TemporaryName(target, stamp, attempt);
    // rw-rw-r-- less the umask: a new place file is never writable by everyone; a
    // replaced one gets the old file's bits below
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0664);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Flushes the folder's entry of a renamed file to disk; a failure here cannot undo
// the rename, and the new file is complete either way, so it is not reported.
void FlushFolder(const std::filesystem::path& target) {
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// Gives the temporary file fd the owner, group and permission bits of the file
// `old` describes; "" or why it cannot.
std::string KeepOwnerAndMode(int fd, const struct stat& old) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return "the new file could not be examined (" + Reason(errno) + ")";
  if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
    // owner first: changing the owner may clear permission bits that fchmod then
    // sets. Only the superuser may give a file away; a member of the file's group
    // may set that group on a file of its own.
    const uid_t uid = now.st_uid == old.st_uid ? static_cast<uid_t>(-1) : old.st_uid;
    const gid_t gid = now.st_gid == old.st_gid ? static_cast<gid_t>(-1) : old.st_gid;
    if (::fchown(fd, uid, gid) != 0) {
      if (now.st_uid != old.st_uid) {
        return "it belongs to " + UserName(old.st_uid) +
               ", and saving it here would make it yours; only its owner can save it";
      }
      return "it belongs to " + GroupName(old.st_gid) +
             ", of which you are not a member, and saving it here would change its group";
    }
  }
  if (::fchmod(fd, old.st_mode & 07777) != 0) {
    return "the permissions of the file could not be kept (" + Reason(errno) + ")";
  }
  // fchmod drops a set-group-ID bit silently for a group one is not in
  if (::fstat(fd, &now) != 0 || (now.st_mode & 07777) != (old.st_mode & 07777) ||
      now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
    return "the owner, group and permissions of the file could not be kept";
  }
  return {};
}

// Frees an ACL of libacl when it goes out of scope.
struct AclDeleter {
  void operator()(void* acl) const { acl_free(acl); }
};
using Acl = std::unique_ptr<std::remove_pointer_t<acl_t>, AclDeleter>;

// Whether an errno says that a file system keeps no ACLs or extended attributes.
bool Unsupported(int error) { return error == ENOTSUP || error == ENOSYS; }

// Gives the temporary file fd the POSIX access ACL and the extended attributes of
// the file `old` it replaces (after its owner, group and mode: setting the ACL sets
// the group bits to the ACL's mask again); "" or why it cannot. Without the ACL a
// user whom it lets write would lose that right, and the owning group would get
// the mask's rights (the group bits) instead of its own. A file system without
// ACLs or attributes has none to keep. Attributes the new file already holds with
// the same value (a security label the system gave it) are left alone.
std::string KeepAclAndAttributes(int fd, const std::filesystem::path& old) {
  Acl acl(acl_get_file(old.c_str(), ACL_TYPE_ACCESS));
  if (!acl && !Unsupported(errno)) return "its access control list could not be read (" + Reason(errno) + ")";
  // A minimal ACL is the permission bits, which the new file has already.
  if (acl && acl_equiv_mode(acl.get(), nullptr) != 0 && acl_set_fd(fd, acl.get()) != 0)
    return "its access control list could not be kept (" + Reason(errno) + ")";

  ssize_t size = ::listxattr(old.c_str(), nullptr, 0);
  if (size < 0) return Unsupported(errno) ? "" : "its extended attributes could not be read (" + Reason(errno) + ")";
  std::vector<char> names(static_cast<std::size_t>(size) + 1, '\0');
  size = ::listxattr(old.c_str(), names.data(), names.size() - 1);
  if (size < 0) return "its extended attributes could not be read (" + Reason(errno) + ")";
  for (const char* name = names.data(); name < names.data() + size; name += std::strlen(name) + 1) {
    const std::string_view n(name);
    // The ACLs are libacl's above; a default ACL belongs to folders.
    if (n == "system.posix_acl_access" || n == "system.posix_acl_default") continue;
    const ssize_t length = ::getxattr(old.c_str(), name, nullptr, 0);
    if (length < 0) return "its extended attribute " + std::string(n) + " could not be read (" + Reason(errno) + ")";
    std::vector<char> value(static_cast<std::size_t>(length) + 1);
    const ssize_t got = ::getxattr(old.c_str(), name, value.data(), value.size() - 1);
    if (got < 0) return "its extended attribute " + std::string(n) + " could not be read (" + Reason(errno) + ")";
    std::vector<char> present(value.size());
    const ssize_t has = ::fgetxattr(fd, name, present.data(), present.size() - 1);
    if (has == got && std::equal(value.begin(), value.begin() + got, present.begin())) continue;
    if (::fsetxattr(fd, name, value.data(), static_cast<std::size_t>(got), 0) != 0)
      return "its extended attribute " + std::string(n) + " could not be kept (" + Reason(errno) + ")";
  }
  return {};
}

}  // namespace

PathKind Examine(const std::filesystem::path& path, FileIdentity& identity, std::string& why) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return PathKind::Missing;
    why = OpenCause(error);
    return PathKind::Other;
  }
  if (!S_ISREG(st.st_mode)) {
    why = KindOf(st.st_mode);
    return PathKind::Other;
  }
  identity = IdentityOf(st);
  return PathKind::File;
}

FileBytes ReadWholeFile(const std::filesystem::path& path, std::uint64_t largest) {
  FileBytes result;
  auto fail = [&result](std::string why) {
    result.status = ReadStatus::Failed;
    result.error = std::move(why);
    result.bytes.clear();
    result.bytes.shrink_to_fit();
    return std::move(result);
  };
  // O_NONBLOCK: a FIFO at the path must not hang the program
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return result;
    return fail(OpenCause(error));
  }
  try {
    // a file rewritten in place while it is read is read again, three times at most
    // (an editor's save is over by then); the last bytes read are used in any case
    for (int attempt = 0; attempt < 3; ++attempt) {
      struct stat before {};
      if (::fstat(fd.get(), &before) != 0) return fail(Reason(errno));
      if (!S_ISREG(before.st_mode)) return fail(KindOf(before.st_mode));
      result.identity = IdentityOf(before);
      // a sparse or huge file is refused by its size alone, before any memory is
      // asked for it
      if (static_cast<std::uint64_t>(before.st_size) > largest) {
        result.status = ReadStatus::TooLarge;
        result.bytes.clear();
        return result;
      }
      result.bytes.clear();
      result.bytes.reserve(static_cast<std::size_t>(before.st_size));
      if (::lseek(fd.get(), 0, SEEK_SET) < 0) return fail(Reason(errno));
      char chunk[65536];
      for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
          if (errno == EINTR) continue;
          return fail(errno == EIO ? "the disk could not be read (input/output error)" : Reason(errno));
        }
        if (n == 0) break;
        // a file that grows while it is read is held to the same limit
        if (result.bytes.size() + static_cast<std::size_t>(n) > largest) {
          result.status = ReadStatus::TooLarge;
          result.identity.size = static_cast<std::int64_t>(result.bytes.size()) + n;
          result.bytes.clear();
          result.bytes.shrink_to_fit();
          return result;
        }
        result.bytes.append(chunk, static_cast<std::size_t>(n));
      }
      struct stat after {};
      if (::fstat(fd.get(), &after) != 0) return fail(Reason(errno));
      result.status = ReadStatus::Loaded;
      result.identity = IdentityOf(after);
      if (IdentityOf(before) == result.identity &&
          result.bytes.size() == static_cast<std::size_t>(after.st_size)) {
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    return fail("there is not enough memory to read it");
  } catch (const std::length_error&) {
    return fail("there is not enough memory to read it");
  }
  return result;
}

std::filesystem::path WriteTarget(const std::filesystem::path& path, std::string& why) {
  // Each link is followed by hand: a dangling link has no canonical path, yet its
  // target is the file to create. 40 links is the kernel's own limit (ELOOP).
  std::filesystem::path current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size()) return current;  // changed meanwhile
    const std::filesystem::path link(std::string(buffer.data(), static_cast<std::size_t>(n)));
    current = link.is_absolute() ? link : FolderOf(current) / link;
  }
  why = "its symbolic links form a loop";
  return path;
}

int RemoveStaleTemporaries(const std::filesystem::path& target) {
  const std::filesystem::path folder = FolderOf(target);
  const std::string targetName = target.filename().string();
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  const int dirFd = ::dirfd(dir);
  timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const long pid = TemporaryWriter(name, targetName);
    if (pid < 0) continue;
    struct stat st {};
    if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) {
      continue;
    }
    // A writer renames its temporary file within moments; one a minute old, or of
    // a process that no longer runs, was left by a writer that was killed. (Under
    // the writers' lock no other writer of this file is between create and rename.)
    const bool old = now.tv_sec - st.st_mtim.tv_sec >= 60;
    const bool writerGone = pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    if ((old || writerGone) && ::unlinkat(dirFd, name.c_str(), 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

std::string ReplaceFile(const std::filesystem::path& target, std::string_view bytes) {
  struct stat old {};
  bool replacing = false;
  if (::stat(target.c_str(), &old) == 0) {
    if (!S_ISREG(old.st_mode)) return KindOf(old.st_mode);
    replacing = true;
    // A file without any write bit is marked read-only by its owner; the superuser
    // may write it, but the mark is honoured as the Windows read-only attribute is.
    // access() is asked as well: rename would replace a file we may not write.
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return "the file is read-only";
    if (::access(target.c_str(), W_OK) != 0) {
      if (errno == EROFS) return "the file system is read-only";
      return "you have no permission to write it";
    }
  } else if (errno != ENOENT) {
    return CreateCause(errno, target);
  }

  RemoveStaleTemporaries(target);
  std::filesystem::path temporary;
  Descriptor fd(CreateTemporary(target, temporary));
  if (fd.get() < 0) return CreateCause(errno, target);
  auto fail = [&temporary](const std::string& why) {
    ::unlink(temporary.c_str());
    return why;
  };
  if (replacing) {
    if (std::string why = KeepOwnerAndMode(fd.get(), old); !why.empty()) return fail(why);
    if (std::string why = KeepAclAndAttributes(fd.get(), target); !why.empty()) return fail(why);
  }
  if (const int error = WriteAll(fd.get(), bytes); error != 0) return fail(WriteCause(error));
  if (::fsync(fd.get()) != 0) return fail(WriteCause(errno));
  if (fd.Close() != 0) return fail(WriteCause(errno));
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    return fail("the file could not be replaced (" + Reason(error) + ")");
  }
  FlushFolder(target);
  return {};
}

mode_t LockFileMode(const std::filesystem::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 0666;
  return 0;
}

ExclusiveLock::~ExclusiveLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the flock
}

std::string ExclusiveLock::Acquire(const std::filesystem::path& lockFile, mode_t mode,
                                   std::chrono::milliseconds wait) {
  if (fd_ >= 0) return {};
  // O_NOFOLLOW and O_NONBLOCK: a link or a FIFO put where the lock file goes must
  // neither redirect the lock nor hang the program
  constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | kFlags, mode != 0 ? mode : 0664);
  if (fd >= 0) {
    // the lock file gets the place file's bits, not what the umask leaves of them,
    // so every user who may write the place file may open it for writing too
    if (mode != 0) (void)::fchmod(fd, mode);
  } else if (errno == EEXIST) {
    fd = ::open(lockFile.c_str(), O_RDWR | kFlags);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
      fd = ::open(lockFile.c_str(), O_RDONLY | kFlags);  // flock needs no write access
    }
    if (fd < 0) {
      const int error = errno;
      if (error == ELOOP) return "the lock file " + Quoted(lockFile) + " is a symbolic link";
      return "the lock file " + Quoted(lockFile) + " could not be opened (" + Reason(error) + ")";
    }
  } else {
    return CreateCause(errno, lockFile);
  }
  Descriptor held(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    return "the lock file " + Quoted(lockFile) + " is not a regular file";
  }
  // Anyone who can read the lock file can hold its lock, so the wait is bounded:
  // a lock held for longer than any save takes is reported, not waited out.
  const auto deadline = std::chrono::steady_clock::now() + wait;
  // a save holds the lock for milliseconds: poll soon, then less often
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
    const int error = errno;
    if (error == EINTR) continue;
    if (error != EWOULDBLOCK) {
      return "the lock file " + Quoted(lockFile) + " could not be locked (" + Reason(error) + ")";
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      const auto seconds = std::chrono::duration_cast<std::chrono::duration<double>>(wait).count();
      char waited[32];
      std::snprintf(waited, sizeof waited, "%.1f", seconds);
      return "another program is writing the place file (its lock file " + Quoted(lockFile) +
             " stayed locked for " + waited + " seconds); try again later";
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(20));
  }
  fd_ = held.Release();
  return {};
}

}  // namespace kalnika::profile_io
