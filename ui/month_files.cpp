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
#include <QSettings>
#include <QStandardPaths>
#include <QDir>
#include <QFileInfo>

#include "forms/calendar_file.h"
#include "ui/month_document.h"
#include "ui/language.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

constexpr const char* kFolderKey = "files/folder";

// "Mumbai-2026-12.pdf" for the shown month, "Mumbai-2026.pdf" for its year.
QString SuggestedName(const MonthPage& page, bool wholeYear, const char* suffix) {
  return PlainText(SheetFileName(page, wholeYear)) + QLatin1String(suffix);
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
  dialog.setWindowTitle(QCoreApplication::translate("FileMenu", "Export Calendar (iCalendar)"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* month = new QRadioButton(QCoreApplication::translate("FileMenu", "The shown &month (%1)").arg(PageTitle(page, options)));
  auto* year = new QRadioButton(QCoreApplication::translate("FileMenu", "The whole &year %1").arg(PlainText(page.values.yearText)));
  month->setChecked(true);
  auto* tithis = new QCheckBox(QCoreApplication::translate("FileMenu", "Each day's &tithi, with its end"));
  auto* what = new QLabel(QCoreApplication::translate("FileMenu", "Festivals and other notes, the Sun's entries into the signs, the new and full moons; "
                             "the texts in %1, as the table shows them.")
                              .arg(options.Latin() ? QCoreApplication::translate("FileMenu", "Latin letters") : QCoreApplication::translate("FileMenu", "Devanagari")));
  what->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  for (QWidget* widget : std::initializer_list<QWidget*>{month, year, tithis, what, buttons}) layout->addWidget(widget);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CalendarChoice{year->isChecked(), tithis->isChecked()};
}

}  // namespace

QString FileFolder() {
  const QString folder = QSettings().value(QString::fromLatin1(kFolderKey)).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberFileFolder(const QString& file) {
  QSettings().setValue(QString::fromLatin1(kFolderKey), QFileInfo(file).absolutePath());
}

QString AskSaveFile(QWidget* owner, const QString& caption, const QString& name, const QString& filter) {
  const QString file = QFileDialog::getSaveFileName(owner, caption, QDir(FileFolder()).filePath(name), filter);
  if (!file.isEmpty()) RememberFileFolder(file);
  return file;
}

MonthFiles::MonthFiles(QWidget* owner, frmKalnika& model, std::function<DisplayOptions()> display)
    : QObject(owner), owner_(owner), model_(model), display_(std::move(display)) {}

void MonthFiles::AddActions(QMenu* file) {
  const auto add = [this, file](const char* name, const char* text, auto slot, QKeySequence shortcut = QKeySequence()) {
    QAction* action = file->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    OnLanguageChange(file, [action, text] { action->setText(QCoreApplication::translate("FileMenu", text)); });
  };
  add("actionPrint", QT_TRANSLATE_NOOP("FileMenu", "&Print..."), &MonthFiles::Print, QKeySequence::Print);
  add("actionPrintPreview", QT_TRANSLATE_NOOP("FileMenu", "Print Pre&view..."), &MonthFiles::Preview);
  file->addSeparator();
  add("actionSavePdf", QT_TRANSLATE_NOOP("FileMenu", "Save as P&DF..."), &MonthFiles::AskSaveMonthPdf);
  add("actionSaveYearPdf", QT_TRANSLATE_NOOP("FileMenu", "Save &Year as PDF..."), &MonthFiles::AskSaveYearPdf);
  add("actionExportCsv", QT_TRANSLATE_NOOP("FileMenu", "&Export CSV..."), &MonthFiles::AskExportCsv);
  add("actionExportCalendar", QT_TRANSLATE_NOOP("FileMenu", "Export &Calendar (iCalendar)..."),
      &MonthFiles::AskExportCalendar);
  file->addSeparator();
  add("actionQuit", QT_TRANSLATE_NOOP("FileMenu", "&Quit"), &QCoreApplication::quit, QKeySequence::Quit);
}

bool MonthFiles::HasShownMonth() {
  if (model_.Shown()) return true;
  ShowMessage(owner_, QCoreApplication::translate("FileMenu", "No month table is shown. Press \"Calculate\" first."));
  return false;
}

bool MonthFiles::Report(const QString& kind, const QString& file, const QString& error) {
  if (error.isEmpty()) return true;
  ShowMessage(owner_, QCoreApplication::translate("FileMenu", "The %1 file \"%2\" could not be written: %3").arg(kind, file, error));
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
  const QString file = AskSaveFile(owner_, QCoreApplication::translate("FileMenu", "Export Calendar (iCalendar)"),
                                  SuggestedName(*model_.Shown(), choice->wholeYear, ".ics"),
                                  QCoreApplication::translate("FileMenu", "iCalendar files (*.ics)"));
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
  const QString file = AskSaveFile(owner_, QCoreApplication::translate("FileMenu", "Save as PDF"), SuggestedName(*model_.Shown(), false, ".pdf"),
                                  QCoreApplication::translate("FileMenu", "PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveMonthPdf(file);
}

void MonthFiles::AskSaveYearPdf() {
  if (!HasShownMonth()) return;
  const QString file = AskSaveFile(owner_, QCoreApplication::translate("FileMenu", "Save Year as PDF"), SuggestedName(*model_.Shown(), true, ".pdf"),
                                  QCoreApplication::translate("FileMenu", "PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveYearPdf(file);
}

void MonthFiles::AskExportCsv() {
  if (!HasShownMonth()) return;
  const QString file = AskSaveFile(owner_, QCoreApplication::translate("FileMenu", "Export CSV"), SuggestedName(*model_.Shown(), false, ".csv"),
                                  QCoreApplication::translate("FileMenu", "CSV files (*.csv)"));
  if (!file.isEmpty()) ExportCsv(file);
}

}  // namespace kalnika::ui
