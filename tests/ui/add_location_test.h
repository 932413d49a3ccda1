#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The add-place dialog: it takes the main window's place, stores a record and
// brings back a freshly loaded main window; and its three mends.
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
};

}  // namespace kalnika::ui_test
