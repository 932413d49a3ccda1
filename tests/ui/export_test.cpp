// The PDF, CSV and iCalendar files of the File menu, written through the window's
// own functions (the menu adds only its dialogs). The PDF pages are rendered with
// poppler's pdftoppm and read back with pdftotext, tools independent of Qt; the
// calendar is read back with libical's parser.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <libical/ical.h>

#include "almanac/name_tables.h"
#include "ui/month_files.h"
#include "ui/wall_calendar_files.h"
#include "ui/month_document.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// Share of pixels of an image that are darker than light grey: text and lines.
double InkShare(const QImage& image) {
  qsizetype dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 160) ++dark;
  return static_cast<double>(dark) / static_cast<double>(image.width() * image.height());
}

}  // namespace

// The File menu's PDF, CSV and iCalendar files of the shown month and year, and
// the failed writes of all its files, the wall calendar's too.
class ExportTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();
  }
  void cleanup() { EndSession(); }

  void pdfPagesRenderWithTheirTexts_data() {
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

  void pdfPagesRenderWithTheirTexts() {
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

    if (!HavePoppler()) QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed");
    const QList<QImage> rendered = RenderPages(pdf, 30, session->output.path());
    QCOMPARE(rendered.size(), pages);
    for (qsizetype page = 0; page < rendered.size(); ++page) {
      const QImage& image = rendered[page];
      QVERIFY2(image.width() > image.height(), qPrintable(QString::number(page)));  // landscape
      // A page of a month table carries ink, and is far from black.
      const double ink = InkShare(image);
      QVERIFY2(ink > 0.02 && ink < 0.5, qPrintable(QStringLiteral("page %1: ink %2").arg(page).arg(ink)));
    }

    const QString text = PdfText(pdf);
    for (const QString& heading : headings)
      QVERIFY2(text.contains(heading), qPrintable(heading + QStringLiteral(" in: ") + text.left(300)));
    // The place with its coordinates and zone under the heading.
    QVERIFY(text.contains(QStringLiteral("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)")));
    // The year name of 2026 (Parabhava, " p:raB:v:" in the stored bytes) is on every
    // page as Unicode text, never as the stored bytes.
    QVERIFY2(text.contains(Unicode(SamvatsaraNames[28]).trimmed()), qPrintable(text.left(400)));
    QVERIFY(!text.contains(QStringLiteral("p:raB:v:")));
    if (!title.isNull()) QCOMPARE(PdfTitle(pdf), title);
  }

  void yearPdfLeavesTheWindowAsItWas() {
    ui::MainWindow* window = session->Window();
    session->Enter(6, QStringLiteral("2025"), 1);
    session->Click("cmdCalculate");
    QVERIFY(window->Files().SaveYearPdf(session->output.filePath(QStringLiteral("2025.pdf"))));

    QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("lstMonth"))->currentIndex(), 6);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtYear"))->text(), QStringLiteral("2025"));
    QCOMPARE(window->Model().Shown()->values.month, 7);
    QCOMPARE(GridMismatch(session->Grid(), window->Model().Table(), DisplayForm(Script::Unicode, xdvng::Digits::Devanagari)), QString());
    QVERIFY(session->messages.seen.isEmpty());
  }

  void csvHoldsTheShownMonthInUnicode_data() {
    QTest::addColumn<bool>("latin");      // the Latin script with Western digits, else Devanagari
    QTest::addColumn<QString>("dayOne");  // the day column of the first record
    QTest::addColumn<QString>("sign");    // the Sun's sign on 1 March 2026 at London
    // The texts in the script of the display, the digits Western: spreadsheets read
    // 0-9 as numbers (display/csv.h).
    QTest::newRow("Devanagari") << false << "1" << Unicode(RaashiNames[10]);
    QTest::newRow("Latin script") << true << "1" << QStringLiteral("Kumbh");
  }

  void csvHoldsTheShownMonthInUnicode() {
    QFETCH(bool, latin);
    QFETCH(QString, dayOne);
    QFETCH(QString, sign);
    ui::MainWindow* window = session->Window();
    ui::DisplayOptions options = window->Display();
    options.digits = latin ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
    options.script = latin ? Script::Latin : Script::Unicode;
    window->SetDisplay(options.Prepared());
    // London, March 2026, as chosen and calculated in the window.
    session->Enter(2, QStringLiteral("2026"), 1);
    session->Click("cmdCalculate");
    const QString csv = session->output.filePath(QStringLiteral("month.csv"));
    QVERIFY(window->Files().ExportCsv(csv));

    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // A byte-order mark for spreadsheets, then the month shown (the CSV layout:
    // tests/almanac/csv_test), with the digits and script of the View menu.
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 31 + 1);  // headings, the 31 days of March, the end
    QVERIFY(lines[1].contains(QStringLiteral(",\"London, England, UK (51 N 30, 000 W 07, UTC +00:00)\",")));
    QCOMPARE(lines[1].section(QLatin1Char(','), 1, 1), dayOne);
    QCOMPARE(lines[1].section(QLatin1Char(','), 13, 13), sign);
    // A Latin display names the Gregorian month in English (almanac/display_text).
    QCOMPARE(lines[1].section(QLatin1Char(','), 0, 0) == QStringLiteral("March"), latin);
  }

  void calendarExportHoldsTheShownMonthOrYear_data() {
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

  void calendarExportHoldsTheShownMonthOrYear() {
    QFETCH(bool, wholeYear);
    QFETCH(bool, tithis);
    QFETCH(bool, latin);
    QFETCH(int, months);
    QFETCH(QStringList, summaries);
    ui::MainWindow* window = session->Window();
    QVERIFY(session->Action("actionExportCalendar") != nullptr);
    if (latin) session->Action("actionLatin")->trigger();
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

  // The file dialogs start in the folder a file was last chosen in, remembered for
  // the next start; before any, in the documents folder.
  void fileDialogsStartInTheFolderLastUsed() {
    QCOMPARE(ui::FileFolder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    ui::RememberFileFolder(session->output.filePath(QStringLiteral("Mumbai-2026-12.pdf")));
    QCOMPARE(ui::FileFolder(), session->output.path());
    QCOMPARE(QSettings().value(QStringLiteral("files/folder")).toString(), session->output.path());
    // A folder since removed: the documents folder again.
    ui::RememberFileFolder(session->output.filePath(QStringLiteral("gone/Mumbai-2026.pdf")));
    QCOMPARE(ui::FileFolder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  }

  // Without a font that writes Devanagari the window says so once, in English
  // (the Marathi texts would be boxes too).
  void aMissingDevanagariFontIsReported() {
    QVERIFY(ui::MissingFontWarning({}).contains(QStringLiteral("fonts-noto-core")));
    QVERIFY(ui::MissingFontWarning({QStringLiteral("Noto Sans Devanagari")}).isEmpty());
  }

  void failedWritesAreReported_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("Save as PDF") << "month";
    QTest::newRow("Save Year as PDF") << "year";
    QTest::newRow("Export CSV") << "csv";
    QTest::newRow("Export Calendar") << "ics";
    QTest::newRow("Save Wall Calendar as PDF") << "wall month";
    QTest::newRow("Save Year Wall Calendar as PDF") << "wall year";
  }

  void failedWritesAreReported() {
    QFETCH(QString, kind);
    // A folder that does not exist cannot take the file, whoever runs the test.
    const QString file = session->output.filePath(QStringLiteral("missing/folder/out.file"));
    ui::MainWindow* window = session->Window();
    const auto write = [window, &kind](const QString& to) {
      return kind == QStringLiteral("month")        ? window->Files().SaveMonthPdf(to)
             : kind == QStringLiteral("year")       ? window->Files().SaveYearPdf(to)
             : kind == QStringLiteral("csv")        ? window->Files().ExportCsv(to)
             : kind == QStringLiteral("wall month") ? window->WallFiles().SaveMonthPdf(to)
             : kind == QStringLiteral("wall year")  ? window->WallFiles().SaveYearPdf(to)
                                                    : window->Files().ExportCalendar(to, false, false);
    };
    const bool written = write(file);
    QVERIFY(!written);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(session->messages.seen.size(), 1);
    QVERIFY2(session->messages.seen.front().text.contains(QStringLiteral("could not be written")),
             qPrintable(session->messages.seen.front().text));

    // Without a shown month (after a refused input) there is nothing to write.
    session->Widget<QLineEdit>("txtYear")->setText(QStringLiteral("78"));
    session->Click("cmdCalculate");
    const QString other = session->output.filePath(QStringLiteral("out.file"));
    const bool writtenAfterRefusal = write(other);
    QVERIFY(!writtenAfterRefusal);
    QVERIFY(!QFile::exists(other));
    QCOMPARE(session->messages.seen.size(), 3);  // the refusal, then the export's message
    QVERIFY(session->messages.seen.last().text.startsWith(QStringLiteral("No month table is shown")));
  }
};

const bool registered = RegisterTest<ExportTest>();

}  // namespace kalnika::ui_test

#include "export_test.moc"
