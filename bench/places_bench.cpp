// Loading the fullest place file (5001 records) as the main window does at start-up:
// the place list and the stored default position; the lookups of a month's
// computation (its 384 auspicious-day notes) from one snapshot. What a place file
// may cost at most: a sparse 64 GB file and 200 MB of line feeds are refused by
// their size, 16 MB of line feeds (just under the limit) and 16 MB of the shortest
// lines are parsed.
#include <fcntl.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "places/place_file.h"
#include "places/profile_text.h"

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
    text += "\r\n[DEFAULT]\r\nCityDataNumber=0\r\n\r\n[AUSPICIOUS DAYS]\r\n";
    // a note on every third tithi of every month, as long as the 80-byte buffer allows
    for (int maas = 0; maas < 12; ++maas)
      for (int tithi = 0; tithi <= 31; tithi += 3)
        text += (maas < 10 ? "0" : "") + std::to_string(maas) + (tithi < 10 ? "0" : "") + std::to_string(tithi) +
                "=" + std::string(79, '\xC0') + "\r\n";
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

// The lookups alone: one snapshot, taken before, read again and again.
void BM_LoadPlaceList5001FromSnapshot(benchmark::State& state) {
  FullPlaceFile file;
  if (!file.ok()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  const kalnika::ProfileSnapshot places = kalnika::ProfileFile(file.path()).Snapshot();
  for (auto _ : state) {
    auto list = kalnika::LoadPlaceList(places);
    int position = kalnika::StoredDefaultPosition(places);
    benchmark::DoNotOptimize(list);
    benchmark::DoNotOptimize(position);
    if (list.size() != 5001) state.SkipWithError("place list incomplete");
  }
}
BENCHMARK(BM_LoadPlaceList5001FromSnapshot)->Unit(benchmark::kMillisecond);

// What a month's computation reads from the place file: a snapshot of the file (its
// identity checked, the parse kept from before) and the 384 auspicious-day notes.
void BM_AuspiciousNotesOfAMonth(benchmark::State& state) {
  FullPlaceFile file;
  if (!file.ok()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  kalnika::ProfileFile placeFile(file.path());
  placeFile.Snapshot();  // the window read it at start-up
  for (auto _ : state) {
    const kalnika::ProfileSnapshot places = placeFile.Snapshot();
    std::size_t bytes = 0;
    for (int maas = 0; maas < 12; ++maas)
      for (int tithi = 0; tithi <= 31; ++tithi) bytes += kalnika::AuspiciousDayNote(places, maas, tithi).size();
    benchmark::DoNotOptimize(bytes);
    if (bytes != 12 * 11 * 79) state.SkipWithError("notes missing");
  }
}
BENCHMARK(BM_AuspiciousNotesOfAMonth)->Unit(benchmark::kMicrosecond);

// A scratch folder with one file, removed when the object goes.
class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalnika-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() {
    std::error_code error;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
  }
  std::filesystem::path path() const { return folder_ / "Location.ini"; }
  bool ok() const { return !folder_.empty(); }

 private:
  std::filesystem::path folder_;
};

// Bytes of the heap in use now (small blocks and mapped ones).
double HeapInUse() {
  const struct mallinfo2 info = ::mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// A place file of `size` bytes that holds no data (`truncate -s`): no room on the
// disk, no time to write.
void BM_RefuseSparseFile(benchmark::State& state) {
  ScratchFile file;
  const int fd = ::open(file.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (!file.ok() || fd < 0 || ::ftruncate(fd, static_cast<off_t>(state.range(0)) << 20) != 0) {
    state.SkipWithError("no sparse file");
    if (fd >= 0) ::close(fd);
    return;
  }
  ::close(fd);
  for (auto _ : state) {
    kalnika::ProfileFile places(file.path());  // fresh: nothing kept from the last round
    const std::string problem = places.ReadProblem();
    if (problem.empty()) state.SkipWithError("not refused");
    benchmark::DoNotOptimize(problem);
  }
}
BENCHMARK(BM_RefuseSparseFile)->ArgName("MiB")->Arg(64 << 10)->Unit(benchmark::kMicrosecond);

// A file of `size` MiB of line feeds, written once: 200 is refused by its size,
// 16 is read and parsed. Counters: the heap the kept parse holds, and the peak
// resident size of the process.
void BM_LoadLineFeeds(benchmark::State& state) {
  ScratchFile file;
  const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
  {
    std::ofstream out(file.path(), std::ios::binary);
    const std::string block(1 << 20, '\n');
    for (std::size_t done = 0; done < size; done += block.size()) out << block;
  }
  double heap = 0;
  for (auto _ : state) {
    const double before = HeapInUse();
    kalnika::ProfileFile places(file.path());
    auto list = kalnika::LoadPlaceList(places);
    heap = HeapInUse() - before;
    benchmark::DoNotOptimize(list);
  }
  state.counters["heap_MB"] = heap / (1 << 20);
}
BENCHMARK(BM_LoadLineFeeds)->ArgName("MiB")->Arg(200)->Arg(16)->Unit(benchmark::kMillisecond);

// The largest text of `line` repeated after `head`.
std::string Filled(const std::string& head, const std::string& line) {
  std::string text = head;
  while (text.size() + line.size() <= kalnika::profile::kLargestText) text += line;
  return text;
}

// The costliest contents under the limit: short lines of distinct keys ("123=\n"),
// the shortest key lines ("k\n", 4 bytes of index for 2 of text), the shortest
// headers ("[]\n", each sorted before the repeats go). Counter: the heap the parse
// holds besides its text.
void BM_ParseAtLimit(benchmark::State& state, const char* kind) {
  std::string text;
  if (kind == std::string_view("DistinctKeys")) {
    text = "[LOCATION]\n";
    for (int n = 0; text.size() + 16 < kalnika::profile::kLargestText; ++n) text += std::to_string(n) + "=\n";
  } else if (kind == std::string_view("ShortestKeys")) {
    text = Filled("[LOCATION]\n", "k\n");
  } else {
    text = Filled("", "[]\n");
  }
  double heap = 0;
  for (auto _ : state) {
    std::string copy = text;
    const double before = HeapInUse();
    kalnika::profile::ParseResult parsed = kalnika::profile::Parse(std::move(copy));
    heap = HeapInUse() - before;
    benchmark::DoNotOptimize(parsed);
  }
  state.counters["heap_MB"] = heap / (1 << 20);
  state.counters["text_MB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK_CAPTURE(BM_ParseAtLimit, DistinctKeys, "DistinctKeys")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParseAtLimit, ShortestKeys, "ShortestKeys")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParseAtLimit, ShortestHeaders, "ShortestHeaders")->Unit(benchmark::kMillisecond);

}  // namespace
