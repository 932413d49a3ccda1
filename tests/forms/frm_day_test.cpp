// The day view's model: the date it opens on, its steps across a month's and a
// year's end, the precise method's clock when it is opened from a classic month,
// and the years it refuses; with the sample place file (Kathmandu +05:45, Mumbai
// +05:30, the default). What a page holds: tests/almanac/day_values_test.
#include "forms/frm_day.h"

#include <gtest/gtest.h>

#include "form_fixture.h"

namespace kalnika {
namespace {

using testing_support::TempFolder;

class DayView : public testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox box;
  std::unique_ptr<frmKalnika> form;

  void SetUp() override {
    form = std::make_unique<frmKalnika>(box, folder.SamplePlaces());
    form->LoadControls();
  }
  MonthSheet Month(int month, const std::string& year, Method method, int place = 2) {
    form->method = method;
    form->dayDetails = true;  // the rows' pages, to compare with the days computed alone
    form->lstLocation.ListIndex = place;
    form->lstMonth.Select(month - 1);
    form->txtYear.Text = year;
    form->cmdCalculate_Click();
    EXPECT_TRUE(form->Shown().has_value());
    return form->Shown().value_or(MonthSheet{});
  }
};

// Opened from the precise month it shows that month's row; the next and previous
// days are computed alone across the year's end and agree with their own months.
TEST_F(DayView, StepsAcrossTheYearsEnd) {
  const MonthSheet december = Month(12, "2026", Method::Precise);
  const MonthSheet january = Month(1, "2027", Method::Precise);
  frmDay day(box, *form, december);
  ASSERT_TRUE(day.Show({2026, 12, 31}));
  EXPECT_EQ(day.Shown()->values.date, (CivilDate{2026, 12, 31}));
  struct Step {
    const char* name;
    void (frmDay::*click)();
    CivilDate date;
    const MonthSheet* month;
  } steps[] = {{"next", &frmDay::cmdNextDay_Click, {2027, 1, 1}, &january},
               {"back", &frmDay::cmdPreviousDay_Click, {2026, 12, 31}, &december},
               {"back again", &frmDay::cmdPreviousDay_Click, {2026, 12, 30}, &december}};
  for (const Step& s : steps) {
    (day.*s.click)();
    ASSERT_TRUE(day.Shown().has_value()) << s.name;
    EXPECT_EQ(day.Shown()->values.date, s.date) << s.name;
    const DayValues& row = s.month->values.days[static_cast<std::size_t>(s.date.day - 1)];
    EXPECT_EQ(day.Shown()->values.sunrise, row.sunrise) << s.name;
    EXPECT_EQ(day.Shown()->values.tithiEnd.clock, row.tithiEnd.clock) << s.name;
    EXPECT_EQ(day.Shown()->page.sections.size(), FormatDayPage(row).sections.size()) << s.name;
  }
  EXPECT_EQ(DayFileName(*day.Shown()), "Mumbai-2026-12-30");
  EXPECT_EQ(box.count, 0);
}

// The classic method reads Kathmandu's +05:45 as 5 hours; the day view, which is
// the precise method's, reads the record's +05:45 as the precise month does: the
// sunrise and karana of 14 September 2026 are those of the precise month's row.
TEST_F(DayView, FromAClassicMonthOnThePlacesOwnClock) {
  const MonthSheet precise = Month(9, "2026", Method::Precise, 0);
  const MonthSheet classic = Month(9, "2026", Method::Classic, 0);
  frmDay day(box, *form, classic);
  ASSERT_TRUE(day.Show({2026, 9, 14}));
  const DayValues& row = precise.values.days[13];
  ASSERT_TRUE(day.Shown()->values.sunrise && row.sunrise);
  EXPECT_EQ(*day.Shown()->values.sunrise, *row.sunrise);
  EXPECT_EQ(DayZone(*day.Shown()), "UTC +05:45");
  EXPECT_EQ(day.Shown()->values.precise->karanaEnd.jd, row.precise->karanaEnd.jd);
}

// The precise method ends with 2999: the step to 3000 is refused with its message,
// and the day shown stays.
TEST_F(DayView, StepBeyondThePreciseYearsRefused) {
  frmDay day(box, *form, Month(12, "2999", Method::Classic));
  ASSERT_TRUE(day.Show({2999, 12, 31}));
  box.count = 0;
  day.cmdNextDay_Click();
  EXPECT_EQ(box.count, 1);
  EXPECT_EQ(box.last, kPreciseYearsMessage);
  EXPECT_EQ(day.Shown()->values.date, (CivilDate{2999, 12, 31}));
}

TEST_F(DayView, DateOfARowOfTheMonth) {
  const MonthSheet february = Month(2, "2026", Method::Classic);
  EXPECT_EQ(DateOfRow(february, 28), (CivilDate{2026, 2, 28}));
  EXPECT_FALSE(DateOfRow(february, 29).has_value());
  EXPECT_FALSE(DateOfRow(february, 0).has_value());
}

}  // namespace
}  // namespace kalnika
