#include "ui/wall_calendar_files.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "forms/wall_calendar.h"
#include "ui/language.h"
#include "ui/month_files.h"
#include "ui/wall_calendar_document.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

// "Mumbai-2026-12-wall.pdf" for the shown month, "Mumbai-2026-wall.pdf" for its year.
QString SuggestedName(const MonthSheet& sheet, bool wholeYear) {
  return PlainText(WallFileName(sheet, wholeYear)) + QStringLiteral(".pdf");
}

}  // namespace

WallCalendarFiles::WallCalendarFiles(QWidget* owner, frmKalnika& model, std::function<DisplayOptions()> display)
    : QObject(owner), owner_(owner), model_(model), display_(std::move(display)) {}

void WallCalendarFiles::AddActions(QMenu* file) {
  // Before the separator above Quit, when the menu ends so.
  QAction* before = nullptr;
  const QList<QAction*> actions = file->actions();
  for (qsizetype i = 1; i < actions.size(); ++i)
    if (actions[i]->objectName() == QStringLiteral("actionQuit") && actions[i - 1]->isSeparator()) before = actions[i - 1];
  const auto add = [this, file, before](const char* name, const char* text, auto slot) {
    auto* action = new QAction(file);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    file->insertAction(before, action);
    OnLanguageChange(file, [action, text] { action->setText(QCoreApplication::translate("FileMenu", text)); });
  };
  file->insertSeparator(before);
  add("actionPrintWallCalendar", QT_TRANSLATE_NOOP("FileMenu", "Print &Wall Calendar..."), &WallCalendarFiles::Print);
  add("actionSaveWallPdf", QT_TRANSLATE_NOOP("FileMenu", "&Save Wall Calendar as PDF..."),
      &WallCalendarFiles::AskSaveMonthPdf);
  add("actionSaveYearWallPdf", QT_TRANSLATE_NOOP("FileMenu", "Save Yea&r Wall Calendar as PDF..."),
      &WallCalendarFiles::AskSaveYearPdf);
}

bool WallCalendarFiles::HasShownMonth() {
  if (model_.Shown()) return true;
  ShowMessage(owner_, QCoreApplication::translate("FileMenu", "No month table is shown. Press \"Calculate\" first."));
  return false;
}

bool WallCalendarFiles::Report(const QString& file, const QString& error) {
  if (error.isEmpty()) return true;
  ShowMessage(owner_,
              QCoreApplication::translate("FileMenu", "The %1 file \"%2\" could not be written: %3").arg(QStringLiteral("PDF"), file, error));
  return false;
}

bool WallCalendarFiles::SaveMonthPdf(const QString& file) {
  if (!HasShownMonth()) return false;
  return Report(file, WriteWallPdf(file, {*model_.Shown()}, display_()));
}

bool WallCalendarFiles::SaveYearPdf(const QString& file) {
  if (!HasShownMonth()) return false;
  // The twelve months of the shown month's year, place and clock; the window's own
  // state stays as it is.
  return Report(file, WriteWallPdf(file, model_.ShownYear(), display_()));
}

void WallCalendarFiles::Print() {
  if (!HasShownMonth()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, owner_);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintWallPages(printer, {*model_.Shown()}, display_());
}

void WallCalendarFiles::AskSaveMonthPdf() {
  if (!HasShownMonth()) return;
  const QString file = AskSaveFile(owner_, QCoreApplication::translate("FileMenu", "Save Wall Calendar as PDF"),
                                  SuggestedName(*model_.Shown(), false),
                                  QCoreApplication::translate("FileMenu", "PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveMonthPdf(file);
}

void WallCalendarFiles::AskSaveYearPdf() {
  if (!HasShownMonth()) return;
  const QString file = AskSaveFile(owner_, QCoreApplication::translate("FileMenu", "Save Year Wall Calendar as PDF"),
                                  SuggestedName(*model_.Shown(), true),
                                  QCoreApplication::translate("FileMenu", "PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveYearPdf(file);
}

}  // namespace kalnika::ui
