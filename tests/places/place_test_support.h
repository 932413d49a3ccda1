#pragma once
// Scratch folders and byte-exact file helpers for the place-file tests.
#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "places/place_file.h"

namespace kalnika::test {

using Path = const std::filesystem::path&;

// Writes `bytes` to `file` exactly (no line-end translation).
inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The bytes of `file`, or "<missing>" when it cannot be opened.
inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file of tests/data/places.
inline std::string DataFile(const std::string& name) {
  return ReadBytes(std::filesystem::path(KALNIKA_TEST_DATA) / "places" / name);
}

// A fresh folder under the system's temporary folder holding the place file
// "Location.ini" with `bytes` (no file for nullopt), and the ProfileFile of that
// path. The folder goes with its contents (only root's tests take the write
// permission of a folder, and root needs none to remove it).
class PlaceFolder {
 public:
  explicit PlaceFolder(std::optional<std::string> bytes = std::nullopt)
      : path_(MakeFolder()), file(path_ / "Location.ini"), places(file) {
    if (bytes) WriteBytes(file, *bytes);
  }
  PlaceFolder(const PlaceFolder&) = delete;
  PlaceFolder& operator=(const PlaceFolder&) = delete;
  ~PlaceFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  std::string Bytes() const { return ReadBytes(file); }

 private:
  static std::filesystem::path MakeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalnika-places-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder");
    return pattern;
  }
  std::filesystem::path path_;

 public:
  const std::filesystem::path file;
  ProfileFile places;
};

// A 56-character record whose description holds `n`, so that every record differs.
inline std::string Record(int n) {
  std::string description = "Place " + std::to_string(n) + ", Test, India";
  description.resize(31, ' ');
  return description + "18 N 58  072 E 50  +05:30";
}

inline std::set<std::string> FolderNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

inline unsigned ModeOf(const std::filesystem::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return 0;
  return static_cast<unsigned>(st.st_mode & 07777);
}

inline std::pair<uid_t, gid_t> OwnerOf(const std::filesystem::path& file) {
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0) return {static_cast<uid_t>(-1), static_cast<gid_t>(-1)};
  return {st.st_uid, st.st_gid};
}

// A user for the tests of shared place files: numbers no account needs to have,
// switched to in a forked child, so nothing is left on the machine.
struct OtherUser {
  uid_t uid;
  gid_t gid;                  // primary group
  std::vector<gid_t> groups;  // supplementary groups
};

#define KALNIKA_SKIP_UNLESS_ROOT() \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a child as another user"

// Runs `body` in a child process as `user` and returns the text it returned, or
// nothing when the child could not switch to the user (only root can) or died.
inline std::optional<std::string> RunAs(const OtherUser& user, const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return std::nullopt;
  const pid_t pid = ::fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) {
    ::close(channel[0]);
    if (::setgroups(user.groups.size(), user.groups.data()) != 0 ||
        ::setresgid(user.gid, user.gid, user.gid) != 0 || ::setresuid(user.uid, user.uid, user.uid) != 0) {
      ::_exit(3);
    }
    const std::string text = body();
    std::size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::write(channel[1], text.data() + done, text.size() - done);
      if (n <= 0) ::_exit(4);
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string text;
  char chunk[4096];
  for (ssize_t n; (n = ::read(channel[0], chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<std::size_t>(n));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

}  // namespace kalnika::test
