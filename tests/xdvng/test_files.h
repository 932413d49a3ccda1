#pragma once
// Reading the reference files of the Xdvng tests: tab-separated UTF-8 tables
// with a header row, and Xdvng texts written in them as Latin-1 characters.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kalnika::xdvng::testing {

// The whole file as bytes; a missing file fails the calling test.
inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot open " << path;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The rows of a tab-separated file, below its header row when it has one; no
// field is quoted.
inline std::vector<std::vector<std::string>> ReadTsv(const std::string& path, bool has_header = true) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(ReadFileBytes(path));
  std::string line;
  bool header = has_header;
  while (std::getline(lines, line)) {
    if (header) {
      header = false;
      continue;
    }
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    rows.push_back(fields);
  }
  return rows;
}

// An Xdvng text as the reference files write it (its Latin-1 characters in
// UTF-8) turned back into its bytes.
inline std::string Latin1Bytes(const std::string& utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      bytes.push_back(static_cast<char>(c));
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      bytes.push_back(static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F)));
      ++i;
    } else {
      ADD_FAILURE() << "not a Latin-1 character in " << utf8;
    }
  }
  return bytes;
}

// The reverse, for readable failure messages: Xdvng bytes as Latin-1 in UTF-8.
inline std::string ShowLatin1(const std::string& bytes) {
  std::string utf8;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      utf8.push_back(ch);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace kalnika::xdvng::testing
