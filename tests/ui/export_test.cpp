// The PDF, CSV and iCalendar files of the File menu, written through the window's
// own functions (the menu adds only its dialogs). The PDF pages are rendered with
// poppler's pdftoppm and read back with pdftotext, tools independent of Qt; the
// calendar is read back with libical's parser.
#include "export_test.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSet>
#include <QTest>
#include <libical/ical.h>

#include "almanac/csv.h"
#include "almanac/name_tables.h"
#include "ui/main_window.h"
#include "ui/month_files.h"
#include "ui/month_document.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

const QDate kToday(2026, 12, 5);

struct Session {
  TempPlaces places;
  QTemporaryDir output;
  MessageCatcher messages;
  std::unique_ptr<ui::Application> program;
  ui::MainWindow* Window() const { return program->mainWindow(); }
};

std::unique_ptr<Session> session;

// Runs a tool; its standard output, or a null array when it failed.
QByteArray Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return {};
  QByteArray out = process.readAllStandardOutput();
  return out.isNull() ? QByteArray("") : out;
}

// Share of pixels of an image that are darker than light grey: text and lines.
double InkShare(const QImage& image) {
  qsizetype dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 160) ++dark;
  return static_cast<double>(dark) / static_cast<double>(image.width() * image.height());
}

// The fields of one CSV line (RFC 4180: quoted fields with doubled quotes).
QStringList CsvFields(const QString& line) {
  QStringList fields;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar ch = line[i];
    if (quoted) {
      if (ch == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
        field += ch;
        ++i;
      } else if (ch == QLatin1Char('"')) {
        quoted = false;
      } else {
        field += ch;
      }
    } else if (ch == QLatin1Char('"')) {
      quoted = true;
    } else if (ch == QLatin1Char(',')) {
      fields << field;
      field.clear();
    } else {
      field += ch;
    }
  }
  fields << field;
  return fields;
}

}  // namespace

void ExportTest::init() {
  QSettings().clear();
  session = std::make_unique<Session>();
  session->program = StartProgram(session->places.File(), kToday);
}

void ExportTest::cleanup() {
  session.reset();
  SettleDeletes();
}

void ExportTest::pdfPagesRenderWithTheirTexts_data() {
  QTest::addColumn<QString>("how");  // "month", "year" or "printer"
  QTest::addColumn<int>("pages");
  QTest::addColumn<QStringList>("headings");  // texts of the headings found on the pages
  QTest::addColumn<QString>("title");         // the PDF's title (null: none set)
  // Headings in the table's language: the stored month names (GregorianMonthNames)
  // and the year in Devanagari digits. pdftotext reads back only the clusters whose
  // glyphs stand for one character each (it drops the i-sign of डिसेंबर), so the
  // pages are checked by the year and the names of January and June; the exact
  // heading is in the title.
  const QString year = QStringLiteral("\u0968\u0966\u0968\u096C");  // २०२६
  const QString december = Unicode(GregorianMonthNames[11]) + QLatin1Char(' ') + year;
  QTest::newRow("Save as PDF: the shown month on one page")
      << "month" << 1 << QStringList{year} << december + QStringLiteral(", Mumbai, Maharashtra, India");
  QTest::newRow("Save Year as PDF: the twelve months of the shown year")
      << "year" << 12
      << QStringList{Unicode(GregorianMonthNames[0]) + QLatin1Char(' ') + year,
                     Unicode(GregorianMonthNames[5]) + QLatin1Char(' ') + year}
      << year + QStringLiteral(", Mumbai, Maharashtra, India");
  QTest::newRow("Print: the page the printer gets, here a PDF printer") << "printer" << 1 << QStringList{year}
                                                                        << QString();
}

