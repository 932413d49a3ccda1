#include "ui/month_files.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "forms/calendar_file.h"
#include "ui/month_document.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

QString DocumentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// "Mumbai-2026-12.pdf" for the shown month, "Mumbai-2026.pdf" for its year, in the
// user's documents folder.
QString SuggestedName(const MonthPage& page, bool wholeYear, const char* suffix) {
  return DocumentsFolder() + QLatin1Char('/') + PlainText(SheetFileName(page, wholeYear)) + QLatin1String(suffix);
}

void SetUpPrinter(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setPageSize(QPageSize(QPageSize::A4));
}

// What the calendar export holds, as the user chooses it.
struct CalendarChoice {
  bool wholeYear = false;
  bool tithis = false;
};

// Asks what to export: the shown month or its year, and each day's tithi or not.
std::optional<CalendarChoice> ChooseCalendar(QWidget* owner, const MonthPage& page, const DisplayOptions& options) {
  QDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("calendarExportDialog"));
  dialog.setWindowTitle(QStringLiteral("Export Calendar (iCalendar)"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* month = new QRadioButton(QStringLiteral("The shown &month (%1)").arg(PageTitle(page, options)));
  auto* year = new QRadioButton(QStringLiteral("The whole &year %1").arg(PlainText(page.values.yearText)));
  month->setChecked(true);
  auto* tithis = new QCheckBox(QStringLiteral("Each day's &tithi, with its end"));
  auto* what = new QLabel(QStringLiteral("Festivals and other notes, the Sun's entries into the signs, the new and "
                                         "full moons; the texts in %1, as the table shows them.")
                              .arg(options.Latin() ? QStringLiteral("Latin letters") : QStringLiteral("Devanagari")));
  what->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  for (QWidget* widget : std::initializer_list<QWidget*>{month, year, tithis, what, buttons}) layout->addWidget(widget);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CalendarChoice{year->isChecked(), tithis->isChecked()};
}

}  // namespace

MonthFiles::MonthFiles(QWidget* owner, frmKalnika& model, std::function<DisplayOptions()> display)
    : QObject(owner), owner_(owner), model_(model), display_(std::move(display)) {}

void MonthFiles::AddActions(QMenu* file) {
  const auto add = [this, file](const char* name, const QString& text, auto slot,
                                QKeySequence shortcut = QKeySequence()) {
    QAction* action = file->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
  };
  add("actionPrint", QStringLiteral("&Print..."), &MonthFiles::Print, QKeySequence::Print);
  add("actionPrintPreview", QStringLiteral("Print Pre&view..."), &MonthFiles::Preview);
  file->addSeparator();
  add("actionSavePdf", QStringLiteral("Save as P&DF..."), &MonthFiles::AskSaveMonthPdf);
  add("actionSaveYearPdf", QStringLiteral("Save &Year as PDF..."), &MonthFiles::AskSaveYearPdf);
  add("actionExportCsv", QStringLiteral("&Export CSV..."), &MonthFiles::AskExportCsv);
  add("actionExportCalendar", QStringLiteral("Export &Calendar (iCalendar)..."), &MonthFiles::AskExportCalendar);
  file->addSeparator();
  add("actionQuit", QStringLiteral("&Quit"), &QCoreApplication::quit, QKeySequence::Quit);
}

bool MonthFiles::HasShownMonth() {
  if (model_.Shown()) return true;
  ShowMessage(owner_, QStringLiteral("No month table is shown. Press \"Calculate\" first."));
  return false;
}

bool MonthFiles::Report(const QString& kind, const QString& file, const QString& error) {
  if (error.isEmpty()) return true;
  ShowMessage(owner_, QStringLiteral("The %1 file \"%2\" could not be written: %3").arg(kind, file, error));
  return false;
}

bool MonthFiles::SaveMonthPdf(const QString& file) {
  if (!HasShownMonth()) return false;
  return Report(QStringLiteral("PDF"), file, WritePdf(file, {*model_.Shown()}, display_()));
}

bool MonthFiles::SaveYearPdf(const QString& file) {
  if (!HasShownMonth()) return false;
  // The twelve months of the shown month's year, place and daylight saving; the
  // window's own state stays as it is.
  return Report(QStringLiteral("PDF"), file, WritePdf(file, model_.ShownYear(), display_()));
}

bool MonthFiles::ExportCsv(const QString& file) {
  if (!HasShownMonth()) return false;
  return Report(QStringLiteral("CSV"), file, WriteFileAtomically(file, MonthCsv(*model_.Shown(), display_())));
}

bool MonthFiles::ExportCalendar(const QString& file, bool wholeYear, bool tithis) {
  if (!HasShownMonth()) return false;
  const DisplayOptions display = display_();
  ical::ExportOptions options;
  options.tithis = tithis;
  options.texts = CalendarTexts(display.script, display.digits);
  options.stamp = QDateTime::currentSecsSinceEpoch();
  const ical::CalendarFile calendar = ShownCalendar(model_, wholeYear, "", options);
  if (!calendar.problem.empty()) {
    ShowMessage(owner_, QString::fromStdString(calendar.problem));
    return false;
  }
  return Report(QStringLiteral("iCalendar"), file, WriteFileAtomically(file, QByteArray::fromStdString(calendar.text)));
}

void MonthFiles::AskExportCalendar() {
  if (!HasShownMonth()) return;
  const std::optional<CalendarChoice> choice = ChooseCalendar(owner_, *model_.Shown(), display_());
  if (!choice) return;
  const QString file = QFileDialog::getSaveFileName(owner_, QStringLiteral("Export Calendar (iCalendar)"),
                                                    SuggestedName(*model_.Shown(), choice->wholeYear, ".ics"),
                                                    QStringLiteral("iCalendar files (*.ics)"));
  if (!file.isEmpty()) ExportCalendar(file, choice->wholeYear, choice->tithis);
}

void MonthFiles::Print() {
  if (!HasShownMonth()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer);
  QPrintDialog dialog(&printer, owner_);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintPages(printer, {*model_.Shown()}, display_());
}

void MonthFiles::Preview() {
  if (!HasShownMonth()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer);
  QPrintPreviewDialog preview(&printer, owner_);
  const MonthPage page = *model_.Shown();
  const DisplayOptions options = display_();
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&page, &options](QPrinter* target) { PrintPages(*target, {page}, options); });
  preview.exec();
}

void MonthFiles::AskSaveMonthPdf() {
  if (!HasShownMonth()) return;
  const QString file = QFileDialog::getSaveFileName(owner_, QStringLiteral("Save as PDF"),
                                                    SuggestedName(*model_.Shown(), false, ".pdf"),
                                                    QStringLiteral("PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveMonthPdf(file);
}

void MonthFiles::AskSaveYearPdf() {
  if (!HasShownMonth()) return;
  const QString file = QFileDialog::getSaveFileName(
      owner_, QStringLiteral("Save Year as PDF"),
      SuggestedName(*model_.Shown(), true, ".pdf"),
      QStringLiteral("PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveYearPdf(file);
}

void MonthFiles::AskExportCsv() {
  if (!HasShownMonth()) return;
  const QString file = QFileDialog::getSaveFileName(owner_, QStringLiteral("Export CSV"),
                                                    SuggestedName(*model_.Shown(), false, ".csv"),
                                                    QStringLiteral("CSV files (*.csv)"));
  if (!file.isEmpty()) ExportCsv(file);
}

}  // namespace kalnika::ui
