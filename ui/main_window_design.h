#pragma once
// The main window as designed: every control with its name, kind, caption, tooltip,
// font and rectangle in twips, the separator lines and the tab order, as one table.
// The window (main_window.h) binds these widgets to the model; nothing here acts.
#include <QPoint>
#include <QSize>
#include <QtGlobal>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace kalnika::ui {

class TwipsPanel;

// The window's designed client area, and the part of it below the grid, in twips.
inline constexpr int kClientWidthTwips = 14475;
inline constexpr int kClientHeightTwips = 9150;
inline constexpr int kGridTopTwips = 120;
inline constexpr int kPanelTopTwips = 7800;  // the separator line under the grid

// The daylight-saving box's tooltip as designed (context "MainWindow" of the
// translations).
inline constexpr const char* kDaylightSavingTip = QT_TRANSLATE_NOOP("MainWindow", "Place a check mark in the box  if Yes.");

// Point size of the era labels (drawn in the grid's font).
inline constexpr double kEraPointSize = 9.75;

// Most places the place file holds (keys "0".."5000").
inline constexpr int kMaxPlaces = 5001;

// The controls of the panel below the grid.
struct MainWindowControls {
  QComboBox* lstMonth = nullptr;
  QLineEdit* txtYear = nullptr;
  QComboBox* lstLocation = nullptr;
  QCheckBox* chkDST = nullptr;
  QLabel* lblLat = nullptr;
  QLabel* lblLong = nullptr;
  QLabel* lblTimeZone = nullptr;
  QLabel* lblKaliYuga = nullptr;
  QLabel* lblVikram = nullptr;
  QPushButton* cmdCalculate = nullptr;
  QPushButton* cmdAddLocation = nullptr;
  QPushButton* cmdDefaultLocation = nullptr;
  QPushButton* CmdAbout = nullptr;
  QToolButton* cmdPreviousMonth = nullptr;
  QToolButton* cmdNextMonth = nullptr;
  QToolButton* cmdNextYear = nullptr;
  QToolButton* cmdPreviousYear = nullptr;
};

// The panel below the grid, its origin at the separator line, with every control
// and line of the design, its texts in the interface language.
TwipsPanel* BuildControlPanel(MainWindowControls& controls);

// Makes a filled list box at least as wide as its widest entry.
void FitListToItems(QComboBox* box);

// The tab order as the window reads, left to right and top to bottom: the grid,
// then the panel's rows: Add New Locations, About/Help, Calculate; the month
// arrows, the default place, daylight saving; month, year (its arrows are no stops
// of their own), place.
void SetDesignedTabOrder(const MainWindowControls& controls, QWidget* grid);

}  // namespace kalnika::ui
