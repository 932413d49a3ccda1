#pragma once
// The add-place dialog frmAddLocation without any toolkit: its entry controls, the
// lists it fills on loading, and the OK button's logic that builds the 56-character
// place record and appends it to the place file.
#include <string>

#include "forms/message_box.h"
#include "forms/controls.h"
#include "places/place_file.h"

namespace kalnika {

inline constexpr const char* kShortenDescriptionMessage = "Please shorten the description";
// Most characters of city, state and country with their two separators: the
// description of the record holds them and one blank in 31 columns.
inline constexpr int kDescriptionLimit = 30;

class frmAddLocation {
 public:
  explicit frmAddLocation(MessageBox& messageBox);

  TextBoxControl txtCity, txtState, txtCountry;
  ListBoxControl lstLatDegrees, lstLatMin, lstNS;
  ListBoxControl lstLongDegrees, lstEW, lstLongMin;
  ListBoxControl lstHour, lstMinutes;

  // Fills the lists (0..90, 0..59, N/S, 0..180, E/W, 0..59, -12..14, 0/30) with
  // nothing selected and empties the city box and the tags.
  void Form_Load();

  enum class Outcome {
    Stored,        // record appended: close, reload the main window
    Cancelled,     // nothing entered at all: close without storing, reload the main window
    StayOpen,      // a message was shown (missing entry, too long, failed write): stay open
  };
  // OK: copies the entries into the tags, checks them, builds the record and appends
  // it to the place file. Every refusal and every failed write is shown in a message
  // box and keeps the dialog open with the entries as they were.
  Outcome cmdOK_Click(ProfileFile& placeFile);

  // Characters of "City, State, Country" as entered (bytes, as the record counts
  // them), to show against kDescriptionLimit while the user types.
  int DescriptionLength() const;

  // The record stored by the last OK that stored one.
  const std::string& LastRecord() const { return lastRecord_; }

 private:
  MessageBox& messageBox_;
  std::string lastRecord_;
};

}  // namespace kalnika
