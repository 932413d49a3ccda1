// The add-place dialog's OK button: the record it builds, the file it appends to,
// and what it does with missing, too long and unstorable entries.
#include <gtest/gtest.h>

#include <functional>

#include "forms/frm_add_location.h"
#include "form_fixture.h"
#include "places/zone_names.h"

namespace kalnika {
namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;

struct Entry {
  const char *city, *state, *country;
  const char *latDeg, *latMin, *ns, *longDeg, *ew, *longMin, *hour, *minutes;
};

void Fill(frmAddLocation& d, const Entry& e) {
  d.txtCity.Text = e.city;
  d.txtState.Text = e.state;
  d.txtCountry.Text = e.country;
  auto pick = [](ListBoxControl& list, const char* text) {
    list.ListIndex = -1;
    for (std::size_t i = 0; i < list.items.size(); ++i)
      if (list.items[i] == text) list.ListIndex = static_cast<int>(i);
  };
  pick(d.lstLatDegrees, e.latDeg);
  pick(d.lstLatMin, e.latMin);
  pick(d.lstNS, e.ns);
  pick(d.lstLongDegrees, e.longDeg);
  pick(d.lstEW, e.ew);
  pick(d.lstLongMin, e.longMin);
  pick(d.lstHour, e.hour);
  pick(d.lstMinutes, e.minutes);
}

class AddPlace : public testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox box;
  frmAddLocation dialog{box, folder.SamplePlaces()};
  void SetUp() override { dialog.Form_Load(); }
};

TEST_F(AddPlace, ListsHoldTheirRanges) {
  EXPECT_EQ(dialog.lstLatDegrees.items.size(), 91u);
  EXPECT_EQ(dialog.lstLongDegrees.items.back(), "180");
  EXPECT_EQ(dialog.lstHour.items.size(), 27u);
  EXPECT_EQ(dialog.lstHour.items.front(), "-12");
  EXPECT_EQ(dialog.lstHour.items.back(), "14");
  // the quarter hours the world's clocks keep: +05:30 India, +05:45 Nepal
  EXPECT_EQ(dialog.lstMinutes.items, (std::vector<std::string>{"0", "15", "30", "45"}));
  EXPECT_EQ(dialog.lstNS.ListIndex, -1);
}

