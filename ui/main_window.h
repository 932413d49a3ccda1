#pragma once
// The main window frmKalnika: the widgets of the month-table model
// kalnika::frmKalnika. Every click copies the widgets into the model, calls the
// model's handler and shows the model again; the model is the truth.
#include <QDate>
#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "forms/frm_kalnika.h"
#include "ui/display_text.h"
#include "ui/month_document.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kalnika::ui {

class MonthGridView;
class TwipsPanel;
class MonthGrid;
class WindowMessageBox;

// Window title: the program, its version and the credit of its authors.
inline constexpr const char* kMainWindowTitle = " Kalnika Ver. 1.0 by the Kalnika developers";

// The display options remembered between runs (QSettings of the application).
DisplayOptions LoadDisplayOptions();
void StoreDisplayOptions(const DisplayOptions& options);

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

  // File menu actions without their file dialogs. Each reports a failure (or that
  // no month is shown) in a message box and returns whether the file was written.
  bool SaveMonthPdf(const QString& file);
  bool SaveYearPdf(const QString& file);
  bool ExportCsv(const QString& file);

  const DisplayOptions& Display() const;
  // Shows the grid and the era labels in another form and remembers the choice.
  void SetDisplay(const DisplayOptions& options);

 signals:
  void addLocationRequested();  // cmdAddLocation: the dialog takes the window's place
  void aboutRequested();        // CmdAbout
  void helpRequested();         // Help > Kalnika Help

 private:
  void BuildControls();
  void BuildMenus();
  // Copies the widgets into the model's controls before a handler runs.
  void PushToModel();
  // Shows the model's controls, labels and lists in the widgets.
  void PullFromModel();
  // Runs one handler of the model between PushToModel and PullFromModel.
  template <typename Handler>
  void Run(Handler handler);
  // The place list position the place box names: the selected entry when its text
  // is shown, else the one entry the typed text names; nothing for an empty box.
  int ChosenLocation() const;
  // Whether a month is shown; says so in a message box when not.
  bool HasShownMonth();

  void PrintMonth();
  void PreviewMonth();
  void AskSaveMonthPdf();
  void AskSaveYearPdf();
  void AskExportCsv();

  QDate today_;
  MonthGridView* gridView_ = nullptr;
  TwipsPanel* panel_ = nullptr;  // the controls below the grid
  std::unique_ptr<MonthGrid> grid_;
  std::unique_ptr<WindowMessageBox> messageBox_;
  std::unique_ptr<frmKalnika> model_;

  QComboBox* lstMonth_ = nullptr;
  QComboBox* lstLocation_ = nullptr;
  QLineEdit* txtYear_ = nullptr;
  QCheckBox* chkDST_ = nullptr;
  QLabel* lblLat_ = nullptr;
  QLabel* lblLong_ = nullptr;
  QLabel* lblTimeZone_ = nullptr;
  QLabel* lblKaliYuga_ = nullptr;
  QLabel* lblVikram_ = nullptr;
  QAction* devanagariDigits_ = nullptr;
  QAction* westernDigits_ = nullptr;
  QAction* xdvngFont_ = nullptr;

  std::vector<std::string> shownMonths_, shownPlaces_;  // the lists as the boxes hold them
};

}  // namespace kalnika::ui
