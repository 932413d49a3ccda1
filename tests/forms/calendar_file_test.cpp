// The calendar export shared by the window and the command-line tool: the shown
// month's zone and texts (the month or the whole year: tests/ui/export_test and
// tests/cli/ics_test).
#include <gtest/gtest.h>

#include <string>

#include "forms/calendar_file.h"
#include "form_fixture.h"

namespace kalnika {
namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;

class ShownCalendarTest : public testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox box;
  std::unique_ptr<frmKalnika> form;
  // Mumbai, December 2026, with its zone name stored (key 2 of the sample file).
  void SetUp() override {
    const std::string sample = ReadBytes(folder.SamplePlaces());
    form = std::make_unique<frmKalnika>(box, folder.Write("Location.ini", sample + "[TIME ZONES]\r\n2=Asia/Kolkata\r\n"));
    form->method = Method::Classic;  // the sample table's
    form->Form_Load(2026, 12);
  }
};

TEST_F(ShownCalendarTest, TimedEventsInTheShownPlacesZone) {
  // Another place chosen but not calculated: the calendar is still Mumbai's.
  form->lstLocation.Select(1);
  form->lstLocation_Click();
  // New moon 30H23 in the row of the 9th (mumbai-2026-12.json): 06:23 at Kolkata.
  EXPECT_NE(ShownCalendar(*form, false, "", {}).text.find("DTSTART;TZID=Asia/Kolkata:20261209T062300\r\n"),
            std::string::npos);
}

TEST_F(ShownCalendarTest, NothingWithoutAShownMonth) {
  form->txtYear.Text = "78";
  form->cmdCalculate_Click();
  EXPECT_EQ(ShownCalendar(*form, false, "", {}).text, "");
}

TEST(CalendarTexts, TheDisplaysScriptAndDigits) {
  EXPECT_EQ(CalendarTexts(Script::Latin, xdvng::Digits::Devanagari).script, ical::EventScript::Latin);
  EXPECT_EQ(CalendarTexts(Script::Iso15919, xdvng::Digits::Latin).latin, xdvng::LatinStyle::Iso15919);
  const ical::EventTexts devanagari = CalendarTexts(Script::Unicode, xdvng::Digits::Latin);
  EXPECT_EQ(devanagari.script, ical::EventScript::Devanagari);
  EXPECT_EQ(devanagari.digits, xdvng::Digits::Latin);
}

}  // namespace
}  // namespace kalnika
