#include "forms/place_file_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

// The path from the installation's program folder to its data folder, set by the
// build from the install directories.
#ifndef KALNIKA_DATA_FROM_BINDIR
#define KALNIKA_DATA_FROM_BINDIR "../share/kalnika"
#endif

namespace kalnika {

namespace fs = std::filesystem;

namespace {

// Copies `from` into a new file `to`, never over one that exists: created with
// rw-rw-rw- less the user's umask, as every new file of the user is (copy_file
// gave it the bundled file's rw-r--r-- whatever the umask, so under umask 077 the
// user's places were readable by everyone), and readable and writable by its owner
// in any case. False when it cannot be made; a file left half written goes.
bool CopyAsNewFile(const fs::path& from, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return false;
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  struct stat st {};
  if (ok && ::fstat(fd, &st) == 0 && (st.st_mode & (S_IRUSR | S_IWUSR)) != (S_IRUSR | S_IWUSR))
    ok = ::fchmod(fd, (st.st_mode & 07777) | S_IRUSR | S_IWUSR) == 0;
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(to.c_str());
  return ok;
}

}  // namespace

fs::path InstalledDataDir(const fs::path& programDir) {
  return (programDir / KALNIKA_DATA_FROM_BINDIR).lexically_normal();
}

fs::path BundledDataDir(const fs::path& programDir) {
  std::error_code ec;
  fs::path installed = InstalledDataDir(programDir);
  return fs::is_directory(installed, ec) ? installed : programDir;
}

fs::path FindHelpDocument(const fs::path& programDir) { return BundledDataDir(programDir) / kHelpFileName; }

fs::path ResolvePlaceFile(const fs::path& programDir, const fs::path& configDir) {
  return ResolvePlaceFile(programDir, configDir,
                          [](const fs::path& p) { return ::access(p.c_str(), W_OK) == 0; });
}

fs::path ResolvePlaceFile(const fs::path& programDir, const fs::path& configDir,
                          const std::function<bool(const fs::path&)>& Writable) {
  const fs::path dataDir = BundledDataDir(programDir);
  const bool installed = dataDir != programDir;
  const fs::path bundled = dataDir / kPlaceFileName;
  std::error_code ec;
  if (!installed && fs::exists(bundled, ec) && Writable(bundled) && Writable(programDir)) return bundled;
  if (configDir.empty()) return bundled;

  const fs::path user = configDir / kPlaceFileName;
  if (fs::exists(user, ec)) return user;
  // First use: copy the bundled file to the user's folder (another copy of the
  // program may have made it a moment ago).
  fs::create_directories(configDir, ec);
  if (!ec && fs::exists(bundled, ec)) return CopyAsNewFile(bundled, user) || fs::exists(user, ec) ? user : bundled;
  // No bundled file at all: start an empty one where it can be written.
  if (!installed && !fs::exists(bundled, ec) && Writable(programDir)) return bundled;
  return Writable(configDir) ? user : bundled;
}

fs::path UserConfigDir() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return fs::path(xdg) / "Kalnika";
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".config" / "Kalnika";
  return {};
}

fs::path ProgramDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return fs::current_path(ec);
  return exe.parent_path();
}

}  // namespace kalnika
