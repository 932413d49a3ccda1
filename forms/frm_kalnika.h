#pragma once
// The main window frmKalnika without any toolkit: its controls as plain data, the
// state it owns, and its handlers. The Qt window binds widgets to these controls,
// calls a handler on every click and refreshes the widgets from the model; the
// command-line tool and the tests run the same handlers headless.
#include <filesystem>
#include <string>

#include "almanac/grid.h"
#include "forms/controls.h"
#include "places/place_file.h"

namespace kalnika {

// Largest year the month table computes: the year number is a 16-bit whole number.
inline constexpr int kMaxYear = 32767;
inline constexpr int kMinYear = 79;

// The input messages of the calculation.
inline constexpr const char* kSelectMonthMessage = "You must select a Month";
inline constexpr const char* kTypeYearMessage = "You must Type an Year";
inline constexpr const char* kMinYearMessage = "You Must select an Year 79 or above.";
inline constexpr const char* kMaxYearMessage = "You Must select an Year 32767 or below.";

class frmKalnika {
 public:
  // The grid and the message box are the window's (or an in-memory stand-in); the
  // place file is the one this copy of the program uses.
  frmKalnika(Grid& grid, MessageBox& messageBox, std::filesystem::path placeFile);

  // Controls.
  ListBoxControl lstMonth;     // "January".."December"
  ListBoxControl lstLocation;  // place records
  TextBoxControl txtYear;
  CheckBoxControl chkDST;
  LabelControl lblLat, lblLong, lblTimeZone;
  LabelControl lblKaliYuga, lblVikram;

  // State owned by the window.
  double PlaceLatitude = 0.0;   // degrees, north positive
  double PlaceLongitude = 0.0;  // degrees, east positive
  std::string DayNote;          // the day's sun-ingress note while a row is filled
  std::string ProfileBuffer;    // 80-byte receiving buffer for place-file reads

  // Start-up without the first calculation: name tables and headings, daylight
  // saving unchecked, the month list, the grid's rows, columns and headings, the
  // place list with the stored default selected.
  void LoadControls();
  // Full start-up: LoadControls, today's month and year (month 1..12), one calculation.
  void Form_Load(int todayYear, int todayMonth);

  void cmdCalculate_Click();
  void cmdNextMonth_Click();
  void cmdPreviousMonth_Click();
  void cmdNextYear_Click();
  void cmdPreviousYear_Click();
  // Stores the selected position as the default place and says so (or says why not).
  void cmdDefaultLocation_Click();
  // Splits the chosen place in lstLocation.Tag into lblLat, lblLong and lblTimeZone.
  void ParseLocation();

  // Whether the grid was filled by the last calculation (false after a refused input).
  bool GridVisible() const { return gridVisible_; }
  ProfileFile& PlaceFile() { return placeFile_; }

 private:
  void SetGridVisible(bool visible);
  void StepYear(int delta);

  Grid& grid_;
  MessageBox& messageBox_;
  ProfileFile placeFile_;
  bool gridVisible_ = true;
};

// Shortest decimal text of a year value, as the stepping buttons write it (2027 from
// 2026 + 1, 2027.5 from 2026.5 + 1), without a leading blank or exponent.
std::string YearText(double value);

}  // namespace kalnika
