// One whole month through the window's calculation handler, with the reading of its
// auspicious-day texts from the place file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "forms/frm_kalnika.h"

namespace {

void BM_CalculateMonth(benchmark::State& state) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("kalnika-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::path file = dir / "Location.ini";
  {
    std::ofstream out(file, std::ios::binary);
    out << "[LOCATION]\r\n0=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n"
           "\r\n[DEFAULT]\r\nCityDataNumber=0\r\n\r\n[AUSPICIOUS DAYS]\r\n"
           "0811=\"m::\xF0x:da OkadS:i\"\r\n0815=\"d\xB6: j:y:\xF6t:i\"\r\n";
  }
  kalnika::RecordingMessageBox box;
  kalnika::frmKalnika form(box, file);
  form.LoadControls();
  form.lstMonth.Select(11);
  form.txtYear.Text = "2026";
  for (auto _ : state) form.cmdCalculate_Click();
  fs::remove_all(dir);
}
BENCHMARK(BM_CalculateMonth)->Unit(benchmark::kMillisecond);

}  // namespace
