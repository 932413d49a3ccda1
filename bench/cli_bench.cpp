// kalnika-cli's run of one month in the process, everything but starting the
// program: the place file read, the month computed, the table written. Argument 0
// is the method: 0 classic, 1 precise.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli.h"

namespace {

void BM_CliMonth(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path file = fs::temp_directory_path() / ("kalnika-bench-cli-" + std::to_string(::getpid()) + ".ini");
  std::ofstream(file, std::ios::binary)
      << "[LOCATION]\r\n0=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n"
         "[TIME ZONES]\r\n0=Asia/Kolkata\r\n[AUSPICIOUS DAYS]\r\n0811=\"m::\xF0x:da OkadS:i\"\r\n";
  const std::string places = file.string();
  const char* method = state.range(0) == 0 ? "classic" : "precise";
  const char* argv[] = {"kalnika-cli", "--places", places.c_str(), "--month", "12", "--year", "2026", "--method", method};
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(kalnika::cli::Run(static_cast<int>(std::size(argv)), argv, out, err));
  }
  fs::remove(file);
}
BENCHMARK(BM_CliMonth)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same run on the bundled place file: its festivals and their rules (moonrise
// included) are the month a user gets. Argument as above.
void BM_CliMonthBundledPlaces(benchmark::State& state) {
  const char* method = state.range(0) == 0 ? "classic" : "precise";
  const char* argv[] = {"kalnika-cli", "--places", KALNIKA_BUNDLED_PLACES, "--month", "11", "--year", "2026",
                        "--method", method};
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(kalnika::cli::Run(static_cast<int>(std::size(argv)), argv, out, err));
  }
}
BENCHMARK(BM_CliMonthBundledPlaces)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
