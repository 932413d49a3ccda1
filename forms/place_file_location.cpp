#include "forms/place_file_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace kalnika {

namespace fs = std::filesystem;

fs::path ResolvePlaceFile(const fs::path& programDir, const fs::path& configDir) {
  return ResolvePlaceFile(programDir, configDir,
                          [](const fs::path& p) { return ::access(p.c_str(), W_OK) == 0; });
}

fs::path ResolvePlaceFile(const fs::path& programDir, const fs::path& configDir,
                          const std::function<bool(const fs::path&)>& Writable) {
  const fs::path own = programDir / "Location.ini";
  std::error_code ec;
  if (fs::exists(own, ec) && Writable(own) && Writable(programDir)) return own;
  if (configDir.empty()) return own;

  const fs::path user = configDir / "Location.ini";
  if (fs::exists(user, ec)) return user;
  // First run of an installed program: copy the installed file to the user's folder.
  fs::create_directories(configDir, ec);
  if (!ec && fs::exists(own, ec)) {
    fs::copy_file(own, user, fs::copy_options::skip_existing, ec);
    if (!ec) {
      fs::permissions(user, fs::perms::owner_read | fs::perms::owner_write,
                      fs::perm_options::add, ec);
      return user;
    }
    return own;
  }
  // No installed file at all: start an empty one where it can be written.
  if (!fs::exists(own, ec) && Writable(programDir)) return own;
  return Writable(configDir) ? user : own;
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
