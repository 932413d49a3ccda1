#pragma once
// The File menu: the shown month printed, previewed, saved as PDF (the month or its
// whole year), exported as CSV and as an iCalendar file. Every file is made from the month the model
// holds as shown (frmKalnika::Shown), never from the widgets.
#include <QObject>
#include <QString>
#include <functional>

#include "forms/frm_kalnika.h"
#include "ui/display_text.h"

class QMenu;
class QWidget;

namespace kalnika::ui {

// The folder the file dialogs start in: where a file was last chosen in one of them
// (remembered in the settings, "files/folder"), or the user's documents folder.
QString FileFolder();
// Remembers the folder of a file chosen in a file dialog.
void RememberFileFolder(const QString& file);
// A file dialog that saves: the file chosen (empty when cancelled), starting in
// FileFolder() with `name` suggested; the folder of the file chosen is remembered.
QString AskSaveFile(QWidget* owner, const QString& caption, const QString& name, const QString& filter);

class MonthFiles : public QObject {
 public:
  // `owner`: the window the dialogs and messages belong to; `display`: the display
  // options in use.
  MonthFiles(QWidget* owner, frmKalnika& model, std::function<DisplayOptions()> display);

  // Adds Print, Print Preview, Save as PDF, Save Year as PDF, Export CSV, Export
  // Calendar and Quit.
  void AddActions(QMenu* file);

  // The files without their file dialogs. Each reports a failure (or that no month
  // is shown) in a message box and returns whether the file was written.
  bool SaveMonthPdf(const QString& file);
  bool SaveYearPdf(const QString& file);
  bool ExportCsv(const QString& file);
  // The shown month, or its whole year, as an iCalendar file (forms/calendar_file.h)
  // in the script of the display, with each day's tithi when asked for.
  bool ExportCalendar(const QString& file, bool wholeYear, bool tithis);

 private:
  // Whether a month is shown; says so in a message box when not.
  bool HasShownMonth();
  bool Report(const QString& kind, const QString& file, const QString& error);

  void Print();
  void Preview();
  void AskSaveMonthPdf();
  void AskSaveYearPdf();
  void AskExportCsv();
  void AskExportCalendar();

  QWidget* owner_;
  frmKalnika& model_;
  std::function<DisplayOptions()> display_;
};

}  // namespace kalnika::ui
