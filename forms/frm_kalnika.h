#pragma once
// The main window frmKalnika without any toolkit: its controls as plain data, the
// state it owns, and its handlers. The Qt window binds widgets to these controls,
// calls a handler on every click and shows the model again; the command-line tool
// and the tests run the same handlers headless.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "almanac/month_text.h"
#include "almanac/month_values.h"
#include "clock/clock.h"
#include "forms/controls.h"
#include "forms/message_box.h"
#include "places/place_file.h"
#include "places/place_record.h"

namespace kalnika {

// Largest year the month table computes: the year number is a 16-bit whole number.
inline constexpr int kMaxYear = 32767;
inline constexpr int kMinYear = 79;

// The input messages of the calculation.
inline constexpr const char* kSelectMonthMessage = KALNIKA_TEXT("Messages", "You must select a Month");
inline constexpr const char* kTypeYearMessage = KALNIKA_TEXT("Messages", "You must Type an Year");
inline constexpr const char* kMinYearMessage = KALNIKA_TEXT("Messages", "You Must select an Year 79 or above.");
inline constexpr const char* kMaxYearMessage = KALNIKA_TEXT("Messages", "You Must select an Year 32767 or below.");
// The default place needs a place: an empty place box stores none.
inline constexpr const char* kNoDefaultPlaceMessage = KALNIKA_TEXT(
    "Messages", "No place is chosen in the Location box, so none can be the default. Choose a place first.");
// The default stored: the place as the record's first 30 columns name it follows.
inline constexpr const char* kDefaultSetMessage = KALNIKA_TEXT("Messages", "Default set to %1");

// The years the precise method computes (its ephemeris ends there).
inline constexpr const char* kPreciseYearsMessage = KALNIKA_TEXT(
    "Messages", "The precise method computes the years up to 2999; choose the classic method for a later year.");

// How the clock times of a month are set: by the place's time zone, or by the
// daylight-saving box.
enum class ClockSetting {
  // For a place with a zone name: every date at its civil time (standard or summer
  // time, as the zone kept it). A place without one: the box, as Manual.
  Automatic,
  Manual,  // the place record's zone, one hour later when the box is ticked
};

// A computed month and what it was computed for: what every face prints or saves.
struct MonthSheet {
  MonthValues values;
  MonthTable table;
  Place place;                  // the chosen place, with the zone name stored for it
  Clock clock;                  // the clock every time of the month was read on
  bool daylightSaving = false;  // the box, when the clock was set by hand
  std::string zoneName;         // the zone whose offsets set the clock; empty: set by hand
};

// The festivals of the place file: its auspicious-day notes (the sankrantis' too)
// and their observance rules, from one reading of it.
struct StoredFestivals {
  AuspiciousDays notes;
  ObservanceTexts rules;
};

class frmKalnika {
 public:
  // The place file is the one this copy of the program uses.
  frmKalnika(MessageBox& messageBox, std::filesystem::path placeFile);

  // Controls.
  ListBoxControl lstMonth;     // "January".."December"
  ListBoxControl lstLocation;  // the places by name
  TextBoxControl txtYear;
  CheckBoxControl chkDST;
  LabelControl lblLat, lblLong, lblTimeZone;
  LabelControl lblKaliYuga, lblVikram;

  // Settings the window remembers between runs (the command-line tool sets them from
  // its options): the calculation method (the precise one until another is chosen)
  // and how the clocks are set.
  Method method = Method::Precise;
  // Precise months with each day page's values too (MonthRequest::dayDetails): for
  // a face that shows them for every day (the tool's JSON); the day view computes
  // its day's when the month lacks them.
  bool dayDetails = false;
  ClockSetting clockSetting = ClockSetting::Automatic;

  // Start-up without the first calculation: daylight saving unchecked, the month
  // list, the table's headings, the place list with the stored default selected and
  // the places' zone names. A place file that could not be read is reported (it
  // reads as empty, and places can still be added).
  void LoadControls();
  // Full start-up: LoadControls, today's month and year (month 1..12), one calculation.
  void Form_Load(int todayYear, int todayMonth);

