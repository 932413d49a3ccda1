#pragma once
// The File menu's wall calendar: the shown month printed, the month or its whole
// year saved as PDF, one A4 portrait page a month, made from the month the model
// holds as shown (frmKalnika::Shown), never from the widgets.
#include <QObject>
#include <QString>
#include <functional>

#include "forms/frm_kalnika.h"
#include "ui/display_text.h"

class QMenu;
class QWidget;

namespace kalnika::ui {

class WallCalendarFiles : public QObject {
 public:
  // `owner`: the window the dialogs and messages belong to; `display`: the display
  // options in use.
  WallCalendarFiles(QWidget* owner, frmKalnika& model, std::function<DisplayOptions()> display);

  // Adds Print Wall Calendar, Save Wall Calendar as PDF and Save Year Wall Calendar
  // as PDF to the File menu, after the month table's files and before Quit.
  void AddActions(QMenu* file);

  // The files without their file dialogs. Each reports a failure (or that no month
  // is shown) in a message box and returns whether the file was written.
  bool SaveMonthPdf(const QString& file);
  bool SaveYearPdf(const QString& file);

 private:
  bool HasShownMonth();
  bool Report(const QString& file, const QString& error);
  void Print();
  void AskSaveMonthPdf();
  void AskSaveYearPdf();

  QWidget* owner_;
  frmKalnika& model_;
  std::function<DisplayOptions()> display_;
};

}  // namespace kalnika::ui
