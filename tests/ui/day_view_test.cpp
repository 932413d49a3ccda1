// The day view in the window: opened from a day row of the table and a square of
// the wall calendar, with the mouse and with the keyboard, and from the View menu;
// stepping with the keys; its one-page PDF read back with poppler's tools. What a
// day's page holds is tested headless in tests/almanac/day_values_test and
// tests/forms/frm_day_test.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "almanac/name_tables.h"
#include "ui/day_view_dialog.h"
#include "ui/wall_calendar_view.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// The text of the page's line whose label is `label` (its clock, or its value), or
// the empty text.
QString PageLine(ui::DayViewDialog* view, const QString& label) {
  if (!view->Page()) return {};
  for (const auto& section : view->Page()->sections)
    for (const auto& line : section.lines)
      if (line.label == label) return line.until.isEmpty() ? line.value : line.until;
  return {};
}

// The sunrise the day view shows, and the one the table shows for the same date
// (its row `row`): the table's heading of the column is the page's label too.
QString PageSunrise(ui::DayViewDialog* view) {
  const int column = static_cast<int>(IndexOf(Column::Sunrise));
  return PageLine(view, session->Grid()->item(0, column)->text());
}
QString TableSunrise(int row) { return session->Grid()->item(row, static_cast<int>(IndexOf(Column::Sunrise)))->text(); }

// The date the day view shows, or nothing when it is not open.
std::optional<CivilDate> DayShown(ui::MainWindow* window) {
  ui::DayViewDialog* view = window->DayView();
  if (view == nullptr || !view->isVisible() || !view->Model() || !view->Model()->Shown()) return std::nullopt;
  return view->Model()->Shown()->values.date;
}

// A point inside the wall calendar's square of a day.
QPoint SquareOf(ui::WallCalendarView& wall, int day) {
  for (int y = 0; y < wall.height(); y += 4)
    for (int x = 0; x < wall.width(); x += 4)
      if (wall.DayAt(QPointF(x, y)) == day) return {x + 6, y + 6};
  return {-1, -1};
}

}  // namespace

class DayViewTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();  // December 2026 at Mumbai
    session->Window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(session->Window()));
  }
  void cleanup() { EndSession(); }

  void opensFromATableRow() {
    ui::MainWindow* window = session->Window();
    QTableWidget* grid = session->Grid();
    // A double-click on a cell of the 14th's row.
    const QRect cell = grid->visualItemRect(grid->item(14, 8));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 14}));
    window->DayView()->close();
    // Enter on the 20th's row.
    grid->setCurrentCell(20, 3);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 20}));
    QVERIFY(session->messages.seen.isEmpty());
  }

  void opensFromAWallCalendarSquare() {
    ui::MainWindow* window = session->Window();
    session->Action("actionWallCalendar")->trigger();
    ui::WallCalendarView& wall = window->WallView();
    QVERIFY(QTest::qWaitForWindowExposed(&wall));
    const QPoint fifth = SquareOf(wall, 5);
    QVERIFY(fifth.x() >= 0);
    QTest::mouseDClick(&wall, Qt::LeftButton, Qt::NoModifier, fifth);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 5}));
    window->DayView()->close();
    // The keys: from the 5th chosen, right to the 6th, down a week to the 13th.
    wall.setFocus();
    QTest::keyClick(&wall, Qt::Key_Right);
    QTest::keyClick(&wall, Qt::Key_Down);
    QCOMPARE(wall.SelectedDay(), 13);
    QTest::keyClick(&wall, Qt::Key_Enter);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 13}));
  }

  // View > Day View opens the day chosen in the table, else today's date in the
  // shown month (5 December 2026), else its 1st; the arrows and Page Up and Down
  // step in the day view.
  void menuEntryAndSteppingKeys() {
    ui::MainWindow* window = session->Window();
    QAction* action = session->Action("actionDayView");
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    session->Grid()->setCurrentCell(-1, -1);
    action->trigger();
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 5}));
    ui::DayViewDialog* view = window->DayView();
    QVERIFY(Activate(view));
    QTRY_VERIFY(view->isActiveWindow());  // the keys go to the active window
    struct Key { Qt::Key key; CivilDate date; } keys[] = {{Qt::Key_Right, {2026, 12, 6}},
                                                          {Qt::Key_PageDown, {2026, 12, 7}},
                                                          {Qt::Key_Left, {2026, 12, 6}},
                                                          {Qt::Key_PageUp, {2026, 12, 5}}};
    for (const Key& k : keys) {
      QTest::keyClick(view, k.key);
      QCOMPARE(DayShown(window), std::optional(k.date));
    }
    // Across the month's end, from the 31st to 1 January of the next year.
    session->Grid()->setCurrentCell(31, 0);
    action->trigger();
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2027, 1, 1}));
  }

  // Saved as a PDF: one A4 portrait page, its title the date and the place, the
  // page's texts as drawn (the place line, the Rahu kalam label).
  void savesOnePagePdf() {
    ui::MainWindow* window = session->Window();
    window->OpenDayView(14);
    const QString pdf = session->output.filePath(QStringLiteral("day.pdf"));
    QVERIFY(window->DayView()->SavePdf(pdf));
    if (!HavePoppler()) QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed");
    const QList<QImage> pages = RenderPages(pdf, 20, session->output.path());
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].height() > pages[0].width());
    QVERIFY(PdfText(pdf).contains(QStringLiteral("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)")));
    QCOMPARE(PdfTitle(pdf), Unicode(WeekdayNames[1]) + QLatin1Char(' ') + Unicode("14") + QLatin1Char(' ') +
                                Unicode(GregorianMonthNames[11]) + QLatin1Char(' ') + Unicode("2026") +
                                QStringLiteral(", Mumbai, Maharashtra, India"));
    // A Latin script chosen in the window applies to the day view too (pdftotext
    // reads Latin letters back whole, Devanagari not always).
    ui::DisplayOptions latin = window->Display();
    latin.script = Script::Latin;
    window->SetDisplay(latin.Prepared());
    QVERIFY(window->DayView()->SavePdf(pdf));
    const QString text = PdfText(pdf);
    for (const char* word : {"Monday 14 December 2026", "Rahukal", "Yamaghant", "Gulik", "Abhijit", "Brahmamuhurta",
                             "Divasache Chaughadiya", "Ratriche Chaughadiya"})
      QVERIFY2(text.contains(QString::fromLatin1(word)), word);
  }

  // An open day view follows the main window: a month computed for another place or
  // clock shows the view's date for that place and clock, as the table's row of the
  // date does (the month and the day are computed apart: the day alone in
  // tests/forms/frm_day_test against its month's row), never the place left.
  void followsThePlaceAndClockOfTheWindow_data() {
    QTest::addColumn<int>("month");  // the month index, the place and the daylight-saving box opened with
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("change");  // "Calculate" with the boxes below, or a View menu entry
    QTest::addColumn<int>("newPlace");
    QTest::addColumn<bool>("newDaylightSaving");
    QTest::addColumn<QString>("placeLine");  // what the page's place line then holds
    // The sample file's places: 1 London, 2 Mumbai, 3 New York; London's zone name
    // is added for the automatic clock.
    QTest::newRow("another place: Mumbai to London, 14 December 2026")
        << 11 << 2 << "Calculate" << 1 << false << "London, England, UK (51 N 30, 000 W 07, UTC +00:00, Europe/London)";
    QTest::newRow("daylight saving ticked: New York, 14 July 2026")
        << 6 << 3 << "Calculate" << 3 << true << "New York, New York, USA (40 N 42, 074 W 00, UTC -04:00, daylight saving +1 h)";
    QTest::newRow("the clock by the box: London, 14 July 2026, from BST to GMT")
        << 6 << 1 << "actionManualClock" << 1 << false << "London, England, UK (51 N 30, 000 W 07, UTC +00:00)";
  }
  void followsThePlaceAndClockOfTheWindow() {
    QFETCH(int, month);
    QFETCH(int, place);
    QFETCH(QString, change);
    QFETCH(int, newPlace);
    QFETCH(bool, newDaylightSaving);
    QFETCH(QString, placeLine);
    session->places.Append("[TIME ZONES]\r\n1=Europe/London\r\n");
    session->Start();
    ui::MainWindow* window = session->Window();
    session->Enter(month, QStringLiteral("2026"), place);
    session->Click("cmdCalculate");
    window->OpenDayView(14);
    ui::DayViewDialog* view = window->DayView();
    const QString before = PageSunrise(view);
    QCOMPARE(before, TableSunrise(14));

    if (change == QStringLiteral("Calculate")) {
      session->Enter(month, QStringLiteral("2026"), newPlace);
      session->Widget<QCheckBox>("chkDST")->setChecked(newDaylightSaving);
      session->Click("cmdCalculate");
    } else {
      session->Action(qPrintable(change))->trigger();
    }
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, month + 1, 14}));
    QVERIFY2(view->Page()->place.contains(placeLine), qPrintable(view->Page()->place));
    QVERIFY(PageSunrise(view) != before);
    QCOMPARE(PageSunrise(view), TableSunrise(14));
    QVERIFY(session->messages.seen.isEmpty());
  }

  // The month or the year stepped in the window: the view keeps its date, computed
  // anew with the place file as it is then (a note added for the date's tithi by
  // another program shows: 14 December 2026 at Mumbai is Margashirsha Shukla
  // Panchami at sunrise, key 0805, which the sample file has no note for).
  void keepsItsDateWhenTheMonthSteps() {
    ui::MainWindow* window = session->Window();
    window->OpenDayView(14);
    ui::DayViewDialog* view = window->DayView();
    QVERIFY(view->Page()->notes.empty());
    session->places.Append("0805=\"NOTE\"\r\n");
    QVERIFY(Activate(window));
    QTest::keyClick(session->Grid(), Qt::Key_PageDown);
    QCOMPARE(window->Model().Shown()->values.month, 1);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 14}));
    QCOMPARE(view->Page()->notes.size(), std::size_t{1});
    QCOMPARE(view->Page()->notes.front().text, Unicode("NOTE"));
  }

  // The interface language chosen: the open view's title, buttons and the words of
  // its place line change at once (the page's own words are the almanac's, in the
  // script of the View menu).
  void speaksTheLanguageChosen() {
    ui::MainWindow* window = session->Window();
    session->Enter(6, QStringLiteral("2026"), 3);
    session->Widget<QCheckBox>("chkDST")->setChecked(true);
    session->Click("cmdCalculate");
    window->OpenDayView(14);
    ui::DayViewDialog* view = window->DayView();
    auto* close = view->findChild<QPushButton*>(QStringLiteral("cmdCloseDay"));
    QCOMPARE(view->windowTitle(), QStringLiteral("Day View: Tuesday 14 July 2026 \u2013 New York, New York, USA"));
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    session->Action("actionLanguage_mr")->trigger();
    QCOMPARE(view->windowTitle(),
             QStringLiteral("दिवसाचे पंचांग: मंगळवार १४ जुलै २०२६ \u2013 New York, New York, USA"));
    QCOMPARE(close->text(), QStringLiteral("बंद करा (&C)"));
    QVERIFY2(view->Page()->place.contains(QStringLiteral("UTC -04:00, उन्हाळी वेळ +१ तास)")),
             qPrintable(view->Page()->place));
    session->Action("actionLanguage_en")->trigger();
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QVERIFY(view->Page()->place.contains(QStringLiteral("daylight saving +1 h")));
  }

  // A year the window refuses leaves no month, and no place and clock for the view:
  // it closes (the window's message says why).
  void closesWhenTheWindowShowsNoMonth() {
    ui::MainWindow* window = session->Window();
    window->OpenDayView(14);
    QVERIFY(DayShown(window));
    session->Enter(11, QStringLiteral("78"));
    session->Click("cmdCalculate");
    QVERIFY(!window->DayView()->isVisible());
    QCOMPARE(session->messages.Texts(), QStringList{QString::fromLatin1(kMinYearMessage)});
  }

  // Without a month shown (after a refused year) there is no day to open: said.
  void noMonthShownIsSaid() {
    session->Enter(11, QStringLiteral("78"));
    session->Click("cmdCalculate");
    session->messages.seen.clear();
    session->Window()->OpenSelectedDay();
    QCOMPARE(session->messages.Texts(), QStringList{QStringLiteral("No month table is shown. Press \"Calculate\" first.")});
  }
};

const bool registered = RegisterTest<DayViewTest>();

}  // namespace kalnika::ui_test

#include "day_view_test.moc"
