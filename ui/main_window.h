#pragma once
// The main window frmKalnika: the widgets of the month-table model
// kalnika::frmKalnika. Every click copies the widgets into the model, calls the
// model's handler and shows the model again; the model is the truth.
#include <QActionGroup>
#include <QDate>
#include <QMainWindow>
#include <QStackedWidget>
#include <filesystem>
#include <memory>

#include "forms/frm_kalnika.h"
#include "ui/control_binding.h"
#include "ui/display_settings.h"
#include "ui/display_text.h"
#include "ui/language.h"
#include "ui/main_window_design.h"
#include "ui/month_document.h"
#include "ui/wall_calendar_view.h"

namespace kalnika::ui {

class CalculationMenu;
class ComputedWithLine;
class DayViewDialog;
struct CalculationSettings;
class DisplayMenu;
class MonthFiles;
class MonthGrid;
class MonthGridView;
class PanelScroller;
class TwipsPanel;
class WallCalendarFiles;
class WindowMessageBox;

// Window title: the program, its version and the credit of its authors (context
// "MainWindow" of the translations).
inline constexpr const char* kMainWindowTitle = QT_TRANSLATE_NOOP("MainWindow", " Kalnika Ver. 1.0 by the Kalnika developers");

// The warning of a system without a font that writes Devanagari (shown once, at
// start-up), or the empty text when `devanagariFamilies` has one.
QString MissingFontWarning(const QStringList& devanagariFamilies);

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `placeFile`: the place file this copy of the program uses; `today`: the date
  // whose month and year the start-up shows.
  MainWindow(std::filesystem::path placeFile, QDate today, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: the model's full load (name tables, month list, grid, place list with
  // the stored default, today's month and year, one calculation), then the widgets.
  void Load();

  frmKalnika& Model() { return *model_; }
  const MonthGrid& Grid() const { return *grid_; }

  // The shown month: the values and table of the last calculation that filled the
  // grid, with the place and daylight saving it was calculated for.
  MonthPage ShownPage() const;

  // The File menu's files without their file dialogs (month_files.h,
  // wall_calendar_files.h).
  MonthFiles& Files() { return *files_; }
  WallCalendarFiles& WallFiles() { return *wallFiles_; }

  // The month shown as the table or as the wall calendar (View menu), remembered.
  void ShowMonthView(MonthView view);
  MonthView ShownMonthView() const;
  WallCalendarView& WallView() { return *wallView_; }

  // Keeps the window, frame included, inside the screen's available area, shrinking
  // it where it is larger.
  void FitToScreen();

  // The day view of a day (1..31) of the shown month, or of the day chosen in the
  // table or the wall calendar (View > Day View); says so when no month is shown.
  void OpenDayView(int day);
  void OpenSelectedDay();
  // The day chosen in the view shown: the table's current row or the wall
  // calendar's square; else today's date in the shown month, else its 1st.
  int SelectedDay() const;
  // The day view, once opened.
  DayViewDialog* DayView() const { return dayView_; }

  const DisplayOptions& Display() const;
  // Shows the grid and the era labels in another form and remembers the choice.
  void SetDisplay(const DisplayOptions& options);
  // Calculates the month shown again with another method or clock setting and
  // remembers the choice.
  void SetCalculation(const CalculationSettings& settings);

  // A place was added to the place file, or a listed one chosen in the add-place
  // dialog, at list position `position`: the place list is read again and the
  // place selected and calculated, in the month and year shown.
  void PlaceAdded(int position);

  // Checks the View menu's choice of the interface language.
  void ShowLanguage(Language language);

 signals:
  void addLocationRequested();  // cmdAddLocation: the add-place dialog, a child of the window
  void languageChosen(Language language);  // View > Language
  void aboutRequested();        // CmdAbout
  void helpRequested();         // Help > Kalnika Help

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Room for a window frame not yet known: borders of this many pixels and a title
  // bar four times as high.
  static constexpr int kFrameAllowance = 8;

  void BuildMenus();
  void Bind();
  // The texts of the window that the model's state chooses (the daylight-saving
  // box's tooltip, the method-and-clock line), in the interface language.
  void ShowStateTexts();
  // Lets the window take the width its contents want, growing or shrinking within
  // the screen (not while maximised or full screen).
  void FitWidth();
  // Runs one handler of the model between pushing the widgets into it and showing it.
  template <typename Handler>
  void Run(Handler handler);
  void ShowModel();
  // The size that shows the whole month and the design.
  QSize WantedSize() const;
  void ApplyEraFonts();

  QDate today_;
  MonthGridView* gridView_ = nullptr;
  TwipsPanel* panel_ = nullptr;  // the controls below the grid
  PanelScroller* panelStrip_ = nullptr;  // scrolls the panel in a window narrower than it
  MainWindowControls controls_;
  std::unique_ptr<MonthGrid> grid_;
  std::unique_ptr<WindowMessageBox> messageBox_;
  std::unique_ptr<frmKalnika> model_;
  ControlBinding binding_;
  MonthFiles* files_ = nullptr;
  QStackedWidget* views_ = nullptr;  // the table (in a page of its own) or the wall calendar
  WallCalendarView* wallView_ = nullptr;
  WallCalendarFiles* wallFiles_ = nullptr;
  MonthViewMenu* monthViewMenu_ = nullptr;
  DisplayMenu* displayMenu_ = nullptr;
  CalculationMenu* calculationMenu_ = nullptr;
  ComputedWithLine* computedWith_ = nullptr;
  DayViewDialog* dayView_ = nullptr;
  QActionGroup* languages_ = nullptr;
  bool fontChecked_ = false;
};

}  // namespace kalnika::ui
