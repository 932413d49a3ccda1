// The PDF and CSV files of the File menu, written through the window's own
// functions (the menu adds only a file dialog). The PDF pages are rendered with
// poppler's pdftoppm and read back with pdftotext, tools independent of Qt.
#include "export_test.h"

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
#include <QTest>

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
  QTest::addColumn<QStringList>("titles");
  QTest::newRow("Save as PDF: the shown month on one page") << "month" << 1 << QStringList{"December 2026"};
  QTest::newRow("Save Year as PDF: the twelve months of the shown year")
      << "year" << 12 << QStringList{"January 2026", "June 2026", "December 2026"};
  QTest::newRow("Print: the page the printer gets, here a PDF printer")
      << "printer" << 1 << QStringList{"December 2026"};
}

void ExportTest::pdfPagesRenderWithTheirTexts() {
  QFETCH(QString, how);
  QFETCH(int, pages);
  QFETCH(QStringList, titles);
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
  for (const QString& title : titles) QVERIFY2(text.contains(title), qPrintable(title));
  QVERIFY(text.contains(QStringLiteral("Mumbai, Maharashtra, India")));
  // The year name of 2026 (Parabhava, " p:raB:v:" in the stored bytes) is on every
  // page as Unicode text, never as the stored bytes.
  QVERIFY2(text.contains(Unicode(SamvatsaraNames[28]).trimmed()), qPrintable(text.left(400)));
  QVERIFY(!text.contains(QStringLiteral("p:raB:v:")));
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
  QTest::newRow("Devanagari digits") << false;
  QTest::newRow("Western digits") << true;
}

void ExportTest::csvHoldsTheShownMonthInUnicode() {
  QFETCH(bool, western);
  const xdvng::Digits digits = western ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
  ui::DisplayOptions options = session->Window()->Display();
  options.digits = digits;
  session->Window()->SetDisplay(options);
  const QString csv = session->output.filePath(QStringLiteral("month.csv"));
  QVERIFY(session->Window()->Files().ExportCsv(csv));

  QFile file(csv);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
  QVERIFY(bytes.endsWith("\r\n"));
  QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));  // every line ends in CR LF
  const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 1 + 31 + 1);  // headings, the 31 days of December, the end
  const auto reference = ComputeMonth(session->places.File(), kToday);
  for (int r = 0; r <= 31; ++r) {
    const QStringList fields = CsvFields(lines[r]);
    QCOMPARE(fields.size(), kTableColumns);
    for (int c = 0; c < kTableColumns; ++c)
      QVERIFY2(fields[c] == Unicode(reference->table().cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], digits),
               qPrintable(QStringLiteral("row %1, column %2: %3").arg(r).arg(c).arg(fields[c])));
  }
  // The dark fortnight's label begins with a blank, so its field is quoted.
  QVERIFY(lines[1].contains(QLatin1Char('"') + Unicode(kDarkFortnight) + QLatin1Char('"')));
}

void ExportTest::failedWritesAreReported_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("Save as PDF") << "month";
  QTest::newRow("Save Year as PDF") << "year";
  QTest::newRow("Export CSV") << "csv";
}

void ExportTest::failedWritesAreReported() {
  QFETCH(QString, kind);
  // A folder that does not exist cannot take the file, whoever runs the test.
  const QString file = session->output.filePath(QStringLiteral("missing/folder/out.file"));
  ui::MainWindow* window = session->Window();
  const bool written = kind == QStringLiteral("month") ? window->Files().SaveMonthPdf(file)
                       : kind == QStringLiteral("year") ? window->Files().SaveYearPdf(file)
                                                        : window->Files().ExportCsv(file);
  QVERIFY(!written);
  QVERIFY(!QFile::exists(file));
  QCOMPARE(session->messages.seen.size(), 1);
  QVERIFY2(session->messages.seen.front().text.contains(QStringLiteral("could not be written")),
           qPrintable(session->messages.seen.front().text));

  // Without a shown month (after a refused input) there is nothing to write.
  window->findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QStringLiteral("78"));
  window->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
  const QString other = session->output.filePath(QStringLiteral("out.file"));
  const bool writtenAfterRefusal = kind == QStringLiteral("month") ? window->Files().SaveMonthPdf(other)
                                   : kind == QStringLiteral("year") ? window->Files().SaveYearPdf(other)
                                                                    : window->Files().ExportCsv(other);
  QVERIFY(!writtenAfterRefusal);
  QVERIFY(!QFile::exists(other));
  QCOMPARE(session->messages.seen.size(), 3);  // the refusal, then the export's message
  QVERIFY(session->messages.seen.last().text.startsWith(QStringLiteral("No month table is shown")));
}

}  // namespace kalnika::ui_test
