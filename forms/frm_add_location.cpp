#include "forms/frm_add_location.h"

#include "places/place_record.h"
#include "places/zone_names.h"

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
// Selects the entry of a number list that reads as the record's digits do
// ("05" selects "5", "-05" selects "-5", "+00" selects "0").
void SelectNumber(ListBoxControl& list, std::string_view digits) {
  int value = 0;
  const std::string_view unsigned_ = !digits.empty() && (digits[0] == '+' || digits[0] == '-') ? digits.substr(1) : digits;
  for (char c : unsigned_) value = value * 10 + (c - '0');
  if (!digits.empty() && digits[0] == '-') value = -value;
  list.ListIndex = -1;
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i] == std::to_string(value)) list.ListIndex = static_cast<int>(i);
}

void SelectText(ListBoxControl& list, std::string_view text) {
  list.ListIndex = -1;
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i] == text) list.ListIndex = static_cast<int>(i);
}

// The record's zone field: sign, hours, ":" and minutes (columns 51-56).
std::string ZoneField(const std::string& record) { return record.size() >= 56 ? record.substr(50, 6) : std::string(); }

// What lstFound shows for a town: its names as GeoNames writes them and its zone.
std::string FoundText(const TownMatch& town) {
  std::string text = town.name;
  for (const std::string* part : {&town.state, &town.country})
    if (!part->empty()) text += ", " + *part;
  return text + " (" + town.zoneName + ")";
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
  txtFind.Text.clear();
  lstFound.items.clear();
  lstFound.ListIndex = -1;
  found_.clear();
  chosen_.reset();
}

void frmAddLocation::UseFinder(const TownFinder* finder) { finder_ = finder; }

std::string frmAddLocation::FinderProblem() const {
  if (finder_ == nullptr) return "No list of towns is loaded.";
  return finder_->available() ? std::string() : finder_->problem();
}

void frmAddLocation::txtFind_Change() {
  found_.clear();
  if (finder_ != nullptr && finder_->available()) found_ = finder_->Search(txtFind.Text, kMostTownsFound);
  lstFound.items.clear();
  for (const TownMatch& town : found_) lstFound.items.push_back(FoundText(town));
  lstFound.ListIndex = -1;
}

void frmAddLocation::lstFound_Click() {
  if (lstFound.ListIndex < 0 || static_cast<std::size_t>(lstFound.ListIndex) >= found_.size()) return;
  const TownMatch& town = found_[static_cast<std::size_t>(lstFound.ListIndex)];
  const std::string& record = town.record;  // 56 characters (TownRecord)
  // "City, State, Country", "City, Country" or "City": the country last, the state
  // before it; a city's own ", " stays in the city.
  std::vector<std::string> parts;
  const std::string description = record.substr(0, 31);
  for (std::size_t start = 0;;) {
    const std::size_t comma = description.find(", ", start);
    parts.push_back(description.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 2;
  }
  for (std::string& part : parts) part.erase(part.find_last_not_of(' ') + 1);
  txtCountry.Text = parts.size() >= 2 ? parts.back() : std::string();
  txtState.Text = parts.size() >= 3 ? parts[parts.size() - 2] : std::string();
  std::string city = parts.front();
  for (std::size_t i = 1; i + (parts.size() >= 3 ? 2 : 1) < parts.size(); ++i) city += ", " + parts[i];
  txtCity.Text = city;

  SelectNumber(lstLatDegrees, std::string_view(record).substr(31, 2));
  SelectText(lstNS, std::string_view(record).substr(34, 1));
  SelectNumber(lstLatMin, std::string_view(record).substr(36, 2));
  SelectNumber(lstLongDegrees, std::string_view(record).substr(40, 3));
  SelectText(lstEW, std::string_view(record).substr(44, 1));
  SelectNumber(lstLongMin, std::string_view(record).substr(46, 2));
  SelectNumber(lstHour, std::string_view(record).substr(50, 3));
  SelectNumber(lstMinutes, std::string_view(record).substr(54, 2));
  chosen_ = town;
}

std::string frmAddLocation::ZoneNameFor(const std::string& record) const {
  if (!chosen_ || ZoneField(record) != ZoneField(chosen_->record)) return {};
  return chosen_->zoneName;
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

  const std::string zoneName = ZoneNameFor(built.record);
  const AppendedPlace appended = AppendPlace(placeFile, built.record, zoneName);
  if (!appended.result.ok) {
    messageBox_.Show("The place could not be stored: " + appended.result.error);
    return Outcome::StayOpen;
  }
  lastRecord_ = built.record;
  lastZoneName_ = zoneName;
  return Outcome::Stored;
}

}  // namespace kalnika
