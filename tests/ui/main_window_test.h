#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The main window: start-up, Calculate, the stepping buttons and their tags, the
// input messages, the default place, the place box's typing, the View menu.
class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void startUpShowsTodaysMonthForTheDefaultPlace_data();
  void startUpShowsTodaysMonthForTheDefaultPlace();
  void calculateShowsTheChosenMonth_data();
  void calculateShowsTheChosenMonth();
  void steppingButtonsFollowTheTags_data();
  void steppingButtonsFollowTheTags();
  void inputMessagesStopTheCalculation_data();
  void inputMessagesStopTheCalculation();
  void defaultPlaceIsStoredAndSelectedAtTheNextStart_data();
  void defaultPlaceIsStoredAndSelectedAtTheNextStart();
  void typedPlaceTextChoosesOrKeepsAnEntry_data();
  void typedPlaceTextChoosesOrKeepsAnEntry();
  void digitsChoiceIsShownAndRemembered_data();
  void digitsChoiceIsShownAndRemembered();
  void gridIsLaidOutForItsTexts();
  void twipsBecomePixelsOfTheScreen_data();
  void twipsBecomePixelsOfTheScreen();
};

}  // namespace kalnika::ui_test
