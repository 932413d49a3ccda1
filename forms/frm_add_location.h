#pragma once
// The add-place dialog frmAddLocation without any toolkit: its entry controls, the
// lists it fills on loading, the town finder above them, and the OK button's logic
// that builds the 56-character place record and appends it to the place file,
// which the form reads and writes itself.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/message_box.h"
#include "forms/town_search.h"
#include "places/place_file.h"
#include "places/place_record.h"

namespace kalnika {

inline constexpr const char* kShortenDescriptionMessage = KALNIKA_TEXT("Messages", "Please shorten the description");
// A place the list holds already (its city at the same latitude and longitude):
// the question, with the place as the list names it and its coordinates.
inline constexpr const char* kDuplicatePlaceQuestion =
    KALNIKA_TEXT("Messages", "%1 is in the list already, at the same latitude and longitude (%2, %3). It is not stored "
                             "a second time.\n\nSelect it in the main window?");
// Most characters of city, state and country with their two separators: the
// description of the record holds them and one blank in 31 columns.
inline constexpr int kDescriptionLimit = 30;
// Most towns the town finder offers for a search text.
inline constexpr std::size_t kMostTownsFound = 20;

class frmAddLocation {
 public:
  // The place file OK appends to.
  frmAddLocation(MessageBox& messageBox, std::filesystem::path placeFile);

  // The town finder above the entries: a search text and the towns found for it.
  TextBoxControl txtFind;
  ListBoxControl lstFound;  // "Pune, Maharashtra, India (Asia/Kolkata)", best first
  TextBoxControl txtCity, txtState, txtCountry;
  ListBoxControl lstLatDegrees, lstLatMin, lstNS;
  ListBoxControl lstLongDegrees, lstEW, lstLongMin;
  ListBoxControl lstHour, lstMinutes;

  // Fills the lists (0..90, 0..59, N/S, 0..180, E/W, 0..59, -12..14, 0/15/30/45)
  // with nothing selected and empties the city box and the tags.
  void Form_Load();

  // The window's language ("mr", "en"): the countries of the towns found are named
  // in it where ICU has their names (EntriesOfTown).
  std::string language = "en";

  // The towns the dialog searches (the program keeps them for its run; they must
  // outlive the dialog); null, or a list that is not available: the entries are
  // typed as before.
  void UseTowns(TownSearch* towns);
  // Why no town can be found, naming the package that brings the list of towns;
  // empty when the finder is available.
  std::string FinderProblem() const;
  // The search text changed: lstFound lists the towns whose names start with it,
  // then those holding it (TownFinder::Search), at most kMostTownsFound, none
  // selected.
  void txtFind_Change();
  // A town chosen in lstFound fills the entries: city, state and country as
  // EntriesOfTown gives them (the country by its full name; at most 30 bytes, so OK
  // never asks to shorten them), and latitude, longitude and zone from the place
  // record it would store. The user may change them all before OK.
  void lstFound_Click();
  // The zone name OK stores with the entries: the chosen town's, as long as the
  // zone entries are still the town's; otherwise none (the user set another zone,
  // so the town's zone name may not be the place's).
  std::string ZoneNameFor(const PlaceEntries& entries) const;
  // The zone name of the town chosen last (empty: none chosen).
  std::string ChosenZoneName() const { return chosen_ ? chosen_->zoneName : std::string(); }

  enum class Outcome {
    Stored,          // record appended: close; the main window selects it (LastPosition)
    Cancelled,       // nothing entered at all: close without storing, the main window as it was
    StayOpen,        // a message was shown (missing entry, too long, failed write): stay open
    SelectExisting,  // the place was in the list already, and the user chose to select it
                     // there (LastPosition): close without storing
  };
  // OK: copies the entries into the tags, checks them, builds the record and appends
  // it to the place file. Every refusal and every failed write is shown in a message
  // box and keeps the dialog open with the entries as they were. A place the file
  // lists already (the same city, case and blanks aside, at the same latitude and
  // longitude to the minute, whatever its state, country or zone) is not stored
  // twice: a question says so and offers to select the listed one; No keeps the
  // dialog open to change the entries.
  Outcome cmdOK_Click();

  // Characters of "City, State, Country" as entered (bytes, as the record counts
  // them), to show against kDescriptionLimit while the user types.
  int DescriptionLength() const;

  // The place stored by the last OK that stored one (with the zone name stored
  // with it), and its position in the place list; after SelectExisting, the
  // position of the place listed already.
  const Place& LastPlace() const { return lastPlace_; }
  int LastPosition() const { return lastPosition_; }

 private:
  // The position of a place the file lists already with the city and coordinates
  // of `record`, or -1.
  int ListedPosition(const std::string& city, const std::string& record, Place& listed);

  MessageBox& messageBox_;
  ProfileFile placeFile_;
  Place lastPlace_;
  int lastPosition_ = -1;
  TownSearch* towns_ = nullptr;
  std::vector<TownMatch> found_;     // the towns lstFound lists
  std::optional<TownMatch> chosen_;  // the town that filled the entries
};

}  // namespace kalnika