void ExportTest::pdfPagesRenderWithTheirTexts() {
  QFETCH(QString, how);
  QFETCH(int, pages);
  QFETCH(QStringList, headings);
  QFETCH(QString, title);
  const QString pdf = session->output.filePath(QStringLiteral("month.pdf"));
  if (how == QStringLiteral("month")) {
    QVERIFY(session->Window()->Files().SaveMonthPdf(pdf));
  } else if (how == QStringLiteral("year")) {
    QVERIFY(session->Window()->Files().SaveYearPdf(pdf));
  } else {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(QPageLayout::Landscape);
    ui::PrintPages(printer, {session->Window()->ShownPage()}, session->Window()->Display());
  }
  QVERIFY(session->messages.seen.isEmpty());
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.read(5), QByteArray("%PDF-"));
  file.close();

  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
  const QString prefix = session->output.filePath(QStringLiteral("page"));
  QVERIFY(!Run(pdftoppm, {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), pdf, prefix}).isNull());
  const QStringList rendered =
      QDir(session->output.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
  QCOMPARE(rendered.size(), pages);
  for (const QString& name : rendered) {
    const QImage image(session->output.filePath(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QVERIFY2(image.width() > image.height(), qPrintable(name));  // landscape
    // A page of a month table carries ink, and is far from black.
    const double ink = InkShare(image);
    QVERIFY2(ink > 0.02 && ink < 0.5, qPrintable(QStringLiteral("%1: ink %2").arg(name).arg(ink)));
  }

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
  const QString text = QString::fromUtf8(Run(pdftotext, {pdf, QStringLiteral("-")}));
  for (const QString& heading : headings)
    QVERIFY2(text.contains(heading), qPrintable(heading + QStringLiteral(" in: ") + text.left(300)));
  // The place with its coordinates and zone under the heading.
  QVERIFY(text.contains(QStringLiteral("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)")));
  // The year name of 2026 (Parabhava, " p:raB:v:" in the stored bytes) is on every
  // page as Unicode text, never as the stored bytes.
  QVERIFY2(text.contains(Unicode(SamvatsaraNames[28]).trimmed()), qPrintable(text.left(400)));
  QVERIFY(!text.contains(QStringLiteral("p:raB:v:")));

  if (title.isNull()) return;
  const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
  if (pdfinfo.isEmpty()) QSKIP("pdfinfo (poppler-utils) is not installed");
  const QString info = QString::fromUtf8(Run(pdfinfo, {pdf}));
  QString shownTitle;
  for (const QString& line : info.split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("Title:"))) shownTitle = line.mid(6).trimmed();
  QCOMPARE(shownTitle, title);
}

void ExportTest::yearPdfLeavesTheWindowAsItWas() {
  ui::MainWindow* window = session->Window();
  window->findChild<QComboBox*>(QStringLiteral("lstMonth"))->setCurrentIndex(6);
  window->findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QStringLiteral("2025"));
  window->findChild<QComboBox*>(QStringLiteral("lstLocation"))->setCurrentIndex(1);
  window->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
  QVERIFY(window->Files().SaveYearPdf(session->output.filePath(QStringLiteral("2025.pdf"))));

  QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("lstMonth"))->currentIndex(), 6);
  QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtYear"))->text(), QStringLiteral("2025"));
  QCOMPARE(window->Model().Shown()->values.month, 7);
  const auto reference = ComputeMonth(session->places.File(), kToday, 6, "2025", 1);
  const QString mismatch =
      GridMismatch(window->findChild<QTableWidget*>(QStringLiteral("Kalnika")), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QVERIFY(session->messages.seen.isEmpty());
}

void ExportTest::csvHoldsTheShownMonthInUnicode_data() {
  QTest::addColumn<bool>("western");
  QTest::addColumn<bool>("latin");
  QTest::addColumn<QString>("dayOne");  // the day column of the first record
  QTest::newRow("Devanagari digits") << false << false << QStringLiteral("\u0967");
  QTest::newRow("Western digits") << true << false << "1";
  QTest::newRow("Latin script") << true << true << "1";
}

void ExportTest::csvHoldsTheShownMonthInUnicode() {
  QFETCH(bool, western);
  QFETCH(bool, latin);
  QFETCH(QString, dayOne);
  const xdvng::Digits digits = western ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
  const DisplayForm form(latin ? Script::Latin : Script::Unicode, digits);
  ui::MainWindow* window = session->Window();
  ui::DisplayOptions options = window->Display();
  options.digits = digits;
  options.script = form.script;
  window->SetDisplay(options.Prepared());
  // London, March 2026, as chosen and calculated in the window.
  window->findChild<QComboBox*>(QStringLiteral("lstMonth"))->setCurrentIndex(2);
  window->findChild<QComboBox*>(QStringLiteral("lstLocation"))->setCurrentIndex(1);
  window->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
  const QString csv = session->output.filePath(QStringLiteral("month.csv"));
  QVERIFY(window->Files().ExportCsv(csv));

  QFile file(csv);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  // A byte-order mark for spreadsheets, then the one CSV writer's text of the month
  // shown (its layout: tests/almanac/csv_test), with the digits of the View menu.
  const MonthSheet& shown = *window->Model().Shown();
  QCOMPARE(shown.values.month, 3);
  QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF") +
                      QByteArray::fromStdString(
                          MonthCsv(shown.values, shown.table, SheetPlace(shown), form)));
  const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 1 + 31 + 1);  // headings, the 31 days of March, the end
  const QStringList fields = CsvFields(lines[1]);
  QCOMPARE(fields[17], QStringLiteral("London, England, UK (51 N 30, 000 W 07, UTC +00:00)"));
  QCOMPARE(fields[1], dayOne);
  // A Latin display names the Gregorian month in English (almanac/display_text).
  QCOMPARE(fields[0] == QStringLiteral("March"), latin);
}

