// The wall calendar in the window, driven through the window's actions and its
// file functions (the menu adds only a file dialog). The PDF pages are read back
// with poppler's pdftoppm, pdfinfo and pdftotext, tools independent of Qt.
#include "wall_calendar_test.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QAbstractButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "almanac/name_tables.h"
#include "forms/wall_calendar.h"
#include "ui/main_window.h"
#include "ui/wall_calendar_document.h"
#include "ui/wall_calendar_files.h"
#include "ui/wall_calendar_view.h"
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
  QAction* Action(const char* name) const { return Window()->findChild<QAction*>(QString::fromLatin1(name)); }
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

// "डिसेंबर २०२६": a stored month name and a year in Devanagari digits.
QString MonthAndYear(int month, const char* year) {
  return Unicode(GregorianMonthNames[static_cast<std::size_t>(month - 1)]) + QLatin1Char(' ') + Unicode(year);
}

}  // namespace

void WallCalendarTest::init() {
  QSettings().clear();
  session = std::make_unique<Session>();
  session->program = StartProgram(session->places.File(), kToday);
}

void WallCalendarTest::cleanup() {
  session.reset();
  SettleDeletes();
}

void WallCalendarTest::viewChoiceIsShownAndRemembered() {
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
  session->program.reset();
  SettleDeletes();
  session->program = StartProgram(session->places.File(), kToday);
  QCOMPARE(session->Window()->ShownMonthView(), ui::MonthView::Wall);
  QVERIFY(session->Action("actionWallCalendar")->isChecked());
  session->Action("actionMonthTable")->trigger();
  QCOMPARE(session->Window()->ShownMonthView(), ui::MonthView::Table);
  QCOMPARE(QSettings().value(QStringLiteral("view/month")).toString(), QStringLiteral("table"));
}

void WallCalendarTest::fileMenuHasTheWallCalendarBeforeQuit() {
  QMenu* file = session->Window()->menuBar()->actions().front()->menu();
  QStringList names;
  for (const QAction* action : file->actions()) names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
  QCOMPARE(names.mid(names.size() - 5), (QStringList{QStringLiteral("actionPrintWallCalendar"),
                                                      QStringLiteral("actionSaveWallPdf"),
                                                      QStringLiteral("actionSaveYearWallPdf"), QStringLiteral("-"),
                                                      QStringLiteral("actionQuit")}));
  QVERIFY(names.contains(QStringLiteral("actionSavePdf")));  // the table's files stay
}

void WallCalendarTest::pageFollowsTheShownMonth_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("title");  // of the page shown; empty: none
  QTest::addColumn<QString>("place");
  const QString mumbai = QStringLiteral("Mumbai, Maharashtra, India");
  QTest::newRow("start-up month") << "" << MonthAndYear(12, "2026") << mumbai;
  QTest::newRow("next month button") << "next" << MonthAndYear(1, "2027") << mumbai;
  QTest::newRow("another place calculated") << "london" << MonthAndYear(12, "2026")
                                            << QStringLiteral("London, England, UK");
  QTest::newRow("refused year: no page") << "refused" << QString() << QString();
  QTest::newRow("Western digits chosen") << "western" << Unicode(GregorianMonthNames[11]) + QStringLiteral(" 2026")
                                         << mumbai;
}

void WallCalendarTest::pageFollowsTheShownMonth() {
  QFETCH(QString, how);
  QFETCH(QString, title);
  QFETCH(QString, place);
  ui::MainWindow* window = session->Window();
  session->Action("actionWallCalendar")->trigger();
  const auto click = [window](const char* name) { window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); };
  if (how == QStringLiteral("next")) {
    click("cmdNextMonth");
  } else if (how == QStringLiteral("london")) {
    window->findChild<QComboBox*>(QStringLiteral("lstLocation"))->setCurrentIndex(1);
    click("cmdCalculate");
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
  QCOMPARE(page->placeName, place);
  QCOMPARE(page->weekdays[0], Unicode(WeekdayNames[0]));  // रविवार heads the first column
}

void WallCalendarTest::squareTooltipHoldsTheWholeDay() {
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
}

void WallCalendarTest::pdfPagesArePortraitWithTheirTitle_data() {
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

void WallCalendarTest::pdfPagesArePortraitWithTheirTitle() {
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

  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
  const QString prefix = session->output.filePath(QStringLiteral("page"));
  QVERIFY(!Run(pdftoppm, {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), pdf, prefix}).isNull());
  const QStringList rendered =
      QDir(session->output.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
  QCOMPARE(rendered.size(), pages);
  for (const QString& name : rendered) {
    const QImage image(session->output.filePath(name));
    QVERIFY2(!image.isNull() && image.height() > image.width(), qPrintable(name));  // portrait
  }

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
  // The footer names the place with its coordinates and zone, on every page.
  const QString text = QString::fromUtf8(Run(pdftotext, {pdf, QStringLiteral("-")}));
  QCOMPARE(text.count(QStringLiteral("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)")), pages);

  if (title.isNull()) return;
  const QString info = QString::fromUtf8(Run(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf}));
  QString shownTitle;
  for (const QString& line : info.split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("Title:"))) shownTitle = line.mid(6).trimmed();
  QCOMPARE(shownTitle, title);
}

void WallCalendarTest::failedWritesAreReported_data() {
  QTest::addColumn<bool>("wholeYear");
  QTest::newRow("Save Wall Calendar as PDF") << false;
  QTest::newRow("Save Year Wall Calendar as PDF") << true;
}

void WallCalendarTest::failedWritesAreReported() {
  QFETCH(bool, wholeYear);
  // A folder that does not exist cannot take the file, whoever runs the test.
  const QString file = session->output.filePath(QStringLiteral("missing/folder/wall.pdf"));
  ui::WallCalendarFiles& files = session->Window()->WallFiles();
  QVERIFY(!(wholeYear ? files.SaveYearPdf(file) : files.SaveMonthPdf(file)));
  QVERIFY(!QFile::exists(file));
  QCOMPARE(session->messages.seen.size(), 1);
  QVERIFY2(session->messages.seen.front().text.contains(QStringLiteral("could not be written")),
           qPrintable(session->messages.seen.front().text));
}

}  // namespace kalnika::ui_test