  void cmdCalculate_Click();
  // The table always shows what the boxes say: choosing a month calculates at once,
  // and so does leaving the year box with another year than the one last
  // calculated (the same year again asks nothing: a refused year is not refused
  // twice for a change of focus). Return in the year box is cmdCalculate_Click.
  void lstMonth_Click();
  void txtYear_LostFocus();
  // A place chosen from the place box's list or its search: its labels, then the
  // month for it (lstLocation_Click, cmdCalculate_Click).
  void PlaceChosen();
  // A place was added to the place file at list position `position`: the place
  // list is read again, the new place selected and the month calculated for it;
  // the month and year stay.
  void PlaceAdded(int position);
  // Runs the last calculation again (its month, year, place and daylight-saving box)
  // with the method and clock setting now chosen: a setting of the View menu applies
  // to the month shown at once. What was entered since stays in the boxes and the
  // place labels; before any calculation nothing happens.
  void Recalculate();
  void cmdNextMonth_Click();
  void cmdPreviousMonth_Click();
  void cmdNextYear_Click();
  void cmdPreviousYear_Click();
  // A place chosen in the place box: its latitude, longitude and zone are shown in
  // the place labels at once (the calculation parses the place again, as always).
  void lstLocation_Click();
  // Stores the selected place as the default and says so (or says why not: no place
  // chosen, the file could not be written, or it no longer holds the place). The
  // position stored is the place's in the file as it is now (StoreDefaultPlace);
  // when that is not its position in the list, the list is read again.
  void cmdDefaultLocation_Click();

  // The month table as the window shows it: the headings, and the day rows of the
  // last calculation (cleared, but for the notes, by a refused one).
  const MonthTable& Table() const { return table_; }
  // Whether the table is shown (false after a refused input).
  bool GridVisible() const { return gridVisible_; }
  // The month the last calculation computed; nothing after a refused input.
  const std::optional<MonthSheet>& Shown() const { return shown_; }
  // The twelve months of the shown month's year for its place and daylight saving,
  // as twelve calculations of the window would show them; empty when none is shown.
  std::vector<MonthSheet> ShownYear();

  ProfileFile& PlaceFile() { return placeFile_; }

  // The place file's festivals as it holds them now; a copy of the bundled file
  // without rules borrows the bundled file's rules for the notes it has unchanged
  // (ReadObservance).
  StoredFestivals Festivals();

  // The places of the place box, in its order, as loaded by LoadControls.
  const std::vector<Place>& Places() const { return places_; }

  // The place file the program comes with. A user's file copied from an older one
  // has no zone names: a place whose record is the same as a bundled place's takes
  // that place's zone name (read at LoadControls; the user's file is not changed).
  void SetBundledPlaceFile(std::filesystem::path file) { bundledPlaceFile_ = std::move(file); }

  // The zone name stored for the chosen place ("Asia/Kolkata"), or empty.
  std::string ChosenZoneName() const;
  // The zone name whose offsets set the clock of the next calculation: the chosen
  // place's, when the setting is Automatic and tzdata knows it; else empty.
  std::string ClockZoneName() const;
  // The clock the next calculation reads its times on, with `method`: the chosen
  // place's zone (automatic setting), or its record's zone and the box; the
  // classic method reads the record's zone by its own rule (+05:45 as 5 hours).
  Clock ChosenClock(bool daylightSaving) const;

 private:
  void StepYear(int delta);
  // Fills the place box from a reading of the place file (the places, their
  // tooltips, the bundled zone names lent); no place's zone is loaded yet.
  void ListPlaces(const ProfileSnapshot& places);
  // Parses the place text into the place and its labels (a text of one or two
  // characters is no place: the previous one stays).
  void ParseChosenPlace();
  // Whether the chosen place's record can be computed; says why not.
  bool PlaceComputable();
  // Loads the chosen place's zone when it has a zone name, and reports once for
  // each place chosen a zone name that cannot be loaded.
  void CheckChosenZone();
  MonthSheet Compute(int month, int yearNumber, const std::string& yearText, const Place& place,
                     const Clock& clock);

