#include "forms/frm_add_location.h"

#include "places/zone_names.h"
#include "text/text.h"

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
void SelectText(ListBoxControl& list, std::string_view text) {
  list.ListIndex = -1;
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i] == text) list.ListIndex = static_cast<int>(i);
}

// What lstFound shows for a town: its names as GeoNames writes them, the country
// by its name in the window's language, and its zone.
std::string FoundText(const TownMatch& town, std::string_view language) {
  std::string country = CountryName(town.countryCode, language);
  if (country.empty()) country = town.country;
  std::string text = town.name;
  for (const std::string* part : {&town.state, static_cast<const std::string*>(&country)})
    if (!part->empty()) text += ", " + *part;
  return text + " (" + town.zoneName + ")";
}

// The names of the entries a refusal names (places/place_record.cpp), marked for
// the window's translations: the window shows them in its language.
[[maybe_unused]] constexpr const char* kEntryNames[] = {
    KALNIKA_TEXT("Messages", "City"),
    KALNIKA_TEXT("Messages", "State/Province"),
    KALNIKA_TEXT("Messages", "Country"),
    KALNIKA_TEXT("Messages", "Latitude degrees"),
    KALNIKA_TEXT("Messages", "Latitude minutes"),
    KALNIKA_TEXT("Messages", "N/S"),
    KALNIKA_TEXT("Messages", "Longitude degrees"),
    KALNIKA_TEXT("Messages", "E/W"),
    KALNIKA_TEXT("Messages", "Longitude minutes"),
    KALNIKA_TEXT("Messages", "Time zone hours"),
    KALNIKA_TEXT("Messages", "Time zone minutes"),
};

// A place's city as the duplicate test compares it: the description up to its
// first comma, without blanks at either end, case folded.
std::string CityKey(std::string_view name) {
  return FoldCase(TrimBlanks(name.substr(0, name.find(',')), " "));
}

}  // namespace

frmAddLocation::frmAddLocation(MessageBox& messageBox, std::filesystem::path placeFile)
    : messageBox_(messageBox), placeFile_(std::move(placeFile)) {}

void frmAddLocation::Form_Load() {
  FillNumbers(lstLatDegrees, 0, 90);
  FillNumbers(lstLatMin, 0, 59);
  FillTexts(lstNS, {"N", "S"});
  FillNumbers(lstLongDegrees, 0, 180);
  FillTexts(lstEW, {"E", "W"});
  FillNumbers(lstLongMin, 0, 59);
  FillNumbers(lstHour, -12, 14);
  FillTexts(lstMinutes, {"0", "15", "30", "45"});
  txtCity.Text.clear();
  txtCity.Tag.clear();
  txtFind.Text.clear();
  lstFound.items.clear();
  lstFound.ListIndex = -1;
  found_.clear();
  chosen_.reset();
}

void frmAddLocation::UseTowns(TownSearch* towns) { towns_ = towns; }

std::string frmAddLocation::FinderProblem() const {
  if (towns_ == nullptr) return KALNIKA_TEXT("Messages", "No list of towns is loaded.");
  return towns_->Finder().available() ? std::string() : towns_->Finder().problem();
}

void frmAddLocation::txtFind_Change() {
  found_.clear();
  if (towns_ != nullptr && towns_->Finder().available()) found_ = towns_->Finder().Search(txtFind.Text, kMostTownsFound);
  lstFound.items.clear();
  for (const TownMatch& town : found_) lstFound.items.push_back(FoundText(town, language));
  lstFound.ListIndex = -1;
}

void frmAddLocation::lstFound_Click() {
  if (lstFound.ListIndex < 0 || static_cast<std::size_t>(lstFound.ListIndex) >= found_.size()) return;
  const TownMatch& town = found_[static_cast<std::size_t>(lstFound.ListIndex)];
  const PlaceEntries entries = EntriesOfRecord(town.record);
  const TownEntries names = EntriesOfTown(town, language);
  txtCity.Text = names.city;
  txtState.Text = names.state;
  txtCountry.Text = names.country;
  SelectText(lstLatDegrees, entries.latDegrees);
  SelectText(lstNS, entries.northSouth);
  SelectText(lstLatMin, entries.latMinutes);
  SelectText(lstLongDegrees, entries.longDegrees);
  SelectText(lstEW, entries.eastWest);
  SelectText(lstLongMin, entries.longMinutes);
  SelectText(lstHour, entries.zoneHours);
  SelectText(lstMinutes, entries.zoneMinutes);
  chosen_ = town;
}

std::string frmAddLocation::ZoneNameFor(const PlaceEntries& entries) const {
  if (!chosen_) return {};
  const PlaceEntries town = EntriesOfRecord(chosen_->record);
  if (entries.zoneHours != town.zoneHours || entries.zoneMinutes != town.zoneMinutes) return {};
  return chosen_->zoneName;
}

int frmAddLocation::DescriptionLength() const {
  return static_cast<int>(txtCity.Text.size() + 2 + txtState.Text.size() + 2 + txtCountry.Text.size());
}

frmAddLocation::Outcome frmAddLocation::cmdOK_Click() {
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
      messageBox_.Show({KALNIKA_TEXT("Messages", "Please enter the missing entry: %1"), {built.missing}});
      return Outcome::StayOpen;
    case RecordOutcome::InvalidText:
      messageBox_.Show(
          {KALNIKA_TEXT("Messages", "This entry cannot be stored (no quotes or line breaks): %1"), {built.invalid}});
      return Outcome::StayOpen;
    case RecordOutcome::Built:
      break;
  }

  Place listed;
  if (const int position = ListedPosition(entries.city, built.record, listed); position >= 0) {
    if (!messageBox_.Ask({kDuplicatePlaceQuestion,
                          {listed.name, std::string(TrimBlanks(listed.latCaption, " ")),
                           std::string(TrimBlanks(listed.longCaption, " "))}}))
      return Outcome::StayOpen;
    lastPlace_ = listed;
    lastPosition_ = position;
    return Outcome::SelectExisting;
  }

  const std::string zoneName = ZoneNameFor(entries);
  const AppendedPlace appended = AppendPlace(placeFile_, built.record, zoneName);
  if (!appended.result.ok) {
    messageBox_.Show({KALNIKA_TEXT("Messages", "The place could not be stored: %1"), {appended.result.error}});
    return Outcome::StayOpen;
  }
  lastPlace_ = ParsePlace(built.record);
  lastPlace_.zoneName = zoneName;
  lastPosition_ = appended.key;
  return Outcome::Stored;
}

int frmAddLocation::ListedPosition(const std::string& city, const std::string& record, Place& listed) {
  const Place place = ParsePlace(record);
  const std::string key = CityKey(city);
  const std::vector<Place> places = LoadPlaces(placeFile_.Snapshot());
  for (std::size_t i = 0; i < places.size(); ++i) {
    const Place& other = places[i];
    if (other.labelled && other.latCaption == place.latCaption && other.longCaption == place.longCaption &&
        CityKey(other.name) == key) {
      listed = other;
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace kalnika
