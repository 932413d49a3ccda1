// Loading the fullest place file (5001 records) as the main window does at start-up:
// the place list and the stored default position.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "places/place_file.h"

namespace {

// A scratch folder holding a place file with records under keys "0" to "5000",
// removed when the object goes.
class FullPlaceFile {
 public:
  FullPlaceFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalnika-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    std::string text = "[LOCATION]\r\n";
    for (int n = 0; n <= 5000; ++n) {
      std::string description = "Place " + std::to_string(n) + ", Maharashtra, India ";
      description.resize(31, ' ');
      text += std::to_string(n) + "=\"" + description + "18 N 58  072 E 50  +05:30\"\r\n";
    }
    text += "\r\n[DEFAULT]\r\nCityDataNumber=0\r\n";
    std::ofstream(path(), std::ios::binary) << text;
  }
  FullPlaceFile(const FullPlaceFile&) = delete;
  FullPlaceFile& operator=(const FullPlaceFile&) = delete;
  ~FullPlaceFile() {
    std::error_code error;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
  }
  std::filesystem::path path() const { return folder_ / "Location.ini"; }
  bool ok() const { return !folder_.empty(); }

 private:
  std::filesystem::path folder_;
};

// A fresh ProfileFile each time: one parse of the file plus 5002 lookups.
void BM_LoadPlaceList5001(benchmark::State& state) {
  FullPlaceFile file;
  if (!file.ok()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  for (auto _ : state) {
    kalnika::ProfileFile places(file.path());
    auto list = kalnika::LoadPlaceList(places);
    int position = kalnika::StoredDefaultPosition(places);
    benchmark::DoNotOptimize(list);
    benchmark::DoNotOptimize(position);
    if (list.size() != 5001) state.SkipWithError("place list incomplete");
  }
}
BENCHMARK(BM_LoadPlaceList5001)->Unit(benchmark::kMillisecond);

// The same ProfileFile again and again: the file is unchanged, so only the identity
// checks and lookups are left.
void BM_LoadPlaceList5001Cached(benchmark::State& state) {
  FullPlaceFile file;
  if (!file.ok()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  kalnika::ProfileFile places(file.path());
  for (auto _ : state) {
    auto list = kalnika::LoadPlaceList(places);
    int position = kalnika::StoredDefaultPosition(places);
    benchmark::DoNotOptimize(list);
    benchmark::DoNotOptimize(position);
    if (list.size() != 5001) state.SkipWithError("place list incomplete");
  }
}
BENCHMARK(BM_LoadPlaceList5001Cached)->Unit(benchmark::kMillisecond);

}  // namespace