  // The boxes a calculation reads.
  struct Entered {
    int month = -1;
    std::string year;
    int place = -1;
    bool daylightSaving = false;
  };
  Entered EnteredNow() const;
  void Enter(const Entered& entered);

  MessageBox& messageBox_;
  ProfileFile placeFile_;
  std::vector<Place> places_;  // the place box's places
  Place place_;                // the chosen place as last parsed
  bool placeChosen_ = false;   // whether place_ is a place at all (none chosen yet: 0 N 0 E, UTC)
  MonthTable table_ = EmptyMonthTable();
  bool gridVisible_ = true;
  std::optional<MonthSheet> shown_;
  std::filesystem::path bundledPlaceFile_;
  int zoneChecked_ = -2;                   // the place whose zone was last loaded (-2: none yet)
  std::shared_ptr<const ZoneRules> zone_;  // its zone, when its name could be loaded
  std::optional<Entered> lastRun_;         // the boxes of the last calculation
};

// The place of a computed month as its files name it: the place's name, its
// latitude and longitude, and the offset its clock used on the month's first day
// ("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30, Asia/Kolkata)"),
// with the zone name when its offsets set the clocks, or daylight saving when the
// box put them forward ("..., UTC +06:30, daylight saving +1 h").
std::string SheetPlace(const MonthSheet& sheet);
// The same as a message, for the window: the daylight-saving words in its language,
// the place's name and coordinates as they are.
Message SheetPlaceMessage(const MonthSheet& sheet);

// A place in one line, as the place box's tooltip shows it: "Mumbai, Maharashtra,
// India (18 N 58, 072 E 50, UTC +05:30, Asia/Kolkata)".
std::string PlaceSummary(const Place& place);

// The offset the month's clock used on its first day and what set it:
// "UTC +05:45 (Asia/Kathmandu)", "UTC +05:30", "UTC -04:00 (daylight saving)".
std::string SheetZone(const MonthSheet& sheet);

// Where the classic method reads the place's zone otherwise than it is written
// (it has always read only whole and half hours: +05:45 as 5 hours), a line that
// says so and names what gives the real clock; nothing otherwise.
std::optional<Message> ClassicZoneNote(const MonthSheet& sheet);

// How the clocks of a computed month were set, in words: the zone name and the
// offsets of its rows, each change with its first date ("Europe/London (automatic):
// UTC +00:00, from 29 March +01:00"), or the place's own offset set by the
// daylight-saving box ("by the daylight-saving box: UTC +05:30").
std::string SheetClock(const MonthSheet& sheet);

// The offsets of a computed month's rows: the first row's, then each change with
// the first date it holds for (what SheetClock names, for a face that writes it in
// another language).
struct OffsetFrom {
  CivilDate date;
  double hours = 0;
};
std::vector<OffsetFrom> SheetOffsets(const MonthSheet& sheet);

// An offset from UTC in hours as "+05:30", "-04:00", "+05:45" (to the minute).
std::string OffsetText(double hours);

// The method's name in English: "Classic" or "Precise".
std::string MethodTitle(Method method);

// A file name for the month, or with `wholeYear` its year, without a suffix: the
// place's city, the year and the month ("Mumbai-2026-12", "Mumbai-2026"); a
// character a file name cannot hold, or a blank, becomes "-".
std::string SheetFileName(const MonthSheet& sheet, bool wholeYear);

// Shortest decimal text of a year value, as the stepping buttons write it (2027 from
// 2026 + 1, 2027.5 from 2026.5 + 1), without a leading blank or exponent.
std::string YearText(double value);

}  // namespace kalnika
