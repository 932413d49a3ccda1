// The main window's handlers, headless: start-up, the calculation with its input
// checks, the stepping buttons with their tags, the chosen place and the default
// place.
#include <gtest/gtest.h>

#include <functional>

#include "almanac/name_tables.h"
#include "forms/frm_kalnika.h"
#include "form_fixture.h"
#include "places/zone_names.h"
#include "support/c_library_zone.h"

namespace kalnika {
namespace {

using testing_support::TempFolder;

class MainForm : public testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox box;
  std::unique_ptr<frmKalnika> form;

  void Load(const std::filesystem::path& placeFile) {
    form = std::make_unique<frmKalnika>(box, placeFile);
    form->LoadControls();
  }
  void Start(int year, int month) {
    form = std::make_unique<frmKalnika>(box, folder.SamplePlaces());
    form->Form_Load(year, month);
  }
  void Show(int month, const std::string& year) {
    form->lstMonth.Select(month - 1);
    form->txtYear.Text = year;
    form->cmdCalculate_Click();
  }
  // The text of a cell of the table the window shows.
  const std::string& Cell(int row, int col) const {
    return form->Table().cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  }
  std::string Shown() const {  // "month/year" of the table's first row
    return Cell(1, 0) + "/" + Cell(1, 2);
  }
};

TEST_F(MainForm, StartUpShowsTodaysMonthForTheDefaultPlace) {
  Start(2026, 12);  // 5 December 2026
  EXPECT_EQ(form->txtYear.Text, "2026");
  EXPECT_EQ(form->lstMonth.Text(), "December");
  EXPECT_EQ(form->lstLocation.ListIndex, 2);  // Mumbai, the stored default
  EXPECT_EQ(form->lstLocation.items.size(), 6u);
  EXPECT_FALSE(form->chkDST.Value);
  EXPECT_TRUE(form->GridVisible());
  EXPECT_EQ(form->lblLat.Caption, "18 N 58 ");
  EXPECT_EQ(box.count, 0);
}

TEST_F(MainForm, InputChecksStopTheRunWithOneMessage) {
  struct Case { int month; std::string year; const char* message; const char* why; } cases[] = {
      {0, "", kSelectMonthMessage, "no month and no year: only the month is asked for"},
      {5, "", kTypeYearMessage, "empty year"},
      {5, "78", kMinYearMessage, "the year before the first accepted"},
      {5, "32768", kMaxYearMessage, "above the 16-bit year number"}};
  for (const auto& c : cases) {
    Start(2026, 12);
    box.count = 0;
    form->lstMonth.Select(c.month - 1);
    form->txtYear.Text = c.year;
    form->cmdCalculate_Click();
    EXPECT_EQ(box.count, 1) << c.why;
    EXPECT_EQ(box.last, c.message) << c.why;
    EXPECT_FALSE(form->GridVisible()) << c.why;
    EXPECT_EQ(form->lblKaliYuga.Caption, "") << c.why;
    for (int r = 1; r <= 31; ++r)
      for (int col = 0; col <= 15; ++col) ASSERT_EQ(Cell(r, col), "") << c.why << " " << r << "," << col;
    Show(5, "2026");  // the next accepted run shows the grid again
    EXPECT_TRUE(form->GridVisible()) << c.why;
  }
}

TEST_F(MainForm, AShorterMonthLeavesTheRowsBelowEmpty) {
  // February 2023 after January: 28 days (month lengths: tests/calendar/calendar_test).
  Start(2026, 12);
  Show(1, "2026");
  Show(2, "2023");
  EXPECT_EQ(Cell(28, 1), "28");
  for (int r = 29; r <= 31; ++r)
    for (int col = 0; col <= 16; ++col) EXPECT_EQ(Cell(r, col), "") << r << "," << col;
}

TEST_F(MainForm, SteppingButtonsStepTheShownOrTypedMonth) {
  struct Case {
    const char* name;
    int month;
    const char* year;   // calculated first
    const char* typed;  // then typed in the year box (nullptr: nothing)
    void (frmKalnika::*button)();
    int monthAfter;
    const char* yearText;   // in the year box after
    const char* shownYear;  // of the table after (nullptr: not checked)
    const char* message;    // nullptr: none
  } cases[] = {
      {"NextMonthIntoTheNextYear", 12, "2026", nullptr, &frmKalnika::cmdNextMonth_Click, 1, "2027", "2027", nullptr},
      {"PreviousMonthIntoThePreviousYear", 1, "2027", nullptr, &frmKalnika::cmdPreviousMonth_Click, 12, "2026", "2026",
       nullptr},
      {"NextYear", 3, "2026", nullptr, &frmKalnika::cmdNextYear_Click, 3, "2027", "2027", nullptr},
      {"PreviousYear", 3, "2026", nullptr, &frmKalnika::cmdPreviousYear_Click, 3, "2025", "2025", nullptr},
      {"ATypedYearNotCalculatedIsStepped", 3, "2026", "1999", &frmKalnika::cmdNextMonth_Click, 4, "1999", "1999",
       nullptr},
      {"TheYearTextIsRewrittenInItsShortestForm", 3, "2026", "2026.5", &frmKalnika::cmdNextYear_Click, 3, "2027.5",
       nullptr, nullptr},
      // A year refused by the year check: both tags are filled, the boxes step.
      {"AfterARefusedYearFromTheBoxes", 1, "78", nullptr, &frmKalnika::cmdPreviousMonth_Click, 12, "77", nullptr,
       kMinYearMessage},
      {"AfterAnEmptyYearNextMonthOnlyRepeatsTheMessage", 3, "", nullptr, &frmKalnika::cmdNextMonth_Click, 3, "",
       nullptr, kTypeYearMessage},
      {"AfterAnEmptyYearNextYearOnlyRepeatsTheMessage", 3, "", nullptr, &frmKalnika::cmdNextYear_Click, 3, "",
       nullptr, kTypeYearMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(2026, 12);
    Show(c.month, c.year);
    if (c.typed != nullptr) form->txtYear.Text = c.typed;
    box.count = 0;
    ((*form).*c.button)();
    EXPECT_EQ(form->lstMonth.ListIndex, c.monthAfter - 1);
    EXPECT_EQ(form->txtYear.Text, c.yearText);
    EXPECT_EQ(box.count, c.message != nullptr ? 1 : 0);
    if (c.message != nullptr) {
      EXPECT_EQ(box.last, c.message);
    }
    if (c.shownYear != nullptr) {
      EXPECT_EQ(Shown(), GregorianMonthNames[static_cast<std::size_t>(c.monthAfter - 1)] + "/" + c.shownYear);
    }
  }
}

TEST_F(MainForm, APlaceTextOfTwoCharactersKeepsThePreviousPlace) {
  TempFolder f;
  Load(f.Write("Location.ini",
               "[LOCATION]\r\n"
               "0=\"St. John's, NL, Canada         47 N 34  052 W 43  -03:30\"\r\n"
               "1=\"ab\"\r\n"));
  form->lstLocation.Select(0);
  Show(6, "2026");
  const std::string sunrise = Cell(10, 14);
  form->lstLocation.Select(1);
  Show(6, "2026");
  EXPECT_EQ(form->lblTimeZone.Caption, " -03:30");
  EXPECT_EQ(Cell(10, 14), sunrise);
}

TEST_F(MainForm, DaylightSavingCountsFromTheNextCalculation) {
  // Mumbai, 10 June 2026: sunrise 6H0 (the independent reference computation of the
  // classic rules, tools/reference); which cells the hour moves:
  // golden/newyork-2026-06-dst.json.
  Start(2026, 12);
  form->method = Method::Classic;
  Show(6, "2026");
  ASSERT_EQ(Cell(10, 14), "6H0");
  form->chkDST.Value = true;
  EXPECT_EQ(Cell(10, 14), "6H0");  // ticking the box alone changes nothing
  form->cmdCalculate_Click();
  EXPECT_EQ(Cell(10, 14), "7H0");
}

// A place file whose places carry zone names ([TIME ZONES], keyed like the places).
std::string ZonedPlaces(const std::string& zone1) {
  return "[LOCATION]\r\n"
         "0=\"Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:30\"\r\n"
         "1=\"London, England, UK            51 N 30  000 W 08  +00:00\"\r\n"
         "[TIME ZONES]\r\n0=Asia/Kathmandu\r\n1=" + zone1 + "\r\n";
}

TEST_F(MainForm, AutomaticClockFollowsThePlacesZoneName) {
  // Kathmandu keeps +05:45 (tzdata) where its record says +05:30; set by hand the
  // record's zone counts.
  Load(folder.Write("Location.ini", ZonedPlaces("Europe/London")));
  form->lstLocation.Select(0);
  Show(10, "2026");
  ASSERT_TRUE(form->Shown());
  EXPECT_EQ(form->Shown()->zoneName, "Asia/Kathmandu");
  EXPECT_EQ(form->Shown()->values.days[0].utcOffset, 5.75);
  form->clockSetting = ClockSetting::Manual;
  form->cmdCalculate_Click();
  EXPECT_EQ(form->Shown()->zoneName, "");
  EXPECT_EQ(form->Shown()->values.days[0].utcOffset, 5.5);
  EXPECT_EQ(box.count, 0);
}

// British Columbia keeps -07:00 all year from 1 November 2026 (tzdata 2026b); older
// tzdata puts Vancouver back on -08:00 that day. Either way every row of the bundled
// Vancouver place takes the offset the installed tzdata gives its date, as the C
// library reads it, before the change (1 October, -07:00 summer time) and after.
TEST_F(MainForm, AutomaticClockAtVancouverFollowsTheInstalledTzdata) {
  Load(folder.Write("Location.ini", testing_support::ReadBytes(std::string(KALNIKA_TEST_DATA) +
                                                                 "/../../data/Location.ini")));
  form->lstLocation.Select(135);
  ASSERT_EQ(form->lstLocation.Text().substr(0, 9), "Vancouver");
  for (int month : {10, 12}) {
    Show(month, "2026");
    ASSERT_TRUE(form->Shown());
    EXPECT_EQ(form->Shown()->zoneName, "America/Vancouver");
    // summer time on 1 October in every tzdata
    if (month == 10) {
      EXPECT_EQ(form->Shown()->values.days[0].utcOffset, -7.0);
    }
    for (const DayValues& day : form->Shown()->values.days) {
      const auto expected = testing_zone::CLibraryNoonOffset(
          "America/Vancouver", std::chrono::year{day.date.year} / day.date.month / day.date.day);
      ASSERT_TRUE(expected.has_value());
      EXPECT_EQ(day.utcOffset, *expected) << day.date.month << "/" << day.date.day;
    }
  }
}

TEST_F(MainForm, UnknownZoneNameIsReportedOnceAndTheRecordsZoneCounts) {
  Load(folder.Write("Location.ini", ZonedPlaces("Europe/Atlantis")));
  form->lstLocation.Select(1);
  form->lstLocation_Click();
  EXPECT_EQ(box.count, 1);
  EXPECT_NE(box.last.find("Europe/Atlantis"), std::string::npos) << box.last;
  Show(3, "2026");
  EXPECT_EQ(box.count, 1);  // the same place: not again
  EXPECT_EQ(form->Shown()->values.days[29].utcOffset, 0.0);
}

TEST_F(MainForm, ACopiedPlaceFileTakesTheBundledZoneNames) {
  // A user's file copied before the zone names existed: the bundled file names
  // Kathmandu's zone, and the record is the same.
  TempFolder bundled;
  form = std::make_unique<frmKalnika>(
      box, folder.Write("Location.ini",
                        "[LOCATION]\r\n0=\"Kathmandu, Bagmati, Nepal      27 N 42  085 E 19  +05:30\"\r\n"));
  form->SetBundledPlaceFile(bundled.Write("Location.ini", ZonedPlaces("Europe/London")));
  form->LoadControls();
  form->lstLocation.Select(0);
  EXPECT_EQ(form->ChosenZoneName(), "Asia/Kathmandu");
}

TEST_F(MainForm, ACopiedPlaceFileTakesTheBundledRulesOfItsUnchangedNotes) {
  // Which rules are lent: tests/places/place_list_test. The window and the tool
  // read a copy without rules with the bundled file's, never the bundled file with
  // itself.
  TempFolder bundled;
  const std::string notes = "[AUSPICIOUS DAYS]\r\n0504=\"GANESH\"\r\n";
  const auto bundledFile = bundled.Write("Location.ini", "[OBSERVANCE]\r\n0504=madhyahna\r\n" + notes);
  form = std::make_unique<frmKalnika>(box, folder.Write("Location.ini", notes));
  EXPECT_TRUE(form->Festivals().rules.empty());
  form->SetBundledPlaceFile(bundledFile);
  EXPECT_EQ(form->Festivals().rules, (ObservanceTexts{{"0504", "madhyahna"}}));
  EXPECT_EQ(form->Festivals().notes.Note(5, 4), "GANESH");
}

TEST_F(MainForm, RefusedWithAReason) {
  // Which records are refused, and the reasons: tests/places/place_record_test.
  struct Case { std::string file; Method method; const char* year; const char* says; } cases[] = {
      {"[LOCATION]\r\n0=\"Nowhere, Nothing, None         18 N 58  072 E 50  -99:99\"\r\n", Method::Classic,
       "2026", "cannot be computed: the time zone hours \"99\""},
      {"[LOCATION]\r\n0=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n", Method::Precise,
       "3000", kPreciseYearsMessage}};
  for (const auto& c : cases) {
    Load(folder.Write("Location.ini", c.file));
    form->method = c.method;
    form->lstLocation.Select(0);
    box.count = 0;
    Show(3, c.year);
    EXPECT_FALSE(form->Shown().has_value()) << c.says;
    EXPECT_EQ(box.count, 1) << c.says;
    EXPECT_NE(box.last.find(c.says), std::string::npos) << box.last;
  }
}

TEST_F(MainForm, AnUnreadablePlaceFileIsReportedAtStartUp) {
  const auto file = folder.Write("Location.ini", std::string("[LOCATION]\r\n0=\"a\0b\"\r\n", 20));
  Load(file);
  EXPECT_TRUE(form->lstLocation.items.empty());
  EXPECT_EQ(box.count, 1);
  EXPECT_NE(box.last.find(file.string()), std::string::npos) << box.last;
}

TEST_F(MainForm, DefaultPlaceIsStoredAndSelectedAtTheNextStart) {
  auto file = folder.SamplePlaces();
  Start(2026, 12);
  form->lstLocation.Select(4);
  form->cmdDefaultLocation_Click();
  EXPECT_EQ(box.last, "Default set to Sydney, NSW, Australia        ");
  Load(file);
  EXPECT_EQ(form->lstLocation.ListIndex, 4);
}

// The file changed after the list was loaded (another copy of the program, or an
// editor, put a place before Mumbai): the default stored is Mumbai's position in
// the file as it is, the list is read again and the message says so. (The list's
// old position, 2, was stored, which now named Pune.) A place the file no longer
// holds is not stored.
TEST_F(MainForm, DefaultPlaceStoredAfterTheFileChanged) {
  const std::string london = "1=\"London, England, UK            51 N 30  000 W 07  +00:00\"\r\n";
  const std::string mumbai = "\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n";
  const std::string pune = "\"Pune, Maharashtra, India       18 N 31  073 E 51  +05:30\"\r\n";
  const std::string start = "[LOCATION]\r\n0=" + pune + london + "2=" + mumbai;
  auto file = folder.Write("Location.ini", start);
  Load(file);
  form->lstLocation.Select(2);
  const std::string changed = "[LOCATION]\r\n0=" + pune + london + "2=" + pune + "3=" + mumbai;
  folder.Write("Location.ini", changed);
  form->cmdDefaultLocation_Click();
  EXPECT_NE(box.last.find("had changed"), std::string::npos) << box.last;
  EXPECT_NE(box.last.find("Default set to Mumbai"), std::string::npos) << box.last;
  EXPECT_EQ(form->lstLocation.ListIndex, 3);
  EXPECT_EQ(form->lstLocation.Text().substr(0, 6), "Mumbai");
  Load(file);
  EXPECT_EQ(form->lstLocation.Text().substr(0, 6), "Mumbai");

  // Mumbai gone from the file: nothing stored, the list read again.
  const std::string gone = "[LOCATION]\r\n0=" + pune + london + "[DEFAULT]\r\nCityDataNumber=3\r\n";
  folder.Write("Location.ini", gone);
  form->cmdDefaultLocation_Click();
  EXPECT_NE(box.last.find("is no longer in it"), std::string::npos) << box.last;
  EXPECT_EQ(testing_support::ReadBytes(file), gone);
  EXPECT_EQ(form->lstLocation.items.size(), 2u);
  EXPECT_EQ(form->lstLocation.ListIndex, -1);
}

TEST_F(MainForm, AnEmptyPlaceBoxIsRefusedAsTheDefault) {
  // Stored, "no place" would start the next run at 0 degrees, 0 degrees, UTC.
  auto file = folder.SamplePlaces();
  const std::string before = testing_support::ReadBytes(file);
  Start(2026, 12);
  form->lstLocation.Select(-1);
  form->cmdDefaultLocation_Click();
  EXPECT_EQ(box.count, 1);
  EXPECT_EQ(box.last, kNoDefaultPlaceMessage);
  EXPECT_EQ(testing_support::ReadBytes(file), before);
  Load(file);
  EXPECT_EQ(form->lstLocation.ListIndex, 2);  // Mumbai stays the default
}

TEST_F(MainForm, ChoosingAPlaceShowsItsLabelsAtOnce) {
  Start(2026, 12);
  const std::string table = Cell(1, 14);
  form->lstLocation.Select(1);
  form->lstLocation_Click();
  // London's record "51 N 30  000 W 07  +00:00" split by position.
  EXPECT_EQ(form->lblLat.Caption, "51 N 30 ");
  EXPECT_EQ(form->lblLong.Caption, "000 W 07");
  EXPECT_EQ(form->lblTimeZone.Caption, " +00:00");
  EXPECT_EQ(Cell(1, 14), table);  // the table changes only by a calculation
  EXPECT_EQ(form->Shown()->place.name.substr(0, 6), "Mumbai");
  EXPECT_EQ(box.count, 0);
}

TEST_F(MainForm, SheetPlaceAndFileNamesNameTheComputedMonth) {
  Start(2026, 12);
  const MonthSheet& mumbai = *form->Shown();
  EXPECT_EQ(SheetPlace(mumbai), "Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)");
  EXPECT_EQ(SheetFileName(mumbai, false), "Mumbai-2026-12");
  EXPECT_EQ(SheetFileName(mumbai, true), "Mumbai-2026");
  form->lstLocation.Select(3);
  form->lstMonth.Select(5);
  form->chkDST.Value = true;
  form->cmdCalculate_Click();
  const MonthSheet& newYork = *form->Shown();
  // the offset the clock used, the box's hour included
  EXPECT_EQ(SheetPlace(newYork), "New York, New York, USA (40 N 42, 074 W 00, UTC -04:00, daylight saving +1 h)");
  EXPECT_EQ(SheetZone(newYork), "UTC -04:00 (daylight saving)");
  EXPECT_EQ(SheetFileName(newYork, false), "New-York-2026-06");
}

// London with its zone name (key 1 of the sample file). British Summer Time began
// on Sunday 29 March 2026 at 01:00 UTC (tzdata's EU rule: the last Sunday of March).
std::filesystem::path LondonWithZoneName(const TempFolder& folder) {
  const std::string sample = testing_support::ReadBytes(folder.SamplePlaces());
  return folder.Write("Location.ini", sample + "[TIME ZONES]\r\n1=Europe/London\r\n");
}

TEST_F(MainForm, SheetClockNamesTheZoneAndTheDateItsOffsetChanges) {
  form = std::make_unique<frmKalnika>(box, LondonWithZoneName(folder));
  form->Form_Load(2026, 12);
  form->lstLocation.Select(1);
  Show(3, "2026");
  EXPECT_EQ(SheetClock(*form->Shown()), "Europe/London (automatic): UTC +00:00, from 29 March +01:00");
  EXPECT_EQ(SheetPlace(*form->Shown()), "London, England, UK (51 N 30, 000 W 07, UTC +00:00, Europe/London)");
  form->clockSetting = ClockSetting::Manual;
  form->chkDST.Value = true;
  form->cmdCalculate_Click();
  EXPECT_EQ(SheetClock(*form->Shown()), "by the daylight-saving box (ticked): UTC +01:00");
  // The zone name stays the place's for the calendar export, whatever set the clock.
  EXPECT_EQ(form->Shown()->place.zoneName, "Europe/London");
}

// The table always shows what the boxes say: each box calculates when it changes.
TEST_F(MainForm, EachBoxCalculatesWhenItChanges) {
  struct Case {
    const char* why;
    std::function<void(frmKalnika&)> change;
    const char* shown;  // "month/year place" of the table afterwards (the stored month name)
    int messages;
  } cases[] = {
      {"a month chosen", [](frmKalnika& f) { f.lstMonth.Select(2); f.lstMonth_Click(); }, "March/2026 Mumbai", 0},
      {"the year box left with another year",
       [](frmKalnika& f) { f.txtYear.Text = "2027"; f.txtYear_LostFocus(); }, "December/2027 Mumbai", 0},
      {"the year box left as it was: nothing", [](frmKalnika& f) { f.txtYear_LostFocus(); }, "December/2026 Mumbai", 0},
      // A refused year hides the month, and is not asked again for a change of focus.
      {"a refused year left twice", [](frmKalnika& f) { f.txtYear.Text = "78"; f.txtYear_LostFocus(); f.txtYear_LostFocus(); },
       "/ ", 1},
      {"a place chosen", [](frmKalnika& f) { f.lstLocation.Select(1); f.PlaceChosen(); }, "December/2026 London", 0},
  };
  for (const Case& c : cases) {
    Start(2026, 12);
    box.count = 0;
    c.change(*form);
    const std::string place = form->Shown() ? form->Shown()->place.name.substr(0, form->Shown()->place.name.find(',')) : "";
    const std::string month = form->Shown() ? MonthListNames[static_cast<std::size_t>(form->Shown()->values.month - 1)] : "";
    const std::string year = form->Shown() ? form->Shown()->values.yearText : "";
    EXPECT_EQ(month + "/" + year + " " + place, c.shown) << c.why;
    EXPECT_EQ(box.count, c.messages) << c.why;
    if (form->Shown()) {
      EXPECT_EQ(form->lblLat.Caption, form->Shown()->place.latCaption) << c.why;
    }
  }
}

TEST_F(MainForm, AnAddedPlaceIsSelectedAndCalculatedInTheMonthShown) {
  Start(2026, 6);
  Show(6, "2025");
  // Stored as the add-place dialog stores it, under key 6.
  ASSERT_TRUE(AppendPlace(form->PlaceFile(), "Pune, Maharashtra, India       18 N 31  073 E 51  +05:30", "").result.ok);
  form->PlaceAdded(6);
  ASSERT_EQ(form->lstLocation.items.size(), 7u);
  EXPECT_EQ(form->lstLocation.ListIndex, 6);
  ASSERT_TRUE(form->Shown());
  EXPECT_EQ(form->Shown()->place.name, "Pune, Maharashtra, India");
  EXPECT_EQ(form->Shown()->values.month, 6);
  EXPECT_EQ(form->Shown()->values.year, 2025);
  EXPECT_EQ(form->lblLat.Caption, "18 N 31 ");
}

TEST(Message, PlacesAreFilledOnce) {
  // A place's text that holds "%2" is not read as a place of its own.
  EXPECT_EQ(Message("The place \"%1\" cannot be computed: %2.", {"Ab%2", "why"}).Text(),
            "The place \"Ab%2\" cannot be computed: why.");
  EXPECT_EQ(Message(kDefaultSetMessage, {"Pune"}).Text(), "Default set to Pune");
  EXPECT_EQ(Message("100%").Text(), "100%");
}

TEST_F(MainForm, RecalculateRunsTheLastCalculationWithTheSettingsNowChosen) {
  Load(folder.SamplePlaces());
  form->Recalculate();  // before any calculation: nothing
  EXPECT_FALSE(form->Shown());
  EXPECT_EQ(box.count, 0);
  Start(2026, 12);
  // Typed and chosen since, not calculated: 1999 and London.
  form->txtYear.Text = "1999";
  form->lstLocation.Select(1);
  form->lstLocation_Click();
  form->method = Method::Precise;
  form->Recalculate();
  ASSERT_TRUE(form->Shown());
  EXPECT_EQ(form->Shown()->values.method, Method::Precise);
  EXPECT_EQ(form->Shown()->values.year, 2026);
  EXPECT_EQ(form->Shown()->place.name.substr(0, 6), "Mumbai");
  EXPECT_EQ(form->txtYear.Text, "1999");
  EXPECT_EQ(form->lstLocation.ListIndex, 1);
  EXPECT_EQ(form->lblLat.Caption, "51 N 30 ");  // London's, as chosen

  // The precise method ends with 2999 (its ephemeris): the classic method computes
  // the year 3000 again at once.
  Show(3, "3000");
  EXPECT_EQ(box.last, kPreciseYearsMessage);
  EXPECT_FALSE(form->Shown());
  form->method = Method::Classic;
  form->Recalculate();
  ASSERT_TRUE(form->Shown());
  EXPECT_EQ(form->Shown()->values.year, 3000);
}

TEST(SheetFileName, CharactersAFileNameCannotHoldBecomeDashes) {
  MonthSheet sheet;
  sheet.values.year = 1999;
  sheet.values.month = 3;
  sheet.values.yearText = "1999";
  sheet.place.name = "St. John's/NL: \"Old\" Town, CA";
  EXPECT_EQ(SheetFileName(sheet, false), "St.-John's-NL---Old--Town-1999-03");
  sheet.place.name.clear();
  EXPECT_EQ(SheetFileName(sheet, true), "Kalnika-1999");
}

TEST_F(MainForm, AFailedDefaultWriteIsReported) {
  // The place file's folder is gone: the write cannot succeed.
  TempFolder gone;
  auto file = gone.SamplePlaces();
  Load(file);
  std::filesystem::remove_all(gone.path());
  form->lstLocation.Select(1);
  form->cmdDefaultLocation_Click();
  EXPECT_EQ(box.last.rfind("The default place could not be stored: ", 0), 0u) << box.last;
}

TEST_F(MainForm, StaleDefaultSelectsTheFirstPlace) {
  TempFolder f;
  Load(f.Write("Location.ini", "[LOCATION]\n0=\"A\"\n1=\"B\"\n[DEFAULT]\nCityDataNumber=57\n"));
  EXPECT_EQ(form->lstLocation.ListIndex, 0);
  Load(f.Write("Location.ini", "[DEFAULT]\nCityDataNumber=0\n"));
  EXPECT_EQ(form->lstLocation.ListIndex, -1);  // no places at all
  Load(f.path() / "missing.ini");
  EXPECT_TRUE(form->lstLocation.items.empty());
  form->lstMonth.Select(0);
  form->txtYear.Text = "2026";
  form->cmdCalculate_Click();  // runs without a place: latitude and longitude 0
  EXPECT_EQ(box.count, 0);
  EXPECT_EQ(Cell(31, 1), "31");
}

TEST(YearText, ShortestDecimal) {
  EXPECT_EQ(YearText(2027), "2027");
  EXPECT_EQ(YearText(2027.5), "2027.5");
  EXPECT_EQ(YearText(-1), "-1");
  EXPECT_EQ(YearText(100000), "100000");
}

}  // namespace
}  // namespace kalnika
