#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The wall calendar in the window: the View menu's choice between it and the
// table, the page following the model's shown month, the squares' tooltips, and
// its print and PDF pages. Which text goes in which square is tested headless in
// tests/forms/wall_calendar_test.
class WallCalendarTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void viewChoiceIsShownAndRemembered();
  void fileMenuHasTheWallCalendarBeforeQuit();
  void pageFollowsTheShownMonth_data();
  void pageFollowsTheShownMonth();
  void squareTooltipHoldsTheWholeDay();
  void pdfPagesArePortraitWithTheirTitle_data();
  void pdfPagesArePortraitWithTheirTitle();
  void failedWritesAreReported_data();
  void failedWritesAreReported();
};

}  // namespace kalnika::ui_test
