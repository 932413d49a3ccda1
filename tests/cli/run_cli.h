#pragma once
// Running kalnika-cli in the test process, and the place file of the sample tables.
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace kalnika::testing_cli {

inline const std::string kPlaces = std::string(KALNIKA_TEST_DATA) + "/golden/Location.ini";

struct RunResult {
  int status;
  std::string out, err;
};

inline RunResult RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), "kalnika-cli");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = cli::Run(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

}  // namespace kalnika::testing_cli
