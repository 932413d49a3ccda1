#pragma once
// A temporary folder with a copy of the sample place file, for the form tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kalnika::testing_support {

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("kalnika-forms-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

  // Copies the sample place file (six places, Mumbai the default) into the folder.
  std::filesystem::path SamplePlaces() const {
    auto target = path_ / "Location.ini";
    std::filesystem::copy_file(std::string(KALNIKA_TEST_DATA) + "/golden/Location.ini", target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
  }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    auto target = path_ / name;
    std::ofstream(target, std::ios::binary) << bytes;
    return target;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace kalnika::testing_support
