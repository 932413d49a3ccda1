#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The main window: its widgets show the model after start-up, every handler is
// bound to its control, its message boxes, its menus and the grid's layout. The
// handlers' own rules are tested headless in tests/forms.
class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void startUpShowsTheModel();
  void handlersAreBoundToTheirControls_data();
  void handlersAreBoundToTheirControls();
  void typedPlaceTextReachesTheModel();
  void placeChosenFromTheSearchShowsItsNameAndLabels();
  void placeChosenFromTheListShowsItsLabels();
  void refusedInputIsShownInAModalBox();
  void refusedYearShowsNoMonth();
  void defaultPlaceIsStoredAndSelectedAtTheNextStart();
  void emptyPlaceIsRefusedAsTheDefault();
  void tabTreatsTheTableAsOneStop_data();
  void tabTreatsTheTableAsOneStop();
  void arrowKeysMoveInsideTheTable();
  void keysStepTheMonthAndYear_data();
  void keysStepTheMonthAndYear();
  void altLettersReachTheControls_data();
  void altLettersReachTheControls();
  void tooltipsNameTheKeysAndTheSearch();
  void scriptChoiceIsShownAndRemembered_data();
  void scriptChoiceIsShownAndRemembered();
  void calculationChoiceIsAppliedAndRemembered_data();
  void calculationChoiceIsAppliedAndRemembered();
  void gridIsLaidOutForItsTexts();
  void twipsBecomePixelsOfTheScreen_data();
  void twipsBecomePixelsOfTheScreen();
};

}  // namespace kalnika::ui_test