// What OK does with the entries: which entries make which record or refusal is
// tested with the record in tests/places/place_record_test.
TEST_F(AddPlace, OkStoresTheRecordOrStaysOpenWithAMessage) {
  using Outcome = frmAddLocation::Outcome;
  const Entry none{"", "", "", "", "", "", "", "", "", "", ""};
  struct Case {
    const char* name;
    Entry entries;
    Outcome outcome;
    const char* says;  // a part of the one message shown (nullptr: none)
  } cases[] = {
      {"Stored", {"Pune", "Maharashtra", "India", "18", "31", "N", "73", "E", "51", "5", "30"}, Outcome::Stored,
       nullptr},
      {"NothingEnteredCancels", none, Outcome::Cancelled, nullptr},
      {"MissingEntryIsNamed", {"Pune", "Maharashtra", "India", "18", "31", "N", "73", "E", "51", "5", ""},
       Outcome::StayOpen, "minutes"},
      // "Abcdefghijklmnopqrst, Maha, Ind": 31 characters with the separators.
      {"DescriptionTooLong", {"Abcdefghijklmnopqrst", "Maha", "Ind", "1", "2", "S", "5", "W", "3", "-1", "0"},
       Outcome::StayOpen, kShortenDescriptionMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder f;
    const auto file = f.SamplePlaces();
    const std::string before = ReadBytes(file);
    frmAddLocation added(box, file);
    box.count = 0;
    added.Form_Load();
    Fill(added, c.entries);
    EXPECT_EQ(added.cmdOK_Click(), c.outcome);
    EXPECT_EQ(box.count, c.says != nullptr ? 1 : 0);
    if (c.says != nullptr) {
      EXPECT_NE(box.last.find(c.says), std::string::npos) << box.last;
    }
    if (c.outcome == Outcome::Stored) {
      // key 6 follows the sample's six places
      EXPECT_NE(ReadBytes(file).find("6=\"Pune, Maharashtra, India       18 N 31  073 E 51  +05:30\"\r\n"),
                std::string::npos);
      EXPECT_EQ(added.LastPlace().name, "Pune, Maharashtra, India");
      EXPECT_EQ(added.LastPosition(), 6);
    } else {
      EXPECT_EQ(ReadBytes(file), before);
      EXPECT_EQ(added.txtCity.Text, c.entries.city);  // entries intact
    }
  }
}

// A place the list holds already, its city at the same latitude and longitude, is
// not stored again: the question names it, Yes selects it, No goes back to the
// entries. The sample file lists Mumbai at position 2, 18 N 58 072 E 50.
TEST_F(AddPlace, APlaceListedAlreadyIsNotStoredTwice) {
  using Outcome = frmAddLocation::Outcome;
  struct Case {
    const char* why;
    Entry entries;
    bool answer;
    Outcome outcome;
    int position;
  } cases[] = {
      {"the same place, Yes: the listed one is selected",
       {"Mumbai", "Maharashtra", "India", "18", "58", "N", "72", "E", "50", "5", "30"}, true, Outcome::SelectExisting, 2},
      {"No: back to the entries", {"Mumbai", "Maharashtra", "India", "18", "58", "N", "72", "E", "50", "5", "30"},
       false, Outcome::StayOpen, -1},
      {"another case, blanks, state and zone: the same place",
       {" MUMBAI ", "MH", "IN", "18", "58", "N", "72", "E", "50", "5", "0"}, true, Outcome::SelectExisting, 2},
      {"a minute of arc away: another place", {"Mumbai", "Maharashtra", "India", "18", "57", "N", "72", "E", "50", "5", "30"},
       true, Outcome::Stored, 6},
      {"another name at the same place: stored", {"Bombay", "Maharashtra", "India", "18", "58", "N", "72", "E", "50", "5", "30"},
       true, Outcome::Stored, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder f;
    const auto file = f.SamplePlaces();
    const std::string before = ReadBytes(file);
    RecordingMessageBox asked;
    asked.answer = c.answer;
    frmAddLocation added(asked, file);
    added.Form_Load();
    Fill(added, c.entries);
    EXPECT_EQ(added.cmdOK_Click(), c.outcome);
    EXPECT_EQ(added.LastPosition(), c.position);
    const bool duplicate = c.outcome != Outcome::Stored;
    EXPECT_EQ(asked.count, duplicate ? 1 : 0);
    if (duplicate) {
      EXPECT_EQ(ReadBytes(file), before);
      EXPECT_EQ(asked.last.rfind("Mumbai, Maharashtra, India is in the list already, at the same latitude and "
                                 "longitude (18 N 58, 072 E 50).", 0),
                0u)
          << asked.last;
    }
  }
}

TEST_F(AddPlace, DescriptionLengthCountsWhatTheLimitCounts) {
  // The two sides of the limit: 30 characters stored, 31 refused.
  Fill(dialog, {"Abcdefghijklmnopqrst", "Maha", "In", "", "", "", "", "", "", "", ""});
  EXPECT_EQ(dialog.DescriptionLength(), kDescriptionLimit);
  dialog.txtCountry.Text = "Ind";
  EXPECT_EQ(dialog.DescriptionLength(), kDescriptionLimit + 1);
  // Nothing typed: the two separators alone.
  Fill(dialog, {"", "", "", "", "", "", "", "", "", "", ""});
  EXPECT_EQ(dialog.DescriptionLength(), 4);
}

TEST_F(AddPlace, FailedAppendIsReportedAndTheEntriesStay) {
  TempFolder gone;
  frmAddLocation failing(box, gone.path() / "no-such-folder" / "Location.ini");
  failing.Form_Load();
  Fill(failing, {"Pune", "Maharashtra", "India", "18", "31", "N", "73", "E", "51", "5", "30"});
  EXPECT_EQ(failing.cmdOK_Click(), frmAddLocation::Outcome::StayOpen);
  EXPECT_EQ(box.last.rfind("The place could not be stored: ", 0), 0u) << box.last;
  EXPECT_EQ(failing.txtCity.Text, "Pune");
}

// The town finder of the dialog over the GeoNames extract of tests/data/places/
// geonames; the records it builds are those of tests/places/town_finder_test.
class FindPlace : public AddPlace {
 protected:
  TownSearch towns{std::string(KALNIKA_TEST_DATA) + "/places/geonames"};
  void SetUp() override {
    AddPlace::SetUp();
    dialog.UseTowns(&towns);
  }
  void Choose(frmAddLocation& form, const std::string& search) {
    form.txtFind.Text = search;
    form.txtFind_Change();
    form.lstFound.ListIndex = 0;
    form.lstFound_Click();
  }
  // The entries as the dialog holds them: "city|state|country|lat|N/S|long|E/W|zone".
  std::string Entries() const {
    const frmAddLocation& d = dialog;
    return d.txtCity.Text + "|" + d.txtState.Text + "|" + d.txtCountry.Text + "|" + d.lstLatDegrees.Text() + " " +
           d.lstLatMin.Text() + "|" + d.lstNS.Text() + "|" + d.lstLongDegrees.Text() + " " + d.lstLongMin.Text() +
           "|" + d.lstEW.Text() + "|" + d.lstHour.Text() + " " + d.lstMinutes.Text();
  }
};

TEST_F(FindPlace, TownsFoundInAnyScriptAreListedWithTheirZone) {
  dialog.txtFind.Text = "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87";  // पुणे, an alternate name of Pune
  dialog.txtFind_Change();
  EXPECT_EQ(dialog.lstFound.items, std::vector<std::string>{"Pune, Maharashtra, India (Asia/Kolkata)"});
  EXPECT_EQ(dialog.lstFound.ListIndex, -1);
}

TEST_F(FindPlace, ChosenTownFillsEveryEntryFromItsRecord) {
  struct Case {
    const char* search;
    const char* entries;
    const char* why;
  } cases[] = {
      {"Pune", "Pune|Maharashtra|India|18 31|N|73 51|E|5 30", "record Pune, Maharashtra, India 18 N 31 073 E 51 +05:30"},
      {"Sao Paulo", "Sao Paulo|Sao Paulo|Brazil|23 33|S|46 38|W|-3 0", "south and west, ASCII names: 23 S 33 046 W 38 -03:00"},
      // The country by its full name (CLDR's English name): "Kathmandu, Central
      // Region, Nepal" has 32 characters, so the state gives way, not the name.
      {"Kathmandu", "Kathmandu||Nepal|27 42|N|85 19|E|5 45", "the state left out rather than the country's name"},
      // "Svalbard & Jan Mayen" leaves no room: the record's country code.
      {"Longyearbyen", "Longyearbyen||SJ|78 13|N|15 39|E|1 0", "no name fits: the record reads \"Longyearbyen, SJ\""},
  };
  for (const Case& c : cases) {
    Choose(dialog, c.search);
    EXPECT_EQ(Entries(), c.entries) << c.why;
  }
}

// In the Marathi window the countries have their Marathi names (CLDR: नेपाळ, भारत)
// where the record has room for them.
TEST_F(FindPlace, CountriesInTheWindowsLanguage) {
  dialog.language = "mr";
  struct Case {
    const char* search;
    const char* found;    // the first town offered
    const char* entries;  // city|state|country
    const char* why;
  } cases[] = {
      {"Kathmandu", "Kathmandu, Central Region, \u0928\u0947\u092A\u093E\u0933 (Asia/Kathmandu)",
       "Kathmandu||\u0928\u0947\u092A\u093E\u0933", "नेपाळ fits without the state"},
      {"Pune", "Pune, Maharashtra, \u092D\u093E\u0930\u0924 (Asia/Kolkata)", "Pune|Maharashtra|India",
       "\"Pune, Maharashtra, भारत\" takes 31 bytes: the English name keeps the state"},
  };
  for (const Case& c : cases) {
    Choose(dialog, c.search);
    EXPECT_EQ(dialog.lstFound.items.front(), c.found) << c.why;
    EXPECT_EQ(dialog.txtCity.Text + "|" + dialog.txtState.Text + "|" + dialog.txtCountry.Text, c.entries) << c.why;
    EXPECT_LE(dialog.DescriptionLength(), kDescriptionLimit) << c.why;
  }
}

TEST_F(FindPlace, OkStoresTheRecordAndTheZoneNameWhileTheZoneIsTheTowns) {
  struct Case {
    const char* name;
    std::function<void(frmAddLocation&)> change;
    const char* zoneName;
  } cases[] = {
      {"as chosen", [](frmAddLocation&) {}, "Asia/Kolkata"},
      {"another zone: the town's zone name may not be the place's",
       [](frmAddLocation& d) { d.lstMinutes.Select(0); }, ""},
  };
  for (const Case& c : cases) {
    TempFolder f;
    const auto file = f.SamplePlaces();
    frmAddLocation added(box, file);
    added.Form_Load();
    added.UseTowns(&towns);
    Choose(added, "Pune");
    c.change(added);
    ASSERT_EQ(added.cmdOK_Click(), frmAddLocation::Outcome::Stored) << c.name << ": " << box.last;
    EXPECT_EQ(added.LastPlace().zoneName, c.zoneName) << c.name;
    ProfileFile places(file);
    const auto stored = ReadZoneNames(places);
    EXPECT_EQ(stored.count(6) ? stored.at(6) : "", c.zoneName) << c.name;  // key 6 follows the sample's six places
  }
}

TEST_F(AddPlace, WithoutTheTownFileTheDialogNamesThePackage) {
  TownSearch none(folder.path() / "no-geonames");
  dialog.UseTowns(&none);
  EXPECT_NE(dialog.FinderProblem().find("libtimezonemap-data"), std::string::npos) << dialog.FinderProblem();
  dialog.txtFind.Text = "Pune";
  dialog.txtFind_Change();
  EXPECT_TRUE(dialog.lstFound.items.empty());
}

}  // namespace
}  // namespace kalnika
