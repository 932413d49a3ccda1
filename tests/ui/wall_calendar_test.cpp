// The wall calendar in the window, driven through the window's actions and its
// file functions (the menu adds only a file dialog). The PDF pages are read back
// with poppler's pdftoppm, pdfinfo and pdftotext, tools independent of Qt; the
// failed writes of its files are tested with the others in export_test.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QAbstractButton>
#include <QSettings>
#include <QTest>

#include "almanac/name_tables.h"
#include "forms/wall_calendar.h"
#include "ui/wall_calendar_document.h"
#include "ui/wall_calendar_files.h"
#include "ui/wall_calendar_view.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// "डिसेंबर २०२६": a stored month name and a year in Devanagari digits.
QString MonthAndYear(int month, const char* year) {
  return Unicode(GregorianMonthNames[static_cast<std::size_t>(month - 1)]) + QLatin1Char(' ') + Unicode(year);
}

}  // namespace

// The wall calendar in the window: the View menu's choice between it and the
// table, the page following the model's shown month, the squares' tooltips, and
// its print and PDF pages. Which text goes in which square is tested headless in
// tests/forms/wall_calendar_test.
class WallCalendarTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();
  }
  void cleanup() { EndSession(); }

  void viewChoiceIsShownAndRemembered() {
    ui::MainWindow* window = session->Window();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* grid = window->findChild<QWidget*>(QStringLiteral("Kalnika"));
    // A first start shows the table.
    QCOMPARE(window->ShownMonthView(), ui::MonthView::Table);
    QVERIFY(grid->isVisible());
    QVERIFY(!window->WallView().isVisible());
    QVERIFY(session->Action("actionMonthTable")->isChecked());

    session->Action("actionWallCalendar")->trigger();
    QVERIFY(window->WallView().isVisible());
    QVERIFY(!grid->isVisible());
    QVERIFY(session->Action("actionWallCalendar")->isChecked());
    QVERIFY(!session->Action("actionMonthTable")->isChecked());

    // The next start shows the wall calendar again.
    session->Start();
    QCOMPARE(session->Window()->ShownMonthView(), ui::MonthView::Wall);
    QVERIFY(session->Action("actionWallCalendar")->isChecked());
    session->Action("actionMonthTable")->trigger();
    QCOMPARE(session->Window()->ShownMonthView(), ui::MonthView::Table);
    QCOMPARE(QSettings().value(QStringLiteral("view/month")).toString(), QStringLiteral("table"));
  }

  void fileMenuHasTheWallCalendarBeforeQuit() {
    QMenu* file = session->Window()->menuBar()->actions().front()->menu();
    QStringList names;
    for (const QAction* action : file->actions()) names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(names.mid(names.size() - 5), (QStringList{QStringLiteral("actionPrintWallCalendar"),
                                                        QStringLiteral("actionSaveWallPdf"),
                                                        QStringLiteral("actionSaveYearWallPdf"), QStringLiteral("-"),
                                                        QStringLiteral("actionQuit")}));
    QVERIFY(names.contains(QStringLiteral("actionSavePdf")));  // the table's files stay
  }

  void pageFollowsTheShownMonth_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("title");  // of the page shown; empty: none
    QTest::newRow("start-up month") << "" << MonthAndYear(12, "2026");
    QTest::newRow("next month button") << "next" << MonthAndYear(1, "2027");
    QTest::newRow("refused year: no page") << "refused" << QString();
    QTest::newRow("Western digits chosen") << "western" << Unicode(GregorianMonthNames[11]) + QStringLiteral(" 2026");
  }

  void pageFollowsTheShownMonth() {
    QFETCH(QString, how);
    QFETCH(QString, title);
    ui::MainWindow* window = session->Window();
    session->Action("actionWallCalendar")->trigger();
    const auto click = [window](const char* name) { window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); };
    if (how == QStringLiteral("next")) {
      click("cmdNextMonth");
    } else if (how == QStringLiteral("refused")) {
      window->findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QStringLiteral("78"));
      click("cmdCalculate");
    } else if (how == QStringLiteral("western")) {
      ui::DisplayOptions options = window->Display();
      options.digits = xdvng::Digits::Latin;
      window->SetDisplay(options);
    }
    const std::optional<ui::WallPageTexts>& page = window->WallView().Page();
    if (title.isEmpty()) {
      QVERIFY(!page.has_value());
      return;
    }
    QVERIFY(page.has_value());
    QCOMPARE(page->title, title);
    QCOMPARE(page->placeName, QStringLiteral("Mumbai, Maharashtra, India"));
    QCOMPARE(page->weekdays[0], Unicode(WeekdayNames[0]));  // रविवार heads the first column
  }

  void squareTooltipHoldsTheWholeDay() {
    QSettings().setValue(QStringLiteral("calculation/method"), QStringLiteral("classic"));  // the sample table's
    session->Start();
    ui::MainWindow* window = session->Window();
    session->Action("actionWallCalendar")->trigger();
    window->resize(1000, 700);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    ui::WallCalendarView& view = window->WallView();
    // The tooltips across the page: one per square of a date, none elsewhere.
    QStringList tips;
    bool emptyAbove = true;
    for (int y = 2; y < view.height(); y += 7) {
      for (int x = 2; x < view.width(); x += 7) {
        const QString tip = view.ToolTipAt(QPointF(x, y));
        if (y < 20) emptyAbove = emptyAbove && tip.isEmpty();  // the header
        if (!tip.isEmpty() && !tips.contains(tip)) tips << tip;
      }
    }
    QVERIFY(emptyAbove);
    QCOMPARE(tips.size(), 31);
    // 15 December 2026 at Mumbai: the tithi, the nakshatra and the Sun's entry into
    // Dhanu at 22:45 (golden/mumbai-2026-12.json, row 15), whole.
    const auto fifteenth = std::find_if(tips.begin(), tips.end(), [](const QString& tip) {
      return tip.startsWith(Unicode("15") + QLatin1Char(' '));
    });
    QVERIFY(fifteenth != tips.end());
    QVERIFY2(fifteenth->contains(Unicode("s:\xDCy:a\xFC" "c:a D:n:\xD8 raeS:)v:\xF0S: 22H45")), qPrintable(*fifteenth));
    QVERIFY2(fifteenth->contains(Unicode(NaxatraNames[22])), qPrintable(*fifteenth));
    QVERIFY2(fifteenth->contains(Unicode("S:\xD8Vl: \\:\xC5i 21H21")), qPrintable(*fifteenth));
    // And the rest of the row: the lunar month मार्गशीर्ष, the yoga हर्षण, the Moon in
    // कुंभ and the Sun in धनु, sunrise 7:03 and sunset 18:03.
    for (const char* stored : {"m:ag:\xFCS:i\\:\xFC", "h\\:\xFCN:", "k\xD9\xF6" "B:", "D:n:\xD8", "7H3", "18H3"})
      QVERIFY2(fifteenth->contains(Unicode(stored)), qPrintable(*fifteenth + QStringLiteral(" / ") + Unicode(stored)));
    QVERIFY2(fifteenth->contains(Unicode(ColumnHeadings[IndexOf(Column::Sunrise)])), qPrintable(*fifteenth));
  }

  void pdfPagesArePortraitWithTheirTitle_data() {
    QTest::addColumn<QString>("how");  // "month", "year" or "printer"
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("title");  // the PDF's title (null: none set)
    const QString calendar = Unicode(kWallCalendarWord);  // दिनदर्शिका
    const QString place = QStringLiteral(", Mumbai, Maharashtra, India");
    QTest::newRow("Save Wall Calendar as PDF: the shown month")
        << "month" << 1 << calendar + QLatin1Char(' ') + MonthAndYear(12, "2026") + place;
    QTest::newRow("Save Year Wall Calendar as PDF: twelve months")
        << "year" << 12 << calendar + QLatin1Char(' ') + Unicode("2026") + place;
    QTest::newRow("Print Wall Calendar: here to a PDF printer") << "printer" << 1 << QString();
  }

  void pdfPagesArePortraitWithTheirTitle() {
    QFETCH(QString, how);
    QFETCH(int, pages);
    QFETCH(QString, title);
    ui::MainWindow* window = session->Window();
    const QString pdf = session->output.filePath(QStringLiteral("wall.pdf"));
    if (how == QStringLiteral("month")) {
      QVERIFY(window->WallFiles().SaveMonthPdf(pdf));
    } else if (how == QStringLiteral("year")) {
      QVERIFY(window->WallFiles().SaveYearPdf(pdf));
    } else {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      printer.setPageOrientation(QPageLayout::Portrait);
      ui::PrintWallPages(printer, {window->ShownPage()}, window->Display());
    }
    QVERIFY(session->messages.seen.isEmpty());

    if (!HavePoppler()) QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed");
    const QList<QImage> rendered = RenderPages(pdf, 20, session->output.path());
    QCOMPARE(rendered.size(), pages);
    for (const QImage& image : rendered) QVERIFY(image.height() > image.width());  // portrait
    // The footer names the place with its coordinates and zone, on every page.
    QCOMPARE(PdfText(pdf).count(QStringLiteral("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)")), pages);
    if (!title.isNull()) QCOMPARE(PdfTitle(pdf), title);
  }
};

const bool registered = RegisterTest<WallCalendarTest>();

}  // namespace kalnika::ui_test

#include "wall_calendar_test.moc"
