// A whole month from a fuzzed place file: the window's start-up and one calculation
// for a chosen place, month and year of the file, as kalnika-cli runs them. Any file
// gives a refusal or a table of the month's days; nothing crashes or hangs.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "forms/frm_kalnika.h"
#include "fuzz/fuzz_check.h"

namespace {

const std::filesystem::path& PlaceFile() {
  static const std::filesystem::path file = [] {
    auto folder = std::filesystem::temp_directory_path() / ("kalnika-month-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder / "Location.ini";
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalnika;
  FuzzedDataProvider input(data, size);
  const int place = input.ConsumeIntegralInRange(-1, 8);
  const int month = input.ConsumeIntegralInRange(1, 12);
  const int year = input.ConsumeIntegralInRange(79, 3000);
  const bool dst = input.ConsumeBool();
  {
    std::ofstream out(PlaceFile(), std::ios::binary | std::ios::trunc);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  RecordingMessageBox box;
  frmKalnika form(box, PlaceFile());
  form.LoadControls();
  form.lstLocation.Select(place);
  form.lstMonth.Select(month - 1);
  form.txtYear.Text = std::to_string(year);
  form.chkDST.Value = dst;
  form.cmdCalculate_Click();

  const MonthTable& table = form.Table();
  if (form.GridVisible()) {
    FUZZ_CHECK(table.dayCount == DaysOfMonth(year, month));
    for (int day = 1; day <= table.dayCount; ++day)
      FUZZ_CHECK(table.cells[static_cast<std::size_t>(day)][1] == std::to_string(day));
  } else {
    FUZZ_CHECK(box.count > 0);  // a refused run says why
  }
  return 0;
}
