#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The add-place dialog: it takes the main window's place, stores a record and
// brings back a freshly loaded main window; Cancel; its layout, tab order and the
// description's length shown as the user types; the town finder.
class AddLocationTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void dialogTakesTheMainWindowsPlace();
  void storedPlaceIsListedInTheReloadedWindow_data();
  void storedPlaceIsListedInTheReloadedWindow();
  void dialogEndsOrStaysAsItsEntriesSay_data();
  void dialogEndsOrStaysAsItsEntriesSay();
  void descriptionRefusesWhatTheRecordCannotHold_data();
  void descriptionRefusesWhatTheRecordCannotHold();
  void descriptionLengthIsShownAsTheUserTypes_data();
  void descriptionLengthIsShownAsTheUserTypes();
  void tabFollowsTheEntriesAsTheyStand();
  void townChosenFillsTheEntriesAndIsStoredWithItsZone_data();
  void townChosenFillsTheEntriesAndIsStoredWithItsZone();
  void withoutTheTownFileTheDialogNamesThePackage();
  void entriesAreLaidOutApartWithinMargins();
};

}  // namespace kalnika::ui_test
