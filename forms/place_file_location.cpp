#include "forms/place_file_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

// The path from the installation's program folder to its data folder, set by the
// build from the install directories.
#ifndef KALNIKA_DATA_FROM_BINDIR
#define KALNIKA_DATA_FROM_BINDIR "../share/kalnika"
#endif

namespace kalnika {

namespace fs = std::filesystem;

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
  // First use: copy the bundled file to the user's folder.
  fs::create_directories(configDir, ec);
  if (!ec && fs::exists(bundled, ec)) {
    fs::copy_file(bundled, user, fs::copy_options::skip_existing, ec);
    if (!ec) {
      fs::permissions(user, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
      return user;
    }
    return bundled;
  }
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