void ExportTest::calendarExportHoldsTheShownMonthOrYear_data() {
  QTest::addColumn<bool>("wholeYear");
  QTest::addColumn<bool>("tithis");
  QTest::addColumn<bool>("latin");
  QTest::addColumn<int>("months");         // months with events
  QTest::addColumn<QStringList>("summaries");  // among the events' summaries
  // December 2026 at Mumbai: मोक्षदा एकादशी on the 20th; the tithi of the 1st is
  // कार्तिक कृष्ण अष्टमी (mumbai-2026-12.json); their Latin forms: tests/ical.
  QTest::newRow("the shown month in Devanagari")
      << false << false << false << 1
      << QStringList{QStringLiteral("\u092E\u094B\u0915\u094D\u0937\u0926\u093E \u090F\u0915\u093E\u0926\u0936\u0940")};
  QTest::newRow("the whole year with each day's tithi in Latin")
      << true << true << true << 12 << QStringList{"Mokshada Ekadashi", "Kartik Krushna Ashtami"};
}

void ExportTest::calendarExportHoldsTheShownMonthOrYear() {
  QFETCH(bool, wholeYear);
  QFETCH(bool, tithis);
  QFETCH(bool, latin);
  QFETCH(int, months);
  QFETCH(QStringList, summaries);
  ui::MainWindow* window = session->Window();
  QVERIFY(window->findChild<QAction*>(QStringLiteral("actionExportCalendar")) != nullptr);
  if (latin) window->findChild<QAction*>(QStringLiteral("actionLatin"))->trigger();
  const QString file = session->output.filePath(QStringLiteral("Mumbai.ics"));
  QVERIFY(window->Files().ExportCalendar(file, wholeYear, tithis));
  QFile written(file);
  QVERIFY(written.open(QIODevice::ReadOnly));
  const QByteArray text = written.readAll();
  QVERIFY(text.startsWith("BEGIN:VCALENDAR\r\n"));

  // Read back with libical's parser.
  icalcomponent* calendar = icalparser_parse_string(text.constData());
  QVERIFY(calendar != nullptr);
  QSet<int> seenMonths;
  QStringList seen;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    seenMonths.insert(icalcomponent_get_dtstart(e).month);
    seen << QString::fromUtf8(icalcomponent_get_summary(e));
  }
  icalcomponent_free(calendar);
  QCOMPARE(seenMonths.size(), months);
  for (const QString& summary : summaries) QVERIFY2(seen.contains(summary), qPrintable(summary));
  QVERIFY(session->messages.seen.isEmpty());
}

void ExportTest::failedWritesAreReported_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("Save as PDF") << "month";
  QTest::newRow("Save Year as PDF") << "year";
  QTest::newRow("Export CSV") << "csv";
  QTest::newRow("Export Calendar") << "ics";
}

void ExportTest::failedWritesAreReported() {
  QFETCH(QString, kind);
  // A folder that does not exist cannot take the file, whoever runs the test.
  const QString file = session->output.filePath(QStringLiteral("missing/folder/out.file"));
  ui::MainWindow* window = session->Window();
  const auto write = [window, &kind](const QString& to) {
    return kind == QStringLiteral("month")  ? window->Files().SaveMonthPdf(to)
           : kind == QStringLiteral("year") ? window->Files().SaveYearPdf(to)
           : kind == QStringLiteral("csv")  ? window->Files().ExportCsv(to)
                                            : window->Files().ExportCalendar(to, false, false);
  };
  const bool written = write(file);
  QVERIFY(!written);
  QVERIFY(!QFile::exists(file));
  QCOMPARE(session->messages.seen.size(), 1);
  QVERIFY2(session->messages.seen.front().text.contains(QStringLiteral("could not be written")),
           qPrintable(session->messages.seen.front().text));

  // Without a shown month (after a refused input) there is nothing to write.
  window->findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QStringLiteral("78"));
  window->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
  const QString other = session->output.filePath(QStringLiteral("out.file"));
  const bool writtenAfterRefusal = write(other);
  QVERIFY(!writtenAfterRefusal);
  QVERIFY(!QFile::exists(other));
  QCOMPARE(session->messages.seen.size(), 3);  // the refusal, then the export's message
  QVERIFY(session->messages.seen.last().text.startsWith(QStringLiteral("No month table is shown")));
}

}  // namespace kalnika::ui_test
