#include "forms/frm_add_location.h"

#include "places/place_record.h"

namespace kalnika {

namespace {
void FillNumbers(ListBoxControl& list, int from, int to) {
  list.items.clear();
  for (int v = from; v <= to; ++v) list.items.push_back(std::to_string(v));
  list.ListIndex = -1;
  list.Tag.clear();
}
void FillTexts(ListBoxControl& list, std::initializer_list<const char*> texts) {
  list.items.assign(texts.begin(), texts.end());
  list.ListIndex = -1;
  list.Tag.clear();
}
}  // namespace

frmAddLocation::frmAddLocation(MessageBox& messageBox) : messageBox_(messageBox) {}

void frmAddLocation::Form_Load() {
  FillNumbers(lstLatDegrees, 0, 90);
  FillNumbers(lstLatMin, 0, 59);
  FillTexts(lstNS, {"N", "S"});
  FillNumbers(lstLongDegrees, 0, 180);
  FillTexts(lstEW, {"E", "W"});
  FillNumbers(lstLongMin, 0, 59);
  FillNumbers(lstHour, -12, 14);
  FillNumbers(lstMinutes, 0, 30);
  lstMinutes.items = {"0", "30"};
  txtCity.Text.clear();
  txtCity.Tag.clear();
}

int frmAddLocation::DescriptionLength() const {
  return static_cast<int>(txtCity.Text.size() + 2 + txtState.Text.size() + 2 + txtCountry.Text.size());
}

frmAddLocation::Outcome frmAddLocation::cmdOK_Click(ProfileFile& placeFile) {
  txtCity.Tag = txtCity.Text;
  for (ListBoxControl* list : {&lstLatDegrees, &lstLatMin, &lstNS, &lstLongDegrees, &lstEW,
                               &lstLongMin, &lstHour, &lstMinutes})
    list->Tag = list->Text();

  PlaceEntries entries;
  entries.city = txtCity.Tag;
  entries.state = txtState.Text;
  entries.country = txtCountry.Text;
  entries.latDegrees = lstLatDegrees.Tag;
  entries.latMinutes = lstLatMin.Tag;
  entries.northSouth = lstNS.Tag;
  entries.longDegrees = lstLongDegrees.Tag;
  entries.eastWest = lstEW.Tag;
  entries.longMinutes = lstLongMin.Tag;
  entries.zoneHours = lstHour.Tag;
  entries.zoneMinutes = lstMinutes.Tag;

  RecordResult built = BuildPlaceRecord(entries);
  switch (built.outcome) {
    case RecordOutcome::NothingEntered:
      return Outcome::Cancelled;
    case RecordOutcome::TooLong:
      messageBox_.Show(kShortenDescriptionMessage);
      return Outcome::StayOpen;
    case RecordOutcome::MissingEntry:
      messageBox_.Show("Please enter the missing entry: " + built.missing);
      return Outcome::StayOpen;
    case RecordOutcome::InvalidText:
      messageBox_.Show("This entry cannot be stored (no quotes or line breaks): " + built.invalid);
      return Outcome::StayOpen;
    case RecordOutcome::Built:
      break;
  }

  WriteResult written = placeFile.AppendPlaceRecord(built.record);
  if (!written.ok) {
    messageBox_.Show("The place could not be stored: " + written.error);
    return Outcome::StayOpen;
  }
  lastRecord_ = built.record;
  return Outcome::Stored;
}

}  // namespace kalnika
